#include "blocks/quarantineflags.h"

#include <algorithm>

std::pair<int, int> QuarantineFlags::set(QList<bool> &flags, const QList<int> &rows, bool flag)
{
    int first = flags.size();
    int last = -1;
    for (const int r : rows) {
        if (r >= 0 && r < flags.size() && flags.at(r) != flag) {
            flags[r] = flag;
            first = qMin(first, r);
            last = qMax(last, r);
        }
    }
    return {first, last};
}

QList<int> QuarantineFlags::flagged(const QList<bool> &flags)
{
    QList<int> rows;
    for (int r = 0; r < flags.size(); ++r) {
        if (flags.at(r))
            rows << r;
    }
    return rows;
}

QList<int> QuarantineFlags::validRows(const QList<int> &rows, int count)
{
    QList<int> sorted;
    for (const int row : rows) {
        if (row >= 0 && row < count)
            sorted << row;
    }
    std::sort(sorted.begin(), sorted.end());
    sorted.erase(std::unique(sorted.begin(), sorted.end()), sorted.end());
    return sorted;
}
