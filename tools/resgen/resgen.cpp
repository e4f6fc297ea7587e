// Build-time generator of the window's pictures: turns glyphs of the Font Awesome font into
// SVG files and renders the project's own SVG drawings into PNG files, then writes the resource
// collection that names them. Run by CMake (with QT_QPA_PLATFORM=offscreen: the font engine
// needs a GUI application but no display).
//
// Manifest lines ("# " starts a comment):
//   glyph <resource name> <code point, hex> <fill colour>
//   png   <resource name> <svg file, relative to the manifest> <width>x<height>

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QRawFont>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

int fail(const QString &message)
{
    std::fprintf(stderr, "resgen: %s\n", qPrintable(message));
    return 1;
}

QString num(qreal v)
{
    return QString::number(v, 'f', 2).remove(QRegularExpression(QStringLiteral("\\.?0+$")));
}

// The glyph's outline in a square box as wide as the font's em, centred, so every icon has the
// same proportions whatever its advance width.
QByteArray glyphSvg(const QRawFont &font, uint codePoint, const QString &fill, QString *error)
{
    const QString text = QString::fromUcs4(&codePoint, 1);
    const QVector<quint32> glyphs = font.glyphIndexesForString(text);
    if (glyphs.size() != 1 || glyphs.first() == 0) {
        *error = QStringLiteral("the font has no glyph U+%1").arg(codePoint, 4, 16);
        return QByteArray();
    }
    QPainterPath path = font.pathForGlyph(glyphs.first());
    const QRectF box = path.boundingRect();
    const qreal em = font.pixelSize();
    path.translate((em - box.width()) / 2 - box.left(), (em - box.height()) / 2 - box.top());

    QString d;
    for (int i = 0; i < path.elementCount(); ++i) {
        const QPainterPath::Element e = path.elementAt(i);
        if (e.isMoveTo()) {
            d += QStringLiteral("M%1 %2").arg(num(e.x), num(e.y));
        } else if (e.isLineTo()) {
            d += QStringLiteral("L%1 %2").arg(num(e.x), num(e.y));
        } else if (e.isCurveTo() && i + 2 < path.elementCount()) {
            const auto c2 = path.elementAt(i + 1);
            const auto end = path.elementAt(i + 2);
            d += QStringLiteral("C%1 %2 %3 %4 %5 %6")
                     .arg(num(e.x), num(e.y), num(c2.x), num(c2.y), num(end.x), num(end.y));
            i += 2;
        }
    }
    return QStringLiteral("<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"%1\" height=\"%1\" "
                          "viewBox=\"0 0 %1 %1\"><path fill=\"%2\" fill-rule=\"nonzero\" "
                          "d=\"%3Z\"/></svg>\n")
        .arg(num(em), fill, d)
        .toUtf8();
}

bool writeFile(const QString &path, const QByteArray &bytes)
{
    // Rewritten only on change, so rcc and the compiler do not run again for nothing.
    QFile old(path);
    if (old.open(QIODevice::ReadOnly) && old.readAll() == bytes)
        return true;
    old.close();
    QSaveFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() && file.commit();
}

} // namespace

int main(int argc, char *argv[])
{
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 5)
        return fail(
            QStringLiteral("usage: resgen MANIFEST ICONFONT.ttf OUTDIR OUT.qrc [TEXTFONT.ttf...]"));
    // The drawings' texts name the interface font; without it they would take whatever font
    // the build machine happens to have.
    for (int i = 5; i < args.size(); ++i) {
        if (QFontDatabase::addApplicationFont(args.at(i)) < 0)
            return fail(QStringLiteral("cannot read the font %1").arg(args.at(i)));
    }
    const QFileInfo manifest(args.at(1));
    const QRawFont font(args.at(2), 512);
    const QDir out(args.at(3));
    if (!font.isValid())
        return fail(QStringLiteral("cannot read the icon font %1").arg(args.at(2)));
    if (!out.mkpath(QStringLiteral(".")))
        return fail(QStringLiteral("cannot create %1").arg(out.path()));

    QFile list(manifest.filePath());
    if (!list.open(QIODevice::ReadOnly | QIODevice::Text))
        return fail(QStringLiteral("cannot read %1").arg(manifest.filePath()));
    QString qrc = QStringLiteral("<RCC>\n    <qresource prefix=\"/\">\n");
    int lineNumber = 0;
    while (!list.atEnd()) {
        ++lineNumber;
        // A comment is a "#" followed by a space (or ending the line); colours keep theirs.
        const QString line = QString::fromUtf8(list.readLine())
                                 .remove(QRegularExpression(QStringLiteral("(^|\\s)#(\\s.*)?$")));
        const QStringList f =
            line.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
        if (f.isEmpty())
            continue;
        const QString where = QStringLiteral("%1:%2: ").arg(manifest.fileName()).arg(lineNumber);
        if (f.size() < 3)
            return fail(where + QStringLiteral("too few fields"));
        const QString name = f.at(1);
        const QString file = out.filePath(name);
        if (!out.mkpath(QFileInfo(name).path()))
            return fail(where + QStringLiteral("cannot create the folder of %1").arg(name));
        if (f.at(0) == QLatin1String("glyph") && f.size() == 4) {
            bool ok = false;
            const uint codePoint = f.at(2).toUInt(&ok, 16);
            QString error;
            const QByteArray svg = ok ? glyphSvg(font, codePoint, f.at(3), &error) : QByteArray();
            if (svg.isEmpty())
                return fail(where + (ok ? error : QStringLiteral("bad code point")));
            if (!writeFile(file, svg))
                return fail(where + QStringLiteral("cannot write %1").arg(file));
        } else if (f.at(0) == QLatin1String("png") && f.size() == 4) {
            const QString source = manifest.dir().filePath(f.at(2));
            QSvgRenderer renderer(source);
            const QStringList wh = f.at(3).split(QLatin1Char('x'));
            const QSize size(wh.value(0).toInt(), wh.value(1).toInt());
            if (!renderer.isValid() || size.isEmpty())
                return fail(where + QStringLiteral("cannot render %1").arg(source));
            QImage image(size, QImage::Format_ARGB32_Premultiplied);
            image.fill(Qt::transparent);
            QPainter painter(&image);
            painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
            renderer.render(&painter);
            painter.end();
            QByteArray png;
            QBuffer buffer(&png);
            buffer.open(QIODevice::WriteOnly);
            if (!image.save(&buffer, "PNG") || !writeFile(file, png))
                return fail(where + QStringLiteral("cannot write %1").arg(file));
        } else {
            return fail(where + QStringLiteral("unknown entry"));
        }
        qrc += QStringLiteral("        <file alias=\"%1\">%2</file>\n")
                   .arg(name, QFileInfo(args.at(4)).dir().relativeFilePath(file));
    }
    qrc += QStringLiteral("    </qresource>\n</RCC>\n");
    if (!writeFile(args.at(4), qrc.toUtf8()))
        return fail(QStringLiteral("cannot write %1").arg(args.at(4)));
    return 0;
}
