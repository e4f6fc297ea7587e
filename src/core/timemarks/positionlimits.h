#pragma once

#include <QCoreApplication>
#include <QString>
#include <QVector>

/**
 * What a timemark position may be. A value outside these bounds is no place a drone flew, but
 * the sign of a column mix-up (degrees read as metres, a row shifted by a stray delimiter)
 * that would otherwise become a wrong coordinate.
 *
 * Problems are translated phrases for the import's report.
 */
class PositionLimits
{
    Q_DECLARE_TR_FUNCTIONS(PositionLimits)
public:
    static constexpr double MinEasting = 100000.0;
    static constexpr double MaxEasting = 900000.0;
    static constexpr double MaxAbsNorthing = 10000000.0;
    static constexpr double MinHeight = -11000.0;
    static constexpr double MaxHeight = 100000.0;
    /// A row farther than this from the median position of its file is an outlier.
    static constexpr double MaxDistanceFromMedian = 1000000.0;

    /// Empty when latitude and longitude are degrees of WGS 84.
    static QString degreeProblem(double lat, double lon);
    /// Empty when easting and northing can be UTM metres.
    static QString metricProblem(double east, double north);
    static QString heightProblem(double height);

    /// One position: metres (east, north) or degrees (longitude, latitude).
    struct Point
    {
        double east = 0.0;
        double north = 0.0;
    };
    /**
     * The distance in metres of each point from the median position of @p points, computed on
     * the sphere for degrees (a flight across the 180th meridian stays together) and in the
     * plane for metres. Empty for an empty list.
     */
    static QVector<double> distancesFromMedian(const QVector<Point> &points, bool degrees);
    static QString outlierProblem(double distance);
};
