#include "photos/photofile.h"

#include "app/regularfile.h"
#include "photos/adj.h"
#include "photos/nativephotopath.h"

#include <QFile>
#include <QFileInfo>

#include <cmath>

namespace {

template <typename Datum> std::optional<double> firstComponent(const Datum &datum)
{
    if (datum.count() == 0)
        return std::nullopt;
    // The library's single-precision reading is what every photo's attitude has always
    // been read with; widen only afterwards.
    const float value = datum.toFloat(0);
    if (!datum.value().ok() || !std::isfinite(value))
        return std::nullopt;
    return static_cast<double>(value);
}

} // namespace

Exiv2::Image::AutoPtr PhotoFile::openMetadata(const QString &entry)
{
    const QString path = nativePhotoPath(entry);
    const QString problem = RegularFile::problem(path);
    if (!problem.isEmpty())
        throw Exiv2::Error(Exiv2::kerDataSourceOpenFailed, path.toStdString(),
                           problem.toStdString());
    Exiv2::Image::AutoPtr image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    return image;
}

QString PhotoFile::realPath(const QString &entry)
{
    const QFileInfo info(nativePhotoPath(entry));
    const QString real = info.canonicalFilePath();
    return real.isEmpty() ? info.absoluteFilePath() : real;
}

QString PhotoFile::attitudeProblem(double pitch, double yaw, double roll)
{
    auto within = [](double value, double limit) {
        return std::isfinite(value) && std::abs(value) <= limit;
    };
    if (within(pitch, MaxPitchRoll) && within(yaw, MaxYaw) && within(roll, MaxPitchRoll))
        return QString();
    return tr("has a drone attitude out of range (pitch %1, yaw %2, roll %3 degrees; pitch and "
              "roll may be -180 to 180, yaw -360 to 360)")
        .arg(pitch, 0, 'g', 7)
        .arg(yaw, 0, 'g', 7)
        .arg(roll, 0, 'g', 7);
}

PhotoFile::AttitudeStatus PhotoFile::readAttitude(const Exiv2::XmpData &xmp, Adj *adj,
                                                  std::string *missingKey)
{
    static const Exiv2::XmpKey keys[] = {Exiv2::XmpKey("Xmp.drone-dji.FlightPitchDegree"),
                                         Exiv2::XmpKey("Xmp.drone-dji.FlightYawDegree"),
                                         Exiv2::XmpKey("Xmp.drone-dji.FlightRollDegree")};
    for (const Exiv2::XmpKey &key : keys) {
        if (xmp.findKey(key) == xmp.end()) {
            if (missingKey)
                *missingKey = key.key();
            return AttitudeStatus::Missing;
        }
    }
    const auto pitch = xmpNumber(xmp, keys[0]);
    const auto yaw = xmpNumber(xmp, keys[1]);
    const auto roll = xmpNumber(xmp, keys[2]);
    if (!pitch || !yaw || !roll)
        return AttitudeStatus::NotNumber;
    *adj = Adj{*pitch, *yaw, *roll};
    return attitudeProblem(*pitch, *yaw, *roll).isEmpty() ? AttitudeStatus::Read
                                                          : AttitudeStatus::OutOfRange;
}

qint64 PhotoFile::size(const QString &entry)
{
    const QFileInfo info(nativePhotoPath(entry));
    return info.isFile() ? info.size() : 0;
}

bool PhotoFile::exists(const QString &entry)
{
    return QFileInfo::exists(nativePhotoPath(entry));
}

std::optional<double> PhotoFile::xmpNumber(const Exiv2::XmpData &xmp, const Exiv2::XmpKey &key)
{
    const auto it = xmp.findKey(key);
    if (it == xmp.end())
        return std::nullopt;
    return firstComponent(*it);
}

std::optional<double> PhotoFile::exifNumber(const Exiv2::ExifData &exif, const Exiv2::ExifKey &key)
{
    const auto it = exif.findKey(key);
    if (it == exif.end())
        return std::nullopt;
    return firstComponent(*it);
}

QString PhotoFile::errorText(const Exiv2::AnyError &error)
{
    return QStringLiteral("Exiv2 ERROR: ") + errorDetail(error);
}

QString PhotoFile::errorText(const std::exception &error)
{
    return QStringLiteral("Exiv2 ERROR: ") + errorDetail(error);
}

QString PhotoFile::errorDetail(const Exiv2::AnyError &error)
{
    return QStringLiteral("%1 - %2").arg(error.code()).arg(QString::fromLocal8Bit(error.what()));
}

QString PhotoFile::errorDetail(const std::exception &error)
{
    return QStringLiteral("-1 - %1").arg(QString::fromLocal8Bit(error.what()));
}
