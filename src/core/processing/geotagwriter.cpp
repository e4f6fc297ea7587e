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

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    return it == exif.end() ? QString() : QString::fromStdString(it->toString());
}

QString xmpText(const Exiv2::XmpData &xmp, const char *key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    return it == xmp.end() ? QString() : QString::fromStdString(it->toString());
}

// Exiv2 reports success on some damaged JPEGs without writing a single tag (a segment whose
// length swallows the next marker, so the image data seems to follow the first segment).
// The written bytes are therefore read back: a photo must never pass for geotagged when it
// is not.
void verifyWritten(Exiv2::Image &image, const QString &altitude, const QString &heightText,
                   const QString *latitude, const QString *longitude)
{
    Exiv2::BasicIo &io = image.io();
    if (io.open() != 0)
        throw Exiv2::Error(Exiv2::kerDataSourceOpenFailed, io.path(), Exiv2::strError());
    io.seek(0, Exiv2::BasicIo::beg);
    const Exiv2::DataBuf written = io.read(io.size());
    io.close();
    const Exiv2::Image::AutoPtr check = Exiv2::ImageFactory::open(written.pData_, written.size_);
    check->readMetadata();
    const Exiv2::ExifData &exif = check->exifData();
    const bool complete =
        exifText(exif, "Exif.GPSInfo.GPSAltitude") == altitude &&
        xmpText(check->xmpData(), "Xmp.drone-dji.AbsoluteAltitude") == heightText &&
        (!latitude || exifText(exif, "Exif.GPSInfo.GPSLatitude") == *latitude) &&
        (!longitude || exifText(exif, "Exif.GPSInfo.GPSLongitude") == *longitude);
    if (!complete)
        throw Exiv2::Error(Exiv2::kerErrorMessage,
                           "the geotag is missing from the metadata Exiv2 wrote");
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

    const QString latitude = encodeDmsRational(position.lat);
    const QString longitude = encodeDmsRational(position.lon);
    const QString altitude = encodeAltitude(values.height);
    if (withPosition) {
        setExif(exif, "Exif.GPSInfo.GPSLatitude", Exiv2::unsignedRational, latitude);
        setExif(exif, "Exif.GPSInfo.GPSLongitude", Exiv2::unsignedRational, longitude);
        setExif(exif, "Exif.GPSInfo.GPSLatitudeRef", Exiv2::asciiString,
                position.lat < 0 ? QStringLiteral("S") : QStringLiteral("N"));
        setExif(exif, "Exif.GPSInfo.GPSLongitudeRef", Exiv2::asciiString,
                position.lon < 0 ? QStringLiteral("W") : QStringLiteral("E"));
    }
    setExif(exif, "Exif.GPSInfo.GPSAltitudeRef", Exiv2::unsignedByte,
            values.height < 0 ? QStringLiteral("1") : QStringLiteral("0"));
    setExif(exif, "Exif.GPSInfo.GPSAltitude", Exiv2::unsignedRational, altitude);

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
    verifyWritten(image, altitude, values.heightText, withPosition ? &latitude : nullptr,
                  withPosition ? &longitude : nullptr);
    return withPosition ? Outcome::Geotagged : Outcome::PositionNotWritten;
}
