#include "app/guiresources.h"
#include "app/notyficator.h"
#include "app/popup.h"
#include "testenv.h"

#include <QPointer>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

class TestNotyficator : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void stacksUpwardsAndForgetsFadedBubbles();

private:
    QTemporaryDir m_tempDir;
};

void TestNotyficator::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
    TestEnv::muteOffscreenFades();
}

void TestNotyficator::stacksUpwardsAndForgetsFadedBubbles()
{
    Notyficator notifier;
    notifier.setAnchor(QPoint(1000, 800));
    for (const char *text : {"Block #1: added 20 photos", "second", "third message"})
        notifier.notify(QString::fromLatin1(text));
    const QList<PopUp *> bubbles = notifier.bubbles();
    QCOMPARE(bubbles.size(), 3);
    QCOMPARE(bubbles[0]->displayTimeMs(), 8000);
    const QRect first = bubbles[0]->geometry();
    QCOMPARE(first.bottomRight() + QPoint(1, 1), QPoint(1000 - 36, 800 - 36));
    for (int i = 1; i < 3; ++i) {
        const QRect below = bubbles[i - 1]->geometry();
        const QRect g = bubbles[i]->geometry();
        QCOMPARE(g.left(), below.left());
        QCOMPARE(g.bottom() + 1 + 10, below.top());
    }

    // Closing the middle one leaves its place empty.
    QPointer<PopUp> middle = bubbles[1];
    const QRect third = bubbles[2]->geometry();
    middle->findChild<QToolButton *>()->click();
    QTRY_VERIFY_WITH_TIMEOUT(middle.isNull(), 3000);
    QCOMPARE(notifier.bubbles(), (QList<PopUp *>{bubbles[0], bubbles[2]}));
    QCOMPARE(bubbles[0]->geometry(), first);
    QCOMPARE(bubbles[2]->geometry(), third);

    notifier.notify(QStringLiteral("fourth")); // goes on the newest, not into the gap
    QCOMPARE(notifier.bubbles().last()->geometry().bottom() + 1 + 10, third.top());
}

QTEST_MAIN(TestNotyficator)
#include "testnotyficator.moc"
