#pragma once

#include <QList>
#include <QMetaType>

/// One photo's attitude in degrees, as the drone stored it in the photo's XMP.
struct Adj
{
    double pitch = 0.0; //!< Xmp.drone-dji.FlightPitchDegree
    double yaw = 0.0;   //!< Xmp.drone-dji.FlightYawDegree
    double roll = 0.0;  //!< Xmp.drone-dji.FlightRollDegree
};

Q_DECLARE_METATYPE(Adj)
Q_DECLARE_METATYPE(QList<Adj>)
