#include "blocks/timesplit.h"

QList<int> TimeSplit::cuts(const QList<QDateTime> &shotTimes, quint16 thresholdSeconds)
{
    QList<int> result;
    if (shotTimes.isEmpty())
        return result;
    const qint64 threshold = thresholdSeconds;
    QDateTime previous = shotTimes.first();
    for (int i = 0; i < shotTimes.size(); ++i) {
        const qint64 d = previous.secsTo(shotTimes.at(i));
        if (d >= threshold || d <= -threshold)
            result << i;
        previous = shotTimes.at(i);
    }
    return result;
}

QList<QPair<int, int>> TimeSplit::pieces(const QList<int> &cuts, int photoCount)
{
    QList<QPair<int, int>> result;
    for (int k = 0; k < cuts.size(); ++k) {
        const int last = k + 1 < cuts.size() ? cuts.at(k + 1) - 1 : photoCount - 1;
        result << qMakePair(cuts.at(k), last);
    }
    return result;
}
