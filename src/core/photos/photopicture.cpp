#include "photos/photopicture.h"

#include "photos/nativephotopath.h"

#include <QImageReader>

QSize PhotoPicture::decodeSize(const QSize &full, const QSize &bound)
{
    if (!full.isValid() || full.isEmpty() || !bound.isValid() || bound.isEmpty())
        return full;
    const QSize fit = full.scaled(bound, Qt::KeepAspectRatio);
    QSize best = full;
    for (const int divisor : {2, 4, 8}) {
        const QSize reduced((full.width() + divisor - 1) / divisor,
                            (full.height() + divisor - 1) / divisor);
        if (reduced.width() < fit.width() || reduced.height() < fit.height())
            break;
        best = reduced;
    }
    return best;
}

QImage PhotoPicture::decode(const QString &entry, const QSize &bound, QString *errorText)
{
    QImageReader reader(nativePhotoPath(entry));
    reader.setAutoTransform(true);
    const QSize full = reader.size();
    const QSize size = decodeSize(full, bound);
    if (size != full)
        reader.setScaledSize(size);
    QImage image = reader.read();
    if (errorText)
        *errorText = image.isNull() ? reader.errorString() : QString();
    return image;
}
