#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "testenv.h"

#include <QDir>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsStore : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void emptyStoreGivesDefaults_data();
    void emptyStoreGivesDefaults();
    void roundTrip();
    void lastDirFallbacks();
    void resetWritesDefaults();

private:
    QTemporaryDir m_dir;
};

void TestSettingsStore::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestSettingsStore::init()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}

void TestSettingsStore::emptyStoreGivesDefaults_data()
{
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QVariant>("expected");
    QSettings s;
    using namespace Keys;
    auto row = [](const char *tag, const QString &key, const QVariant &value, const QVariant &exp) {
        QTest::newRow(tag) << key << value << exp;
    };
    row("useDesktopOpenGL", UseDesktopOpenGL.name(), UseDesktopOpenGL.read(s), true);
    row("useHiDpiScale", UseHiDpiScale.name(), UseHiDpiScale.read(s), true);
    row("translation", Translation.name(), Translation.read(s), QString());
    row("logging", Logging.name(), Logging.read(s), 1);
    row("offsetX", OffsetX.name(), OffsetX.read(s), 30);
    row("offsetY", OffsetY.name(), OffsetY.read(s), 0);
    row("offsetZ", OffsetZ.name(), OffsetZ.read(s), -169);
    row("leverArmDesign", LeverArmDesign.name(), LeverArmDesign.read(s), false);
    row("secundsToSlice", SecondsToSlice.name(), SecondsToSlice.read(s), 60);
    row("photoPrefix", PhotoPrefix.name(), PhotoPrefix.read(s), QStringLiteral("KES"));
    row("output/dir", OutputDir.name(), OutputDir.read(s), QDir::homePath());
    row("savedir", OutputSaveDir.name(), OutputSaveDir.read(s), true);
    row("autoCreate", OutputAutoCreate.name(), OutputAutoCreate.read(s), true);
    row("openDir", OutputOpenDir.name(), OutputOpenDir.read(s), true);
    row("clearFly", OutputClearFly.name(), OutputClearFly.read(s), false);
    row("splitFoldersBlock", OutputSplitFoldersBlock.name(), OutputSplitFoldersBlock.read(s),
        false);
    row("autoOutAsInp", OutputAutoOutAsInp.name(), OutputAutoOutAsInp.read(s), true);
    row("pix4dLabel", OutputPix4dLabel.name(), OutputPix4dLabel.read(s), false);
    row("separator", MetaSeparator.name(), MetaSeparator.read(s), 0);
    row("outSeparator", MetaOutSeparator.name(), MetaOutSeparator.read(s), 2);
    row("posx", MetaPosX.name(), MetaPosX.read(s), 3);
    row("posy", MetaPosY.name(), MetaPosY.read(s), 4);
    row("posz", MetaPosZ.name(), MetaPosZ.read(s), 5);
    row("posfirst", MetaPosFirst.name(), MetaPosFirst.read(s), 2);
    row("posdate", MetaPosDate.name(), MetaPosDate.read(s), 1);
    row("possx", MetaPosSx.name(), MetaPosSx.read(s), 0);
    row("autosave", MetaAutosave.name(), MetaAutosave.read(s), true);
    row("onadd", MetaOnAdd.name(), MetaOnAdd.read(s), 0);
    row("numberformat", MetaNumberFormat.name(), MetaNumberFormat.read(s), 0);
    row("precission", MetaPrecision.name(), MetaPrecision.read(s), 3);
    row("header/5", metaHeader(5).name(), metaHeader(5).read(s), 5);
    row("header/5/enabled", metaHeaderEnabled(5).name(), metaHeaderEnabled(5).read(s), true);
    row("coordinate/type", CoordinateType.name(), CoordinateType.read(s), 0);
    row("coordinate/utmZone", CoordinateUtmZone.name(), CoordinateUtmZone.read(s), 0);
    row("filters/value", FiltersValue.name(), FiltersValue.read(s), 30);
    row("filters/value2", FiltersValue2.name(), FiltersValue2.read(s), -90);
    row("multisampling", GraphMultisampling.name(), GraphMultisampling.read(s), 6);
    row("legendPos", FlyviewLegendPos.name(), FlyviewLegendPos.read(s), 34);
    row("chart colour", ChartColorChart.name(), ChartColorChart.read(s),
        QVariantList{0x20, 0x9f, 0xdf, 255});
    row("selected colour", ChartColorSelected.name(), ChartColorSelected.read(s),
        QVariantList{255, 0, 0, 255});
    row("outputPreview", FlyOutputPreview.name(), FlyOutputPreview.read(s), false);
    row("window/state", WindowState.name(), WindowState.read(s), 0);
    row("window/geometry", WindowGeometry.name(), WindowGeometry.read(s), QRect(0, 0, 1200, 700));
}

void TestSettingsStore::emptyStoreGivesDefaults()
{
    QFETCH(QString, key);
    QFETCH(QVariant, value);
    QFETCH(QVariant, expected);
    QVERIFY(!key.isEmpty());
    QCOMPARE(value, expected);
}

void TestSettingsStore::roundTrip()
{
    {
        QSettings s;
        Keys::OffsetZ.write(s, -200);
        Keys::PhotoPrefix.write(s, QStringLiteral("AB"));
        Keys::WindowGeometry.write(s, QRect(5, 6, 700, 500));
        Keys::metaHeaderEnabled(3).write(s, false);
        s.sync();
    }
    QSettings s;
    QCOMPARE(Keys::OffsetZ.read(s), -200);
    QCOMPARE(Keys::PhotoPrefix.read(s), QStringLiteral("AB"));
    QCOMPARE(Keys::WindowGeometry.read(s), QRect(5, 6, 700, 500));
    QCOMPARE(Keys::metaHeaderEnabled(3).read(s), false);
}

void TestSettingsStore::lastDirFallbacks()
{
    QSettings s;
    QCOMPARE(SettingsStore::lastDir(s), QDir::homePath());
    const QString out = m_dir.path() + "/out";
    QVERIFY(QDir().mkpath(out));
    Keys::OutputDir.write(s, out);
    QCOMPARE(SettingsStore::lastDir(s), out); // never written: follows output/dir
    const QString last = m_dir.path() + "/last";
    QVERIFY(QDir().mkpath(last));
    Keys::LastDir.write(s, last);
    QCOMPARE(SettingsStore::lastDir(s), last);
    QVERIFY(QDir(last).removeRecursively());
    QCOMPARE(SettingsStore::lastDir(s), QDir::homePath()); // deleted folder
}

void TestSettingsStore::resetWritesDefaults()
{
    QSettings s;
    Keys::OffsetX.write(s, 99);
    Keys::LeverArmDesign.write(s, true);
    Keys::metaHeader(0).write(s, 4);
    Keys::PhotoPrefix.write(s, QStringLiteral("KEEP"));
    Keys::FiltersValue2.write(s, -45);
    SettingsStore::resetToDefaults(s);
    QCOMPARE(Keys::OffsetX.read(s), 30);
    QCOMPARE(Keys::LeverArmDesign.read(s), false);
    QCOMPARE(Keys::metaHeader(0).read(s), 0);
    QCOMPARE(Keys::Translation.read(s), QStringLiteral("sys"));
    // left alone by the reset
    QCOMPARE(Keys::PhotoPrefix.read(s), QStringLiteral("KEEP"));
    QCOMPARE(Keys::FiltersValue2.read(s), -45);
}

QTEST_GUILESS_MAIN(TestSettingsStore)
#include "testsettingsstore.moc"
