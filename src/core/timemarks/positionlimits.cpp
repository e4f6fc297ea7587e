#include "timemarks/positionlimits.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double EarthRadius = 6371008.8; // mean radius, metres
constexpr double DegToRad = 0.017453292519943295;

QString number(double value)
{
    return QString::number(value, 'g', 12);
}

double median(QVector<double> values)
{
    const auto middle = values.begin() + values.size() / 2;
    std::nth_element(values.begin(), middle, values.end());
    return *middle;
}

} // namespace

QString PositionLimits::degreeProblem(double lat, double lon)
{
    if (!std::isfinite(lat) || lat < -90.0 || lat > 90.0)
        return tr("latitude %1 is outside -90 to 90 degrees").arg(number(lat));
    if (!std::isfinite(lon) || lon < -180.0 || lon > 180.0)
        return tr("longitude %1 is outside -180 to 180 degrees").arg(number(lon));
    return QString();
}

QString PositionLimits::metricProblem(double east, double north)
{
    if (!std::isfinite(east) || east < MinEasting || east > MaxEasting)
        return tr("easting %1 m is outside 100 000 to 900 000 m: the values look like degrees, "
                  "or metres in the wrong columns")
            .arg(number(east));
    if (!std::isfinite(north) || std::abs(north) > MaxAbsNorthing)
        return tr("northing %1 m is outside -10 000 000 to 10 000 000 m: the values look like "
                  "degrees, or metres in the wrong columns")
            .arg(number(north));
    return QString();
}

QString PositionLimits::heightProblem(double height)
{
    if (!std::isfinite(height) || height < MinHeight || height > MaxHeight)
        return tr("height %1 m is outside -11 000 to 100 000 m").arg(number(height));
    return QString();
}

QVector<double> PositionLimits::distancesFromMedian(const QVector<Point> &points, bool degrees)
{
    QVector<double> distances;
    if (points.isEmpty())
        return distances;
    distances.reserve(points.size());
    QVector<double> easts;
    QVector<double> norths;
    easts.reserve(points.size());
    norths.reserve(points.size());
    // Longitudes are taken relative to the first point, so that 179.9 and -179.9 are neighbours.
    const double reference = points.first().east;
    for (const Point &p : points) {
        easts << (degrees ? std::remainder(p.east - reference, 360.0) : p.east);
        norths << p.north;
    }
    const double midEast = median(easts);
    const double midNorth = median(norths);
    for (int i = 0; i < points.size(); ++i) {
        if (!degrees) {
            distances << std::hypot(easts.at(i) - midEast, norths.at(i) - midNorth);
            continue;
        }
        // Haversine on a sphere: the bound is 1000 km, far coarser than the sphere's error.
        const double lat1 = midNorth * DegToRad;
        const double lat2 = norths.at(i) * DegToRad;
        const double dLat = lat2 - lat1;
        const double dLon = (easts.at(i) - midEast) * DegToRad;
        const double a = std::sin(dLat / 2) * std::sin(dLat / 2) +
                         std::cos(lat1) * std::cos(lat2) * std::sin(dLon / 2) * std::sin(dLon / 2);
        distances << 2.0 * EarthRadius * std::asin(std::sqrt(std::min(1.0, a)));
    }
    return distances;
}

QString PositionLimits::outlierProblem(double distance)
{
    if (distance <= MaxDistanceFromMedian)
        return QString();
    return tr("it lies %1 km from the median position of the file, more than 1 000 km")
        .arg(QString::number(distance / 1000.0, 'f', 0));
}
