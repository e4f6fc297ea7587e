#include "app/guiresources.h"
#include "graph/filterpopup.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QSettings>
#include <QSignalSpy>
#include <QSlider>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestFilterPopUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void acceptSendsTheChoice();
    void secondShowCloses();

private:
    QTemporaryDir m_dir;
};

void TestFilterPopUp::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestFilterPopUp::acceptSendsTheChoice()
{
    QSettings settings;
    Keys::FiltersValue.write(settings, 45);
    Keys::FiltersValue2.write(settings, -60);
    FilterPopUp popUp;
    auto *gimbal = popUp.findChild<QSpinBox *>(QStringLiteral("spn_gimbal"));
    auto *gimbalSlider = popUp.findChild<QSlider *>(QStringLiteral("slider_gimbal"));
    auto *distance = popUp.findChild<QSpinBox *>(QStringLiteral("spn_distance"));
    auto *distanceSlider = popUp.findChild<QSlider *>(QStringLiteral("slider_distance"));
    QCOMPARE(gimbalSlider->value(), -60);
    QCOMPARE(distanceSlider->value(), 45);
    QCOMPARE(gimbal->minimum(), -90);
    QCOMPARE(gimbalSlider->maximum(), 30);
    QCOMPARE(distance->minimum(), 10);
    QCOMPARE(distanceSlider->maximum(), 90);

    gimbalSlider->setValue(-85);
    distance->setValue(95); // clipped to 90, on the slider too
    QCOMPARE(gimbal->value(), -85);
    QCOMPARE(distanceSlider->value(), 90);
    popUp.findChild<QCheckBox *>(QStringLiteral("chkb_gimbal"))->setChecked(true);
    popUp.findChild<QCheckBox *>(QStringLiteral("chkb_exposure"))->setChecked(true);
    QSignalSpy accepted(&popUp, &FilterPopUp::acceptedFilters);
    QSignalSpy reset(&popUp, &FilterPopUp::resetFilters);
    QSignalSpy quarantine(&popUp, &FilterPopUp::intoQuarantine);
    popUp.findChild<QAbstractButton *>(QStringLiteral("btn_accept"))->click();
    popUp.findChild<QAbstractButton *>(QStringLiteral("btn_reset"))->click();
    popUp.findChild<QAbstractButton *>(QStringLiteral("btn_toQuarantine"))->click();
    QCOMPARE(accepted.count(), 1);
    QCOMPARE(accepted.first(), (QVariantList{true, -85, false, 90, true}));
    QCOMPARE(reset.count(), 1);
    QCOMPARE(quarantine.count(), 1);
}

void TestFilterPopUp::secondShowCloses()
{
    FilterPopUp popUp;
    QSignalSpy hidden(&popUp, &PopUp::hided);
    popUp.show(QPoint(400, 300));
    QVERIFY(popUp.isVisible());
    // Stays until a button or a second click closes it.
    QTest::qWait(200);
    QVERIFY(popUp.isVisible());
    popUp.show(QPoint(400, 300));
    QTRY_COMPARE(hidden.count(), 1);
    QVERIFY(!popUp.isVisible());
}

QTEST_MAIN(TestFilterPopUp)
#include "testfilterpopup.moc"
