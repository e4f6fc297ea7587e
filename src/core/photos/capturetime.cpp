#include "photos/capturetime.h"

#include "photos/photodate.h"

#include <QStringList>

CaptureTime CaptureTime::fromExif(const Exiv2::ExifData &exif)
{
    const CaptureTime original =
        parse(PhotoDate::dateTimeText(exif, "Exif.Photo.DateTimeOriginal"),
              PhotoDate::dateTimeText(exif, "Exif.Photo.SubSecTimeOriginal"));
    if (original.isValid())
        return original;
    return parse(PhotoDate::dateTimeText(exif, "Exif.Image.DateTime"),
                 PhotoDate::dateTimeText(exif, "Exif.Photo.SubSecTime"));
}

CaptureTime CaptureTime::parse(const QString &dateTime, const QString &subSeconds)
{
    CaptureTime result;
    // Some cameras pad the text with NULs or blanks; the form inside is always the same.
    const QString text = QString(dateTime).remove(QChar(0)).trimmed();
    const QStringList parts = text.split(QLatin1Char(' '), Qt::SkipEmptyParts);
    if (parts.size() != 2)
        return result;
    result.time = PhotoDate::parse(parts.join(QLatin1Char(' ')), Qt::UTC);
    if (!result.isValid())
        return result;

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
