#include "blocks/quarantineflags.h"

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
