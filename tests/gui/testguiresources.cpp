#include "app/guiresources.h"
#include "testenv.h"

#include <QFile>
#include <QFontDatabase>
#include <QTemporaryDir>
#include <QtTest>

class TestGuiResources : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void embeddedFilesReachable();

private:
    QTemporaryDir m_tempDir;
};

void TestGuiResources::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
    GuiResources::initialize(); // a second call must not register anything twice
}

void TestGuiResources::embeddedFilesReachable()
{
    // Resources of a static library vanish at link time unless they are initialised explicitly.
    QVERIFY(QFile::exists(QStringLiteral(":/Kestrix.svg")));
    if (!QFile::exists(
            QStringLiteral("/usr/share/fonts/truetype/font-awesome/fontawesome-webfont.ttf")))
        QSKIP("fonts-font-awesome is not installed, so no icon font was embedded");
    const int id =
        QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fontawesome-4.7.0.ttf"));
    QVERIFY(id >= 0);
    QVERIFY(QFontDatabase::applicationFontFamilies(id).contains(QStringLiteral("FontAwesome")));
}

QTEST_MAIN(TestGuiResources)
#include "testguiresources.moc"
