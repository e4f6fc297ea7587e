#pragma once

/// A WGS 84 geographic position.
struct GeoPoint
{
    double lon = 0.0; //!< degrees
    double lat = 0.0; //!< degrees
    double h = 0.0;   //!< metres, carried through unchanged
};
