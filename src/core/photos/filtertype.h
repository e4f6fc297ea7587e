#pragma once

#include <QFlags>
#include <QMetaType>

/**
 * The checks of the photo filter. Each check has a bit of its own so that a set holding
 * both runs both; a set holding none runs none.
 */
enum FilterType
{
    GimbalPitchDegree = 0x1, //!< Xmp.drone-dji.GimbalPitchDegree farther than 7° from the threshold
    ExposureTime = 0x2       //!< Exif.Photo.ExposureTime below 0.000625 s
};
Q_DECLARE_FLAGS(FilterTypes, FilterType)
Q_DECLARE_OPERATORS_FOR_FLAGS(FilterTypes)
Q_DECLARE_METATYPE(FilterTypes)
