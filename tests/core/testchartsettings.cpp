#include "settings/chartsettings.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestChartSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void colorFromList_data();
    void colorFromList();
    void storedColors();

private:
    QTemporaryDir m_dir;
};

void TestChartSettings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestChartSettings::colorFromList_data()
{
    QTest::addColumn<QVariant>("stored");
    QTest::addColumn<QColor>("color"); // invalid: refused
    QTest::newRow("four") << QVariant(QVariantList{32, 159, 223, 128}) << QColor(32, 159, 223, 128);
    QTest::newRow("three is opaque")
        << QVariant(QVariantList{104, 104, 106}) << QColor(104, 104, 106, 255);
    QTest::newRow("as an INI file reads it")
        << QVariant(QStringList{"255", "0", "0", "255"}) << QColor(255, 0, 0);
    QTest::newRow("two") << QVariant(QVariantList{1, 2}) << QColor();
    QTest::newRow("five") << QVariant(QVariantList{1, 2, 3, 4, 5}) << QColor();
    QTest::newRow("over 255") << QVariant(QVariantList{256, 0, 0}) << QColor();
    QTest::newRow("negative") << QVariant(QVariantList{0, -1, 0}) << QColor();
    QTest::newRow("not a number") << QVariant(QStringList{"red", "0", "0"}) << QColor();
    QTest::newRow("a name") << QVariant(QStringLiteral("#209fdf")) << QColor();
}

void TestChartSettings::colorFromList()
{
    QFETCH(QVariant, stored);
    QFETCH(QColor, color);
    QCOMPARE(ChartSettings::colorFromList(stored), color);
}

void TestChartSettings::storedColors()
{
    const QString path = m_dir.filePath(QStringLiteral("chart.ini"));
    {
        QSettings settings(path, QSettings::IniFormat);
        QCOMPARE(ChartSettings::color(settings, ChartSettings::Chart), QColor(0x20, 0x9f, 0xdf));
        QCOMPARE(ChartSettings::color(settings, ChartSettings::Quarantine),
                 QColor(0x68, 0x68, 0x6a));
        QCOMPARE(ChartSettings::color(settings, ChartSettings::Selected), QColor(Qt::red));
        ChartSettings::setColor(settings, ChartSettings::Quarantine, QColor(1, 2, 3, 4));
        ChartSettings::setSize(settings, ChartSettings::Selected, 5);
        settings.setValue(Keys::ChartColorChart.name(), QVariantList{1, 2});
    }
    QSettings settings(path, QSettings::IniFormat);
    QCOMPARE(ChartSettings::color(settings, ChartSettings::Quarantine), QColor(1, 2, 3, 4));
    QCOMPARE(ChartSettings::size(settings, ChartSettings::Selected), 5);
    // A list that is no colour falls back to the default instead of black.
    QCOMPARE(ChartSettings::color(settings, ChartSettings::Chart), QColor(0x20, 0x9f, 0xdf));

    ChartSettings::resetToDefaults(settings);
    for (const QString &curve : ChartSettings::curveNames()) {
        QCOMPARE(ChartSettings::size(settings, curve), 2);
        QCOMPARE(ChartSettings::color(settings, curve), ChartSettings::defaultColor(curve));
    }
    QCOMPARE(settings.value(Keys::ChartColorSelected.name()).toList().size(), 4);
}

QTEST_GUILESS_MAIN(TestChartSettings)
#include "testchartsettings.moc"
