#pragma once

#include "photos/adj.h"

#include <QDateTime>
#include <QList>
#include <QString>
#include <QStringList>

/**
 * Photo entries as a block takes them from a split, without reading a file: for tests and
 * benchmarks of what a block does with many photos, where the files need not exist.
 */
struct UnreadPhotos
{
    QStringList entries;
    QList<Adj> adjs;
    QList<QDateTime> dates;

    /// @p count entries DIR/DJI_0001.JPG..., level, with the capture dates of @p dates (a null
    /// date where it has none).
    static UnreadPhotos make(const QString &dir, int count, const QList<QDateTime> &dates = {});
};
