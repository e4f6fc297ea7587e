#pragma once

#include <QString>

/**
 * What the geotag of one photo copy is made of.
 *
 * In the degree system @c north / @c east are WGS 84 latitude / longitude. In the metric
 * system they are the UTM northing / easting in metres and @c zone tells where they lie; the
 * writer converts them back to degrees, because the tags are defined in degrees. The texts
 * are written verbatim into the drone-dji keys and are meant to be the very texts of the
 * coordinate file; the factories below format them that way.
 */
struct GeotagValues
{
    enum class System
    {
        Wgs84, //!< north/east are latitude/longitude in degrees
        Utm    //!< north/east are northing/easting in metres of @c zone
    };

    System system = System::Wgs84;
    double north = 0.0;  //!< latitude, or northing in metres
    double east = 0.0;   //!< longitude, or easting in metres
    double height = 0.0; //!< metres, after the antenna correction
    int zone = 0;        //!< metric system only: 1..60 north, -1..-60 south, 0 unknown

    QString northText;  //!< coordinate-file text of @c north (9 or 3 decimals)
    QString eastText;   //!< coordinate-file text of @c east
    QString heightText; //!< 3 decimals
    QString sdEText;    //!< accuracy of the easting, 3 decimals
    QString sdNText;    //!< accuracy of the northing
    QString sdHText;    //!< accuracy of the height

    /// Degree-system values; texts with 9 decimals for the position, 3 for the rest.
    static GeotagValues wgs84(double lat, double lon, double height, double sdE, double sdN,
                              double sdH);
    /// Metric-system values; texts with 3 decimals. @p zone may be 0 (unknown).
    static GeotagValues utm(double northing, double easting, double height, int zone, double sdE,
                            double sdN, double sdH);

    /// Accuracy text: 3 decimals, and an accuracy stored as exactly 0 becomes "0.020".
    static QString accuracyText(double sd);

private:
    static GeotagValues make(System system, double north, double east, double height, int zone,
                             double sdE, double sdN, double sdH);
};
