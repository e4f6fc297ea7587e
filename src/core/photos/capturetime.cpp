#include "photos/capturetime.h"

#include <QStringList>

#include <exiv2/exiv2.hpp>

namespace {

QString exifText(const Exiv2::ExifData &exif, const char *key)
{
    const auto it = exif.findKey(Exiv2::ExifKey(key));
    if (it == exif.end())
        return QString();
    return QString::fromStdString(it->toString()).trimmed();
}

// Three separated decimal numbers; false for any other shape.
bool threeNumbers(const QString &text, QChar separator, int out[3])
{
    const QStringList parts = text.split(separator);
    if (parts.size() != 3)
        return false;
    for (int i = 0; i < 3; ++i) {
        bool ok = false;
        out[i] = parts.at(i).toInt(&ok, 10);
        if (!ok)
            return false;
    }
    return true;
}

} // namespace

CaptureTime CaptureTime::fromExif(const Exiv2::ExifData &exif)
{
    const CaptureTime original = parse(exifText(exif, "Exif.Photo.DateTimeOriginal"),
                                       exifText(exif, "Exif.Photo.SubSecTimeOriginal"));
    if (original.isValid())
        return original;
    return parse(exifText(exif, "Exif.Image.DateTime"), exifText(exif, "Exif.Photo.SubSecTime"));
}

CaptureTime CaptureTime::parse(const QString &dateTime, const QString &subSeconds)
{
    CaptureTime result;
    // Some cameras pad the text with NULs or blanks; the form inside is always the same.
    const QString text = QString(dateTime).remove(QChar(0)).trimmed();
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return result;
    int d[3];
    int t[3];
    if (!threeNumbers(parts.at(0), QLatin1Char(':'), d) ||
        !threeNumbers(parts.at(1), QLatin1Char(':'), t))
        return result;
    const QDate date(d[0], d[1], d[2]);
    const QTime time(t[0], t[1], t[2]);
    if (!date.isValid() || !time.isValid())
        return result;
    result.time = QDateTime(date, time, Qt::UTC);

    QString digits = QString(subSeconds).remove(QChar(0)).trimmed();
    bool allDigits = !digits.isEmpty();
    for (const QChar ch : qAsConst(digits))
        allDigits = allDigits && ch >= QLatin1Char('0') && ch <= QLatin1Char('9');
    if (allDigits) {
        // The digits are a decimal fraction: "5" is half a second, "05" a twentieth.
        digits = digits.left(3);
        const int places = digits.size();
        int ms = digits.toInt();
        for (int i = places; i < 3; ++i)
            ms *= 10;
        result.time = result.time.addMSecs(ms);
        result.resolutionMs = places == 1 ? 100 : places == 2 ? 10 : 1;
    }
    return result;
}

QString CaptureTime::text() const
{
    if (!time.isValid())
        return QString();
    return time.toString(resolutionMs >= 1000 ? QStringLiteral("yyyy-MM-dd HH:mm:ss")
                                              : QStringLiteral("yyyy-MM-dd HH:mm:ss.zzz"));
}
