#include "app/guiresources.h"
#include "app/iconfont.h"
#include "testenv.h"

#include <QDirIterator>
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QtTest>

class TestPictures : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void loads_data();
    void loads();
    void iconFontPaintsInColour();

private:
    QTemporaryDir m_tempDir;
};

void TestPictures::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
}

void TestPictures::loads_data()
{
    QTest::addColumn<QString>("path");
    QSet<QString> paths;
    for (const char *name :
         {"ban", "circle-solid", "cog", "cogs", "eraser", "file-alt", "filter", "folder-open",
          "hand-rock", "info-circle", "minus-circle", "play", "plus", "searchengin", "stop",
          "times-circle-white", "times", "vector-square"})
        paths.insert(QStringLiteral(":/FontAwersome/%1.svg").arg(QLatin1String(name)));
    for (const char *picture : {":/Kestrix.png", "://img/Kestrix-min.png",
                                ":/img/BrandWall-min.png", ":/img/qt-logo-min.png"})
        paths.insert(QLatin1String(picture));
    // Whatever a form or the window code names must be there too, also a picture added later.
    const QRegularExpression named(QStringLiteral(":/+(?:FontAwersome|img)/[\\w.-]+\\.(?:svg|png)"
                                                  "|:/+Kestrix\\.png"));
    QDirIterator it(QStringLiteral(KESTRIX_SOURCE_DIR "/src/gui"),
                    {QStringLiteral("*.ui"), QStringLiteral("*.cpp")}, QDir::Files,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        QVERIFY(file.open(QIODevice::ReadOnly));
        auto matches = named.globalMatch(QString::fromUtf8(file.readAll()));
        while (matches.hasNext())
            paths.insert(matches.next().captured());
    }
    QStringList sorted = paths.values();
    sorted.sort();
    for (const QString &path : sorted)
        QTest::newRow(qPrintable(path)) << path;
}

void TestPictures::loads()
{
    QFETCH(QString, path);
    const QPixmap pixmap(path);
    QVERIFY2(!pixmap.isNull(), qPrintable(path));
    // A picture that loads but is blank would still leave an empty button.
    const QImage image = pixmap.toImage().convertToFormat(QImage::Format_ARGB32);
    bool painted = false;
    for (int y = 0; y < image.height() && !painted; ++y)
        for (int x = 0; x < image.width() && !painted; ++x)
            painted = qAlpha(image.pixel(x, y)) > 0;
    QVERIFY2(painted, qPrintable(path));
}

void TestPictures::iconFontPaintsInColour()
{
    QVERIFY(!IconFont::family().isEmpty());
    const QImage image = IconFont::pixmap(IconFont::Circle, QColor(Qt::red), 16).toImage();
    QCOMPARE(image.size(), QSize(16, 16));
    QCOMPARE(QColor(image.pixel(8, 8)), QColor(Qt::red)); // the middle of a filled circle
    QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
}

QTEST_MAIN(TestPictures)
#include "testpictures.moc"
