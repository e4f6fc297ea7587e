#pragma once

#include <QList>

#include <utility>

/// The quarantine flags of a block's photo and timemark lists, one per row, and the row lists
/// both lists are changed by.
class QuarantineFlags
{
public:
    /**
     * Sets the flags of @p rows to @p flag; rows outside @p flags are ignored. Returns the
     * first and the last row whose flag changed, so a model tells one span of its views;
     * the last is -1 when none changed.
     */
    static std::pair<int, int> set(QList<bool> &flags, const QList<int> &rows, bool flag);
    /// The rows of @p flags that are set, ascending.
    static QList<int> flagged(const QList<bool> &flags);
    /**
     * @p rows that name one of @p count rows, ascending, each once: a row listed twice would
     * otherwise take its neighbour with it when the rows are removed one after another.
     */
    static QList<int> validRows(const QList<int> &rows, int count);
};
