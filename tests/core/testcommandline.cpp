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
    QTest::newRow("none") << QStringList{"kestrix"} << 0 << false;
    QTest::newRow("lower case") << QStringList{"kestrix", "-nocheck"} << 1 << false;
    QTest::newRow("capitals") << QStringList{"kestrix", "-NOCHECK"} << 1 << false;
    QTest::newRow("twice") << QStringList{"kestrix", "-nocheck", "-NoCheck"} << 2 << false;
    QTest::newRow("program name counts") << QStringList{"-nocheck"} << 1 << false;
    QTest::newRow("fulldel") << QStringList{"kestrix", "-FullDel"} << 1 << true;
    QTest::newRow("both") << QStringList{"kestrix", "-fulldel", "-nocheck"} << 2 << true;
    QTest::newRow("near misses ignored")
        << QStringList{"kestrix", "--nocheck", "-nocheckx", "nocheck", "-fulldel=1", "x.jpg"} << 0
        << false;
}

void TestCommandLine::switches()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, noCheckCount);
    QFETCH(bool, blocksNoCheck);
    const CommandLine line(arguments);
    QCOMPARE(line.noCheckCount(), noCheckCount);
    QCOMPARE(line.noCheck(), noCheckCount > 0);
    QCOMPARE(line.blocksNoCheck(), blocksNoCheck);
}

QTEST_GUILESS_MAIN(TestCommandLine)
#include "testcommandline.moc"
