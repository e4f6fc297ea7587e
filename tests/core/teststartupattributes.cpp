#include "app/startupattributes.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

using AttributeList = QList<Qt::ApplicationAttribute>;
Q_DECLARE_METATYPE(AttributeList)

class TestStartupAttributes : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void fromSettings_data();
    void fromSettings();

private:
    QTemporaryDir m_tempDir;
};

void TestStartupAttributes::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestStartupAttributes::fromSettings_data()
{
    QTest::addColumn<QVariant>("openGl"); // invalid = never written
    QTest::addColumn<QVariant>("hiDpi");
    QTest::addColumn<AttributeList>("expected");
    const AttributeList hiDpi{Qt::AA_EnableHighDpiScaling, Qt::AA_UseHighDpiPixmaps};
    QTest::newRow("empty store") << QVariant() << QVariant()
                                 << (AttributeList{Qt::AA_UseDesktopOpenGL} + hiDpi);
    QTest::newRow("both off") << QVariant(false) << QVariant(false) << AttributeList();
    QTest::newRow("OpenGL only") << QVariant(true) << QVariant(false)
                                 << AttributeList{Qt::AA_UseDesktopOpenGL};
    QTest::newRow("high DPI only") << QVariant(false) << QVariant(true) << hiDpi;
}

void TestStartupAttributes::fromSettings()
{
    QFETCH(QVariant, openGl);
    QFETCH(QVariant, hiDpi);
    QFETCH(AttributeList, expected);
    QSettings settings;
    settings.clear();
    if (openGl.isValid())
        Keys::UseDesktopOpenGL.write(settings, openGl.toBool());
    if (hiDpi.isValid())
        Keys::UseHiDpiScale.write(settings, hiDpi.toBool());
    QCOMPARE(StartupAttributes::fromSettings(settings), expected);
}

QTEST_GUILESS_MAIN(TestStartupAttributes)
#include "teststartupattributes.moc"
