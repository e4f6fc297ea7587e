#pragma once

#include <QColor>
#include <QIcon>
#include <QPixmap>
#include <QString>

/**
 * Paints glyphs of the embedded Font Awesome 4.7 font in a chosen colour, for icons whose
 * colour is only known at run time (the graph's curve colours, coloured markers).
 */
class IconFont
{
public:
    /// Code points of the glyphs the program paints.
    enum Glyph : uint
    {
        Circle = 0xf111,
        CircleOutline = 0xf10c,
        Square = 0xf0c8,
        Check = 0xf00c,
        Times = 0xf00d
    };

    /// The font's family, registering the embedded font on first use; empty when it is missing.
    static QString family();
    /// A @p size x @p size pixmap (device-independent pixels) with the glyph centred in it.
    static QPixmap pixmap(uint glyph, const QColor &color, int size = 16, qreal dpr = 1.0);
    /// The glyph as an icon, sharp at 1x and 2x.
    static QIcon icon(uint glyph, const QColor &color, int size = 16);
};
