#pragma once

#include <QList>
#include <QMetaType>
#include <QString>

/// One timemark row. x, y, z, zone form the metric position; lon, lat, z the geographic one.
struct Line
{
    QString date; //!< time of the mark as written in the file
    /// The cell after the date when that holds only the calendar date or GPS week and this
    /// cell the time (blank-separated files such as RTKLIB's); empty otherwise.
    QString dateTail;
    double x = 0.0;   //!< easting, metres
    double y = 0.0;   //!< northing, metres
    double lon = 0.0; //!< longitude, degrees
    double lat = 0.0; //!< latitude, degrees
    double z = 0.0;   //!< height, metres
    double sx = 0.0;  //!< accuracy of the easting ("sdE")
    double sy = 0.0;  //!< accuracy of the northing ("sdN")
    double sz = 0.0;  //!< accuracy of the height ("sdH")
    int zone = 0;     //!< UTM zone of the metric position; 0 when no conversion was made
};

Q_DECLARE_METATYPE(Line)
Q_DECLARE_METATYPE(QList<Line>)
