#pragma once

#include <QDateTime>
#include <QList>

/**
 * Finds where a block is cut into flights: at every photo taken at least the threshold of
 * whole seconds after (or before) the photo preceding it.
 */
class TimeSplit
{
public:
    /// Ascending photo indexes at which a new piece begins. With threshold 0 every photo,
    /// photo 0 included, begins a piece.
    static QList<int> cuts(const QList<QDateTime> &shotTimes, quint16 thresholdSeconds);
    /// The [first, last] photo index ranges of the pieces from each cut on.
    static QList<QPair<int, int>> pieces(const QList<int> &cuts, int photoCount);
};
