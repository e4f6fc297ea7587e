#pragma once

#include <QList>

#include <utility>

/// The quarantine flags of a block's photo and timemark lists, one per row.
class QuarantineFlags
{
public:
    /**
     * Sets the flags of @p rows to @p flag; rows outside @p flags are ignored. Returns the
     * first and the last row whose flag changed, so a model tells one span of its views;
     * the last is -1 when none changed.
     */
    static std::pair<int, int> set(QList<bool> &flags, const QList<int> &rows, bool flag);
};
