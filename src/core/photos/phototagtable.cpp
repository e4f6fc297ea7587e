#include "photos/phototagtable.h"

#include "app/logcategories.h"
#include "photos/nativephotopath.h"
#include "photos/photofile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileInfo>
#include <QStringList>

#include <exiv2/exiv2.hpp>

namespace {

PhotoTagRow section(const QString &title)
{
    return PhotoTagRow{QString(), title, true};
}

// "a/b" as a number; false for anything else, so odd values are shown as the camera wrote them.
bool fraction(const QString &text, double *value)
{
    const QStringList parts = text.split(QLatin1Char('/'));
    if (parts.size() != 2)
        return false;
    bool okA = false;
    bool okB = false;
    const double a = parts.at(0).trimmed().toDouble(&okA);
    const double b = parts.at(1).trimmed().toDouble(&okB);
    if (!okA || !okB)
        return false;
    // A zero denominator is shown as the quotient formats, "inf" or "nan"; it is only shown.
    *value = a / b;
    return true;
}

QString fileTime(const QDateTime &time)
{
    if (!time.isValid())
        return PhotoTagTable::tr("unknown");
    return time.toString(PhotoTagTable::tr("yyyy-MM-dd HH:mm:ss"));
}

void appendFileProperties(const QString &path, QList<PhotoTagRow> *rows)
{
    const QFileInfo info(path);
    rows->append(section(PhotoTagTable::tr("File properties")));
    rows->append({PhotoTagTable::tr("File size"),
                  PhotoTagTable::tr("%1 Mb").arg(
                      QString::number(double(info.size()) / 1024.0 / 1024.0, 'f', 2)),
                  false});
    rows->append({PhotoTagTable::tr("Date of change"), fileTime(info.lastModified()), false});
    rows->append({PhotoTagTable::tr("Creation date"), fileTime(info.birthTime()), false});
}

template <typename Data>
void appendData(const Data &data, const QString &title, const QString &prefix, bool exif,
                QList<PhotoTagRow> *rows)
{
    rows->append(section(title));
    for (const auto &datum : data) {
        QString tag = QString::fromStdString(datum.key());
        if (tag.startsWith(prefix))
            tag.remove(0, prefix.size());
        const QString text = QString::fromStdString(datum.toString());
        rows->append({tag, exif ? PhotoTagTable::exifValueText(tag, text) : text, false});
    }
}

} // namespace

QString PhotoTagTable::exifValueText(const QString &tag, const QString &text)
{
    if (tag == QLatin1String("Photo.ExposureTime") || tag == QLatin1String("Photo.FNumber") ||
        tag == QLatin1String("Photo.Fnumber") || tag == QLatin1String("GPSInfo.GPSAltitude")) {
        double value = 0.0;
        return fraction(text, &value) ? QString::number(value, 'f', 10) : text;
    }
    if (tag == QLatin1String("GPSInfo.GPSLatitude") ||
        tag == QLatin1String("GPSInfo.GPSLongitude")) {
        const QStringList parts = text.split(QLatin1Char(' '));
        if (parts.size() != 3)
            return text;
        double dms[3] = {0.0, 0.0, 0.0};
        for (int i = 0; i < 3; ++i) {
            if (!fraction(parts.at(i), &dms[i]))
                return text;
        }
        // The hemisphere is a tag of its own (GPSLatitudeRef), shown in its own row.
        return QString::number(dms[0] + dms[1] / 60.0 + dms[2] / 3600.0, 'f', 6);
    }
    return text;
}

QList<PhotoTagRow> PhotoTagTable::build(const QString &entry, QString *errorText)
{
    const QString path = nativePhotoPath(entry);
    QList<PhotoTagRow> rows;
    appendFileProperties(path, &rows);
    QString error;
    try {
        const Exiv2::Image::AutoPtr image = PhotoFile::openMetadata(entry);
        QList<PhotoTagRow> tags;
        appendData(image->exifData(), tr("EXIF Data"), QStringLiteral("Exif."), true, &tags);
        appendData(image->xmpData(), tr("XMP Data"), QStringLiteral("Xmp."), false, &tags);
        if (!image->iptcData().empty())
            appendData(image->iptcData(), tr("IPTC Data"), QStringLiteral("Iptc."), false, &tags);
        rows += tags;
    } catch (const Exiv2::AnyError &e) {
        error = PhotoFile::errorText(e);
    } catch (const std::exception &e) {
        // A damaged file can make the library run out of memory; the viewer must stay usable.
        error = PhotoFile::errorText(e);
    }
    if (!error.isEmpty()) {
        qCDebug(lcCritical).noquote() << QStringLiteral("%1 (%2)").arg(error, path);
        rows.append({tr("Metadata"), tr("Cannot be read: %1").arg(error), false});
    }
    if (errorText)
        *errorText = error;
    return rows;
}
