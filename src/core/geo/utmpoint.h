#pragma once

/// A metric UTM position; zone 1..60 north (−1..−60 south), 0 when unknown.
struct UtmPoint
{
    double x = 0.0; //!< easting, metres
    double y = 0.0; //!< northing, metres
    double z = 0.0; //!< height, metres (never enters PROJ)
    int zone = 0;
};
