#include "processing/geotagwriter.h"

#include "geo/geocalc.h"
#include "photos/exivsetup.h"

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <cstdint>

namespace {

struct Degrees
{
    double lat = 0.0;
    double lon = 0.0;
    QString latText;
    QString lonText;
};

bool isLatLon(double lat, double lon)
{
    return std::isfinite(lat) && std::isfinite(lon) && std::abs(lat) <= 90.0 &&
           std::abs(lon) <= 180.0;
}

// The position in degrees, or false when there is none to write.
bool positionInDegrees(const GeotagValues &values, const GeoCalc *geoCalc, Degrees *out)
{
    if (values.system == GeotagValues::System::Wgs84) {
        if (!isLatLon(values.north, values.east))
            return false;
        *out = {values.north, values.east, values.northText, values.eastText};
        return true;
    }
    if (values.zone == 0 || !geoCalc || !geoCalc->isReady())
        return false;
    const GeoPoint geo = geoCalc->utmToGeo(values.east, values.north, values.zone, values.height);
    // The converter answers a failed conversion with an all-zero point.
    if ((geo.lat == 0.0 && geo.lon == 0.0) || !isLatLon(geo.lat, geo.lon))
        return false;
    *out = {geo.lat, geo.lon, QString::number(geo.lat, 'f', 9), QString::number(geo.lon, 'f', 9)};
    return true;
}

void setExif(Exiv2::ExifData &exif, const char *key, Exiv2::TypeId type, const QString &text)
{
    const Exiv2::Value::AutoPtr value = Exiv2::Value::create(type);
    if (value->read(text.toStdString()) != 0)
        throw Exiv2::Error(Exiv2::kerInvalidDataset, key);
    exif[key].setValue(value.get());
}

void setXmp(Exiv2::XmpData &xmp, const char *key, const QString &text)
{
    const Exiv2::XmpTextValue value(text.toStdString());
    xmp[key].setValue(&value);
}

} // namespace

QString GeotagWriter::encodeDmsRational(double value)
{
    double a = std::abs(value);
    const int d = static_cast<int>(a);
    a = (a - d) * 60.0;
    const int m = static_cast<int>(a);
    a = (a - m) * 60.0;
    const int s = static_cast<int>(a * 10000.0);
    return QString::asprintf("%d/1 %d/1 %d/10000", d, m, s);
}

QString GeotagWriter::encodeAltitude(double height)
{
    // Hundred-thousandths hold 42949.67295 m in the tag's unsigned rational; a height
    // beyond that (a broken row) keeps its metres with a coarser denominator rather than
    // wrapping round to a wrong altitude.
    const double a = std::abs(height);
    std::int64_t denominator = 100000;
    while (denominator > 1 && a * denominator > double(UINT32_MAX))
        denominator /= 10;
    const double scaled = std::min(std::trunc(a * denominator), double(UINT32_MAX));
    return QString::asprintf("%llu/%lld", static_cast<unsigned long long>(scaled),
                             static_cast<long long>(denominator));
}

GeotagWriter::Outcome GeotagWriter::writeGeotag(Exiv2::Image &image, const GeotagValues &values,
                                                const GeoCalc *geoCalc)
{
    // drone-dji keys can only be built once the namespace is known.
    ExivSetup::initialize();
    Degrees position;
    const bool withPosition = positionInDegrees(values, geoCalc, &position);
    Exiv2::ExifData &exif = image.exifData();
    Exiv2::XmpData &xmp = image.xmpData();

    if (withPosition) {
        setExif(exif, "Exif.GPSInfo.GPSLatitude", Exiv2::unsignedRational,
                encodeDmsRational(position.lat));
        setExif(exif, "Exif.GPSInfo.GPSLongitude", Exiv2::unsignedRational,
                encodeDmsRational(position.lon));
        setExif(exif, "Exif.GPSInfo.GPSLatitudeRef", Exiv2::asciiString,
                position.lat < 0 ? QStringLiteral("S") : QStringLiteral("N"));
        setExif(exif, "Exif.GPSInfo.GPSLongitudeRef", Exiv2::asciiString,
                position.lon < 0 ? QStringLiteral("W") : QStringLiteral("E"));
    }
    setExif(exif, "Exif.GPSInfo.GPSAltitudeRef", Exiv2::unsignedByte,
            values.height < 0 ? QStringLiteral("1") : QStringLiteral("0"));
    setExif(exif, "Exif.GPSInfo.GPSAltitude", Exiv2::unsignedRational,
            encodeAltitude(values.height));

    setXmp(xmp, "Xmp.drone-dji.RtkFlag", QStringLiteral("50"));
    setXmp(xmp, "Xmp.drone-dji.RtkStdLon", values.sdEText);
    setXmp(xmp, "Xmp.drone-dji.RtkStdLat", values.sdNText);
    setXmp(xmp, "Xmp.drone-dji.RtkStdHgt", values.sdHText);
    if (withPosition) {
        setXmp(xmp, "Xmp.drone-dji.GpsLatitude", position.latText);
        setXmp(xmp, "Xmp.drone-dji.GpsLongtitude", position.lonText);
        // Firmware spells the key correctly; a copy must not carry two different longitudes.
        if (xmp.findKey(Exiv2::XmpKey("Xmp.drone-dji.GpsLongitude")) != xmp.end())
            setXmp(xmp, "Xmp.drone-dji.GpsLongitude", position.lonText);
    }
    setXmp(xmp, "Xmp.drone-dji.AbsoluteAltitude", values.heightText);

    image.writeMetadata();
    return withPosition ? Outcome::Geotagged : Outcome::PositionNotWritten;
}
