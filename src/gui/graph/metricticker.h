#pragma once

#include <qcustomplot.h>

/**
 * Fixed-point metre labels with as many decimals as the tick step needs: whole metres when
 * zoomed out, centimetres when zoomed in, never an exponent.
 */
class MetricTicker : public QCPAxisTicker
{
protected:
    double getTickStep(const QCPRange &range) override;
    QString getTickLabel(double tick, const QLocale &locale, QChar formatChar,
                         int precision) override;

private:
    int m_decimals = 0;
};
