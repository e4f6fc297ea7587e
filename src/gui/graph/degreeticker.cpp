#include "graph/degreeticker.h"

#include <limits>

DegreeTicker::DegreeTicker()
{
    setTickCount(6);
}

double DegreeTicker::getTickStep(const QCPRange &range)
{
    return range.size() / qMax(1, tickCount());
}

QVector<double> DegreeTicker::createTickVector(double tickStep, const QCPRange &range)
{
    // Labels closer than most of a step would overlap; the first one in view wins.
    const double minimumGap = 0.8 * tickStep;
    QVector<double> result;
    double last = -std::numeric_limits<double>::infinity();
    const auto end = mTicks.upperBound(range.upper);
    for (auto it = mTicks.lowerBound(range.lower); it != end; ++it) {
        if (it.key() - last >= minimumGap) {
            result.append(it.key());
            last = it.key();
        }
    }
    return result;
}
