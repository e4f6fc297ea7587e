#pragma once

#include <QImage>
#include <QSize>
#include <QString>

/**
 * Decodes a photo for showing on screen. A camera's 20-megapixel JPEG is decoded at a half,
 * quarter or eighth of its size when that still covers what a screen can show: the JPEG
 * decoder then skips most of the work (and memory) exactly, without resampling.
 */
class PhotoPicture
{
public:
    /**
     * The photo at @p entry (a path or a file URL), oriented as the camera recorded, reduced as
     * decodeSize() says for @p bound (device pixels; an invalid bound keeps the full size).
     * A null image when it cannot be decoded; @p errorText then says why.
     */
    static QImage decode(const QString &entry, const QSize &bound, QString *errorText = nullptr);

    /// @p full divided by the largest of 1, 2, 4, 8 (rounded up) that still covers @p full
    /// fitted into @p bound.
    static QSize decodeSize(const QSize &full, const QSize &bound);
};
