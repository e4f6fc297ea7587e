#include "unreadphotos.h"

UnreadPhotos UnreadPhotos::make(const QString &dir, int count, const QList<QDateTime> &dates)
{
    UnreadPhotos photos;
    for (int i = 0; i < count; ++i) {
        photos.entries << QStringLiteral("%1/DJI_%2.JPG").arg(dir).arg(i + 1, 4, 10, QChar('0'));
        photos.adjs << Adj();
        photos.dates << dates.value(i);
    }
    return photos;
}
