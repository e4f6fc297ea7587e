#include "testenv.h"

#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestCliVersion : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void options_data();
    void options();

private:
    QTemporaryDir m_tempDir;
};

void TestCliVersion::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestCliVersion::options_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("exitCode");
    QTest::addColumn<QString>("output"); // start of standard output
    QTest::newRow("version") << QStringList{"--version"} << 0 << "Kestrix 1.8.9\n";
    QTest::newRow("help") << QStringList{"--help"} << 0 << "Usage: ";
    QTest::newRow("nothing asked") << QStringList() << 1 << "Usage: ";
}

void TestCliVersion::options()
{
    QFETCH(QStringList, arguments);
    QFETCH(int, exitCode);
    QFETCH(QString, output);
    QProcess cli;
    cli.start(TestEnv::cliPath(), arguments);
    QVERIFY(cli.waitForFinished(30000));
    QCOMPARE(cli.exitStatus(), QProcess::NormalExit);
    QCOMPARE(cli.exitCode(), exitCode);
    const QString out = QString::fromUtf8(cli.readAllStandardOutput());
    QVERIFY2(out.startsWith(output), qPrintable(out));
}

QTEST_GUILESS_MAIN(TestCliVersion)
#include "testcliversion.moc"
