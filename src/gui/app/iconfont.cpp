#include "app/iconfont.h"

#include "app/guiresources.h"

#include <QFont>
#include <QFontDatabase>
#include <QPainter>

QString IconFont::family()
{
    static const QString name = [] {
        GuiResources::initialize();
        const int id =
            QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fontawesome-4.7.0.ttf"));
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        return families.isEmpty() ? QString() : families.first();
    }();
    return name;
}

QPixmap IconFont::pixmap(uint glyph, const QColor &color, int size, qreal dpr)
{
    QPixmap pixmap(QSize(size, size) * dpr);
    pixmap.setDevicePixelRatio(dpr);
    pixmap.fill(Qt::transparent);
    const QString name = family();
    if (name.isEmpty())
        return pixmap; // an empty icon rather than a wrong character from another font
    QFont font(name);
    // Font Awesome's glyphs fill about 6/7 of the em; this keeps them inside the square.
    font.setPixelSize(qMax(1, size * 6 / 7));
    font.setStyleStrategy(QFont::NoFontMerging);
    QPainter painter(&pixmap);
    painter.setRenderHints(QPainter::Antialiasing | QPainter::TextAntialiasing);
    painter.setFont(font);
    painter.setPen(color);
    painter.drawText(QRectF(0, 0, size, size), Qt::AlignCenter, QString::fromUcs4(&glyph, 1));
    return pixmap;
}

QIcon IconFont::icon(uint glyph, const QColor &color, int size)
{
    QIcon icon;
    icon.addPixmap(pixmap(glyph, color, size, 1.0));
    icon.addPixmap(pixmap(glyph, color, size, 2.0));
    return icon;
}
