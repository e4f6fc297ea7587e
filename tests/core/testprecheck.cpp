#include "processing/precheck.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class TestPreCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void checks_data();
    void checks();
    void refusalOrder_data();
    void refusalOrder();
    void invalidVolumeKeepsPreviousFlags();
    void inspectsRealFolders();

private:
    QTemporaryDir m_dir;
};

void TestPreCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestPreCheck::checks_data()
{
    QTest::addColumn<QList<int>>("counts"); // photos, timemarks per block
    QTest::addColumn<qint64>("bytes");      // per block
    QTest::addColumn<qint64>("available");
    QTest::addColumn<bool>("dirEmpty");
    QTest::addColumn<bool>("autoDir");
    QTest::addColumn<bool>("countOk");
    QTest::addColumn<bool>("spaceOk");
    QTest::addColumn<bool>("dirOk");
    QTest::addColumn<bool>("filesOk");
    QTest::newRow("all fine") << QList<int>{3, 3, 2, 2} << qint64(100) << qint64(1000) << true
                              << false << true << true << true << true;
    QTest::newRow("9999 photos pass") << QList<int>{9999, 9999} << qint64(1) << qint64(10) << true
                                      << false << true << true << true << true;
    QTest::newRow("10000 photos fail")
        << QList<int>{5000, 5000, 5000, 5000} << qint64(1) << qint64(10) << true << false << true
        << true << true << false;
    QTest::newRow("equal bytes fail") << QList<int>{1, 1} << qint64(500) << qint64(500) << true
                                      << false << true << false << true << true;
    QTest::newRow("one byte less passes") << QList<int>{1, 1} << qint64(499) << qint64(500) << true
                                          << false << true << true << true << true;
    QTest::newRow("counts differ") << QList<int>{3, 3, 10, 9} << qint64(1) << qint64(100) << true
                                   << false << false << true << true << true;
    QTest::newRow("full folder") << QList<int>{1, 1} << qint64(1) << qint64(100) << false << false
                                 << true << true << false << true;
    QTest::newRow("full folder, subdirectory wanted")
        << QList<int>{1, 1} << qint64(1) << qint64(100) << false << true << true << true << true
        << true;
}

void TestPreCheck::checks()
{
    QFETCH(QList<int>, counts);
    QFETCH(qint64, bytes);
    QFETCH(qint64, available);
    QFETCH(bool, dirEmpty);
    QFETCH(bool, autoDir);
    QList<PreCheckBlock> blocks;
    for (int i = 0; i + 1 < counts.size(); i += 2)
        blocks << PreCheckBlock{counts[i], counts[i + 1], bytes};
    const PreCheckResult r =
        PreCheck::evaluate(blocks, PreCheckVolume{true, available, dirEmpty}, autoDir);
    QTEST(r.countOk, "countOk");
    QTEST(r.spaceOk, "spaceOk");
    QTEST(r.dirOk, "dirOk");
    QTEST(r.filesOk, "filesOk");
    QCOMPARE(r.filesStatus.isEmpty(), r.filesOk);
    if (!r.filesOk)
        QCOMPARE(r.filesStatus, QStringLiteral("You have selected more than 9999 files"));
    if (!r.spaceOk)
        QVERIFY(r.diskStatus.startsWith("The disk is not enough 0.00 MB of space"));
    if (!r.dirOk)
        QVERIFY(r.diskStatus.endsWith("\tSelected directory must be empty!"));
}

void TestPreCheck::refusalOrder_data()
{
    QTest::addColumn<bool>("dirOk");
    QTest::addColumn<bool>("spaceOk");
    QTest::addColumn<bool>("filesOk");
    QTest::addColumn<bool>("countOk");
    QTest::addColumn<QString>("message");
    QTest::newRow("none") << true << true << true << true << QString();
    QTest::newRow("count only") << true << true << true << false
                                << "Processing is not possible: Amount of photos and timemark "
                                   "rows are not match";
    QTest::newRow("all four") << false << false << false << false
                              << "Processing is not possible: Selected directory is not empty, "
                                 "Not enough free space, You have selected more than 9999 files, "
                                 "Amount of photos and timemark rows are not match";
    QTest::newRow("dir and space") << false << false << true << true
                                   << "Processing is not possible: Selected directory is not "
                                      "empty, Not enough free space";
}

void TestPreCheck::refusalOrder()
{
    PreCheckResult r;
    QFETCH(bool, dirOk);
    QFETCH(bool, spaceOk);
    QFETCH(bool, filesOk);
    QFETCH(bool, countOk);
    r.dirOk = dirOk;
    r.spaceOk = spaceOk;
    r.filesOk = filesOk;
    r.countOk = countOk;
    QTEST(PreCheck::refusal(r), "message");
}

void TestPreCheck::invalidVolumeKeepsPreviousFlags()
{
    PreCheckResult previous;
    previous.spaceOk = true;
    previous.dirOk = false;
    const PreCheckResult r = PreCheck::evaluate({{2, 2, 10}}, PreCheckVolume{}, false, previous);
    QVERIFY(r.spaceOk);
    QVERIFY(!r.dirOk);
    QVERIFY(r.freeSpace.contains("Hard disk error"));
    QVERIFY(r.freeSpace.startsWith("<html>"));
}

void TestPreCheck::inspectsRealFolders()
{
    const QString empty = m_dir.filePath("empty");
    QDir().mkpath(empty);
    PreCheckVolume v = PreCheck::inspect(empty);
    QVERIFY(v.valid);
    QVERIFY(v.dirEmpty);
    QVERIFY(v.availableBytes > 0);
    QFile hidden(empty + "/.hidden");
    QVERIFY(hidden.open(QIODevice::WriteOnly));
    hidden.close();
    QVERIFY(!PreCheck::inspect(empty).dirEmpty); // hidden entries count too
    QVERIFY(!PreCheck::inspect(m_dir.filePath("missing")).valid);
}

QTEST_GUILESS_MAIN(TestPreCheck)
#include "testprecheck.moc"
