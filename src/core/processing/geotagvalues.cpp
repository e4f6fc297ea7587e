#include "processing/geotagvalues.h"

#include <cstdlib>

namespace {

constexpr int ZoneCount = 60;

bool isZone(int zone)
{
    return zone != 0 && std::abs(zone) <= ZoneCount;
}

} // namespace

GeotagValues GeotagValues::wgs84(double lat, double lon, double height, double sdE, double sdN,
                                 double sdH)
{
    GeotagValues v;
    v.system = System::Wgs84;
    v.north = lat;
    v.east = lon;
    v.height = height;
    v.northText = QString::number(lat, 'f', 9);
    v.eastText = QString::number(lon, 'f', 9);
    v.heightText = QString::number(height, 'f', 3);
    v.sdEText = accuracyText(sdE);
    v.sdNText = accuracyText(sdN);
    v.sdHText = accuracyText(sdH);
    return v;
}

GeotagValues GeotagValues::utm(double northing, double easting, double height, int zone, double sdE,
                               double sdN, double sdH)
{
    GeotagValues v;
    v.system = System::Utm;
    v.north = northing;
    v.east = easting;
    v.height = height;
    v.zone = zone;
    v.northText = QString::number(northing, 'f', 3);
    v.eastText = QString::number(easting, 'f', 3);
    v.heightText = QString::number(height, 'f', 3);
    v.sdEText = accuracyText(sdE);
    v.sdNText = accuracyText(sdN);
    v.sdHText = accuracyText(sdH);
    return v;
}

QString GeotagValues::accuracyText(double sd)
{
    // A receiver that wrote no accuracy is taken to be of the usual RTK 2 cm.
    return QString::number(sd == 0.0 ? 0.02 : sd, 'f', 3);
}

int GeotagValues::zoneOrFallback(int rowZone, int configuredZone)
{
    if (isZone(rowZone))
        return rowZone;
    return isZone(configuredZone) ? configuredZone : 0;
}
