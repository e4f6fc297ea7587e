#include "app/guiresources.h"
#include "app/popup.h"
#include "testenv.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

class TestPopUp : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void placement_data();
    void placement();
    void fadesOutAfterDisplayTime();
    void hoverInterruptsFadeOut();
    void toggleMode();

private:
    QTemporaryDir m_tempDir;
};

void TestPopUp::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
    TestEnv::muteOffscreenFades();
}

void TestPopUp::placement_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("posFromLeft");
    QTest::addColumn<bool>("upToStandart");
    QTest::addColumn<QPoint>("corner"); // null: none set
    // Expected top-left: pos + width factor * w + height factor * h + offset.
    QTest::addColumn<QPoint>("sizeFactors");
    QTest::addColumn<QPoint>("offset");
    const QRect area = QGuiApplication::primaryScreen()->availableGeometry();
    const QPoint areaCorner = area.topLeft() + QPoint(area.width(), area.height());
    QTest::newRow("screen corner")
        << QPoint() << true << false << QPoint() << QPoint(-1, -1) << areaCorner - QPoint(36, 36);
    QTest::newRow("reference corner")
        << QPoint() << true << false << QPoint(900, 700) << QPoint(-1, -1) << QPoint(864, 664);
    QTest::newRow("left of a button")
        << QPoint(500, 400) << true << false << QPoint() << QPoint(-1, 0) << QPoint(485, 385);
    QTest::newRow("above a bubble")
        << QPoint(500, 400) << true << true << QPoint() << QPoint(0, -1) << QPoint(500, 390);
    QTest::newRow("at the point") << QPoint(500, 400) << false << false << QPoint() << QPoint(0, 0)
                                  << QPoint(500, 400);
}

void TestPopUp::placement()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, posFromLeft);
    QFETCH(bool, upToStandart);
    QFETCH(QPoint, corner);
    QFETCH(QPoint, sizeFactors);
    QFETCH(QPoint, offset);
    PopUp bubble(QStringLiteral("Added 20 photos, 0.95 Mb"));
    if (!corner.isNull())
        bubble.setReferenceCorner(corner);
    bubble.show(pos, posFromLeft, upToStandart);
    const QRect g = bubble.geometry();
    QCOMPARE(g.topLeft(),
             offset + QPoint(sizeFactors.x() * g.width(), sizeFactors.y() * g.height()));
    QVERIFY(bubble.isVisible());
    QTRY_COMPARE(bubble.popupOpacity(), 1.0f);
    // Its owner moved by (20, -10): so does the bubble.
    bubble.movePop(pos + QPoint(20, -10));
    QCOMPARE(bubble.geometry().topLeft(), g.topLeft() + QPoint(20, -10));
}

void TestPopUp::fadesOutAfterDisplayTime()
{
    PopUp bubble(QStringLiteral("message"));
    bubble.setDisplayTime(1);
    QSignalSpy hided(&bubble, &PopUp::hided);
    bubble.show();
    QTRY_COMPARE_WITH_TIMEOUT(hided.count(), 1, 4000);
    QVERIFY(!bubble.isVisible());
    QCOMPARE(bubble.popupOpacity(), 0.0f);
}

void TestPopUp::hoverInterruptsFadeOut()
{
    PopUp bubble(QStringLiteral("message"));
    bubble.setDisplayTime(8);
    QSignalSpy hided(&bubble, &PopUp::hided);
    bubble.show();
    QTRY_COMPARE(bubble.popupOpacity(), 1.0f);
    bubble.hideAnimation();
    QTRY_VERIFY(bubble.popupOpacity() < 0.8f);

    QEvent enter(QEvent::Enter);
    QCoreApplication::sendEvent(&bubble, &enter);
    QTRY_COMPARE(bubble.popupOpacity(), 1.0f);
    auto *timer = bubble.findChild<QTimer *>(QStringLiteral("hideTimer"));
    QVERIFY(!timer->isActive()); // stays while the pointer is over it
    QTest::qWait(200);
    QCOMPARE(hided.count(), 0);
    QVERIFY(bubble.isVisible());

    QEvent leave(QEvent::Leave);
    QCoreApplication::sendEvent(&bubble, &leave);
    QVERIFY(timer->isActive());
    QVERIFY(timer->remainingTime() > 7500); // the whole wait again
}

void TestPopUp::toggleMode()
{
    PopUp bubble(QStringLiteral("options"));
    bubble.setDisplayTime(0);
    bubble.setToggleMode(true);
    QSignalSpy hided(&bubble, &PopUp::hided);
    bubble.show(QPoint(500, 400));
    QTRY_COMPARE(bubble.popupOpacity(), 1.0f);
    QVERIFY(!bubble.findChild<QTimer *>(QStringLiteral("hideTimer"))->isActive());
    bubble.show(QPoint(500, 400)); // the second click on its button closes it
    QTRY_COMPARE_WITH_TIMEOUT(hided.count(), 1, 3000);
    QVERIFY(!bubble.isVisible());
    bubble.show(QPoint(500, 400)); // and the next opens it again
    QVERIFY(bubble.isVisible());
}

QTEST_MAIN(TestPopUp)
#include "testpopup.moc"
