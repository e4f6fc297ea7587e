#include "app/guiresources.h"
#include "graph/settingspopup.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsPopUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void acceptStoresCancelRestores_data();
    void acceptStoresCancelRestores();

private:
    QTemporaryDir m_dir;
};

void TestSettingsPopUp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestSettingsPopUp::acceptStoresCancelRestores_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("stored");
    QTest::addColumn<int>("shown");
    QTest::addColumn<int>("accepted");
    QTest::newRow("accept") << "btn_accept" << 11 << 11 << 1;
    QTest::newRow("cancel") << "btn_cancel" << 6 << 6 << 0;
}

void TestSettingsPopUp::acceptStoresCancelRestores()
{
    QFETCH(QString, button);
    QFETCH(int, stored);
    QFETCH(int, shown);
    QFETCH(int, accepted);
    QSettings settings;
    settings.clear();
    SettingsPopUp popUp;
    auto *samples = popUp.findChild<QSpinBox *>(QStringLiteral("spn_multisampling"));
    auto *slider = popUp.findChild<QSlider *>(QStringLiteral("slider_multisampling"));
    QCOMPARE(samples->value(), 6);
    QCOMPARE(slider->minimum(), 1);
    QCOMPARE(samples->maximum(), 16);
    slider->setValue(11);
    QCOMPARE(samples->value(), 11);

    QSignalSpy acceptedSpy(&popUp, &SettingsPopUp::accepted);
    popUp.findChild<QAbstractButton *>(button)->click();
    QCOMPARE(acceptedSpy.count(), accepted);
    QCOMPARE(Keys::GraphMultisampling.read(QSettings()), stored);
    QCOMPARE(samples->value(), shown);
    QCOMPARE(slider->value(), shown);
}

QTEST_MAIN(TestSettingsPopUp)
#include "testsettingspopup.moc"
