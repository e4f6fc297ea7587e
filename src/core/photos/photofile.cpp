#include "photos/photofile.h"

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
    Exiv2::Image::AutoPtr image =
        Exiv2::ImageFactory::open(QFile::encodeName(nativePhotoPath(entry)).toStdString());
    image->readMetadata();
    return image;
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
    return QStringLiteral("Exiv2 ERROR: %1 - %2")
        .arg(error.code())
        .arg(QString::fromLocal8Bit(error.what()));
}
