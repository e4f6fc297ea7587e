// Paints the folder icons of the timemark import dialog's shortcut buttons from the Font
// Awesome 4.7 font: a folder with the mark of what it holds. The files are ICO containers
// because the dialog loads them under .ico names, and Qt picks the ICO decoder by that suffix
// whatever the content is. Run it after changing a picture and commit what it writes:
//   cmake --build build --target kestrix-paint-folder-icons
//   build/bin/kestrix-paint-folder-icons resources/img
#include <QColor>
#include <QFont>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QTextStream>

namespace {

struct FolderIcon
{
    const char *file;
    ushort glyph; // Font Awesome 4.7 code point of the mark
};

const FolderIcon icons[] = {
    {"imageres_123.ico", 0xf007}, // user
    {"imageres_115.ico", 0xf005}, // star: favorites
    {"imageres_112.ico", 0xf15c}, // file-text: documents
    {"imageres_113.ico", 0xf03e}, // picture: images
    {"imageres_184.ico", 0xf019}, // download
    {"imageres_183.ico", 0xf108}, // desktop
};

constexpr int Size = 64;

void drawGlyph(QPainter &painter, const QString &family, ushort glyph, const QRectF &box,
               const QColor &colour)
{
    QFont font(family);
    font.setPixelSize(int(box.height()));
    painter.setFont(font);
    painter.setPen(colour);
    painter.drawText(box, Qt::AlignCenter, QString(QChar(glyph)));
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream err(stderr);
    const QStringList args = app.arguments();
    const QString outDir = args.value(1);
    const QString fontPath = args.value(
        2, QStringLiteral("/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf"));
    if (outDir.isEmpty()) {
        err << "usage: kestrix-paint-folder-icons OUT_DIR [FONT_FILE]\n";
        return 2;
    }
    const int id = QFontDatabase::addApplicationFont(fontPath);
    if (id < 0) {
        err << "cannot load " << fontPath << "\n";
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(id).value(0);
    for (const FolderIcon &icon : icons) {
        QImage image(Size, Size, QImage::Format_ARGB32);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.setRenderHint(QPainter::TextAntialiasing);
        // The folder (fa-folder) fills the icon; its mark sits on the folder's front.
        drawGlyph(painter, family, 0xf07b, QRectF(0, 2, Size, Size - 4), QColor(0xe8, 0xb6, 0x4c));
        drawGlyph(painter, family, icon.glyph,
                  QRectF(Size * 0.28, Size * 0.36, Size * 0.44, Size * 0.44),
                  QColor(0x2f, 0x5f, 0x8f));
        painter.end();
        const QString path = outDir + QLatin1Char('/') + QLatin1String(icon.file);
        QImageWriter writer(path, "ico");
        if (!writer.write(image)) {
            err << "cannot write " << path << ": " << writer.errorString() << "\n";
            return 1;
        }
    }
    return 0;
}
