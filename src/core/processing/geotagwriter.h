#pragma once

#include "processing/geotagvalues.h"

#include <QString>

namespace Exiv2 {
class Image;
}
class GeoCalc;

/**
 * Writes the corrected camera position and the timemark accuracies into a photo copy's
 * EXIF GPS tags and drone-dji XMP keys. Works on any opened image, file or memory alike;
 * everything else of the camera's metadata stays as it was.
 */
class GeotagWriter
{
public:
    enum class Outcome
    {
        Geotagged,         //!< position, altitude and accuracies written
        PositionNotWritten //!< altitude and accuracies written; the latitude/longitude tags
                           //!< were left as the camera wrote them (no zone, or no valid degrees)
    };

    /**
     * Sets the geotag keys in their fixed order and writes the metadata through the image's
     * own I/O. @p image must have its metadata read. @p geoCalc converts metric positions
     * back to degrees and is needed only for GeotagValues::System::Utm.
     * Exiv2 failures are thrown as Exiv2::AnyError, for the caller's per-photo guard; so is
     * a write that Exiv2 reports as done but whose bytes, read back, lack the geotag.
     */
    static Outcome writeGeotag(Exiv2::Image &image, const GeotagValues &values,
                               const GeoCalc *geoCalc = nullptr);

    /// "d/1 m/1 s/10000" of |@p value| in degrees, every step truncated.
    static QString encodeDmsRational(double value);
    /// Exif.GPSInfo.GPSAltitude text of |@p height|: hundred-thousandths of a metre, truncated.
    static QString encodeAltitude(double height);
};
