#pragma once

#include <qcustomplot.h>

/**
 * Text ticks at fixed metric positions (the degree labels of the timemarks), thinned to about
 * the ticker's tick count within the visible range: a flight of many rows still gets a few
 * readable labels instead of one per row.
 */
class DegreeTicker : public QCPAxisTickerText
{
public:
    DegreeTicker();

protected:
    double getTickStep(const QCPRange &range) override;
    QVector<double> createTickVector(double tickStep, const QCPRange &range) override;
};
