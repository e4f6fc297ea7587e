#include "processing/geotagvalues.h"

GeotagValues GeotagValues::wgs84(double lat, double lon, double height, double sdE, double sdN,
                                 double sdH)
{
    return make(System::Wgs84, lat, lon, height, 0, sdE, sdN, sdH);
}

GeotagValues GeotagValues::utm(double northing, double easting, double height, int zone, double sdE,
                               double sdN, double sdH)
{
    return make(System::Utm, northing, easting, height, zone, sdE, sdN, sdH);
}

GeotagValues GeotagValues::make(System system, double north, double east, double height, int zone,
                                double sdE, double sdN, double sdH)
{
    // The texts are those of the coordinate file: 9 decimals for degrees, 3 for metres.
    const int decimals = system == System::Wgs84 ? 9 : 3;
    GeotagValues v;
    v.system = system;
    v.north = north;
    v.east = east;
    v.height = height;
    v.zone = zone;
    v.northText = QString::number(north, 'f', decimals);
    v.eastText = QString::number(east, 'f', decimals);
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
