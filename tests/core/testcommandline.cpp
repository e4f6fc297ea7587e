#include "app/commandline.h"
#include "testenv.h"

#include <QTemporaryDir>
#include <QtTest>

class TestCommandLine : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void switches_data();
    void switches();

private:
    QTemporaryDir m_tempDir;
};

void TestCommandLine::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestCommandLine::switches_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("noCheckCount");
    QTest::addColumn<bool>("blocksNoCheck");
    QTest::addColumn<bool>("demo");
    QTest::newRow("none") << QStringList{"kestrix"} << 0 << false << false;
    QTest::newRow("lower case") << QStringList{"kestrix", "-nocheck"} << 1 << false << false;
    QTest::newRow("capitals") << QStringList{"kestrix", "-NOCHECK"} << 1 << false << false;
    QTest::newRow("twice") << QStringList{"kestrix", "-nocheck", "-NoCheck"} << 2 << false << false;
    QTest::newRow("program name counts") << QStringList{"-nocheck"} << 1 << false << false;
    QTest::newRow("fulldel") << QStringList{"kestrix", "-FullDel"} << 1 << true << false;
    QTest::newRow("both") << QStringList{"kestrix", "-fulldel", "-nocheck"} << 2 << true << false;
    QTest::newRow("near misses ignored")
        << QStringList{"kestrix", "--nocheck", "-nocheckx", "nocheck", "-fulldel=1", "x.jpg"} << 0
        << false << false;
    QTest::newRow("demo") << QStringList{"kestrix", "--Demo", "-nocheck"} << 1 << false << true;
}

void TestCommandLine::switches()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, noCheckCount);
    QFETCH(bool, blocksNoCheck);
    QFETCH(bool, demo);
    const CommandLine line(arguments);
    QCOMPARE(line.noCheckCount(), noCheckCount);
    QCOMPARE(line.noCheck(), noCheckCount > 0);
    QCOMPARE(line.blocksNoCheck(), blocksNoCheck);
    QCOMPARE(line.demo(), demo);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "testcommandline.moc"
