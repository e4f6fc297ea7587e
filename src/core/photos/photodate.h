#pragma once

#include <QDateTime>
#include <QString>

namespace Exiv2 {
class ExifData;
}

/**
 * The exposure date of a photo: "Exif.Image.DateTime" as local time without zone.
 */
class PhotoDate
{
public:
    /// Text of the EXIF tag @p key ("Exif.Image.DateTime" by default) as stored; empty when
    /// the tag is missing or empty.
    static QString dateTimeText(const Exiv2::ExifData &exif,
                                const char *key = "Exif.Image.DateTime");
    /**
     * Parses the EXIF form "yyyy:MM:dd HH:mm:ss". Exactly one blank between date and time
     * and three colon-separated decimal parts on each side, else the result is invalid. The
     * result has the time spec @p spec.
     */
    static QDateTime parse(const QString &text, Qt::TimeSpec spec = Qt::LocalTime);
    /// The date a photo gets in a batch: an empty text takes @p previous, else parse().
    static QDateTime resolve(const QString &text, const QDateTime &previous);
};
