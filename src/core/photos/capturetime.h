#pragma once

#include <QDateTime>
#include <QList>
#include <QMetaType>
#include <QString>

namespace Exiv2 {
class ExifData;
}

/**
 * When a photo was taken, as precisely as its EXIF tells: "Exif.Photo.DateTimeOriginal"
 * with "Exif.Photo.SubSecTimeOriginal", else "Exif.Image.DateTime" with
 * "Exif.Photo.SubSecTime".
 *
 * The camera's clock has no zone: the time is kept as a wall-clock reading in a QDateTime of
 * spec Qt::UTC, so that intervals never jump at a daylight-saving change of the computer's
 * own zone. Cameras cut the fraction off rather than round it, so the moment of exposure lies
 * in [time, time + resolutionMs).
 */
struct CaptureTime
{
    QDateTime time;          //!< invalid when the photo tells no usable time
    int resolutionMs = 1000; //!< 1000 without sub-seconds, 100 for one digit of them, ...

    bool isValid() const { return time.isValid(); }

    /// The capture time of a photo's EXIF; invalid when neither date tag can be read.
    static CaptureTime fromExif(const Exiv2::ExifData &exif);
    /**
     * Builds the time from an EXIF date ("2024:05:17 10:22:33", blanks around it ignored) and
     * its sub-second digits ("047": 47 ms, resolution 1 ms). Sub-second text that is not
     * digits counts as absent.
     */
    static CaptureTime parse(const QString &dateTime, const QString &subSeconds = QString());
    /// "2024-05-17 10:22:33" or, with sub-seconds, "2024-05-17 10:22:33.047".
    QString text() const;
};

Q_DECLARE_METATYPE(CaptureTime)
Q_DECLARE_METATYPE(QList<CaptureTime>)
