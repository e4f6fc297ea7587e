#include "graph/metricticker.h"

#include <algorithm>
#include <cmath>

double MetricTicker::getTickStep(const QCPRange &range)
{
    const double step = QCPAxisTicker::getTickStep(range);
    // The fewest decimals that show every multiple of the step exactly (0.25 needs two).
    m_decimals = 0;
    while (m_decimals < 6) {
        const double scaled = step * std::pow(10.0, m_decimals);
        if (std::abs(scaled - std::round(scaled)) < 1e-6 * std::max(1.0, scaled))
            break;
        ++m_decimals;
    }
    return step;
}

QString MetricTicker::getTickLabel(double tick, const QLocale &locale, QChar formatChar,
                                   int precision)
{
    Q_UNUSED(formatChar)
    Q_UNUSED(precision)
    return locale.toString(tick, 'f', m_decimals);
}
