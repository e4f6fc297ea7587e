#include "app/logcategories.h"
#include "app/logger.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <memory>
#include <vector>

namespace {

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

QDateTime wholeSecondsNow()
{
    const QDateTime now = QDateTime::currentDateTime();
    return now.addMSecs(-now.time().msec());
}

} // namespace

class TestLogger : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void fileNameAndLineFormat();
    void policyOffCreatesEmptyFile();
    void policyIsReadForEveryMessage();
    void keepLastTenRemovesNamesSortingFirst();
    void ageLimits_data();
    void ageLimits();
    void foreignFilesSurviveEveryPolicy_data();
    void foreignFilesSurviveEveryPolicy();
    void linesFromThreadsDoNotInterleave();

private:
    void setPolicy(int policy);
    QString touch(const QString &name, const QDateTime &modified = QDateTime());
    QStringList logLines() const;

    QTemporaryDir m_tempDir;
    std::unique_ptr<QTemporaryDir> m_logDir;
    QtMessageHandler m_testHandler = nullptr;
};

void TestLogger::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestLogger::init()
{
    m_logDir = std::make_unique<QTemporaryDir>(m_tempDir.path() + QStringLiteral("/logs-XXXXXX"));
    QVERIFY(m_logDir->isValid());
    setPolicy(Logger::KeepAll);
    // The logger passes every message on to the handler it replaced; keep QtTest's output quiet.
    m_testHandler = qInstallMessageHandler(silent);
}

void TestLogger::cleanup()
{
    Logger::shutDown();
    qInstallMessageHandler(m_testHandler);
}

void TestLogger::setPolicy(int policy)
{
    QSettings settings;
    Keys::Logging.write(settings, policy);
}

QString TestLogger::touch(const QString &name, const QDateTime &modified)
{
    const QString path = QDir(m_logDir->path()).filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return QString();
    file.write("old run\n");
    file.flush(); // a later flush would stamp the file with the current time again
    if (modified.isValid())
        file.setFileTime(modified, QFileDevice::FileModificationTime);
    return path;
}

QStringList TestLogger::logLines() const
{
    QFile file(Logger::filePath());
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QString::fromUtf8(file.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

void TestLogger::fileNameAndLineFormat()
{
    const QDateTime start(QDate(2024, 5, 17), QTime(9, 3, 41));
    QCOMPARE(Logger::fileNameFor(start), QStringLiteral("logFile-2024-05-17T09.03.41.log"));
    QCOMPARE(Logger::formatLine(start, QtDebugMsg, "Info", QStringLiteral("Starting MainWindow")),
             QStringLiteral("2024-05-17T09:03:41DBG Info: Starting MainWindow"));
    QCOMPARE(Logger::formatLine(start, QtCriticalMsg, nullptr, QStringLiteral("x")),
             QStringLiteral("2024-05-17T09:03:41CRT default: x"));

    QVERIFY(Logger::setUp(m_logDir->path(), start));
    QCOMPARE(Logger::filePath(), QDir(m_logDir->path()).filePath(Logger::fileNameFor(start)));
    qCDebug(lcInfo) << "Starting MainWindow";
    qCDebug(lcWarning) << "cancel asked";
    qWarning("plain %d", 7);
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 3);
    const QRegularExpression stamp(QStringLiteral("^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d"));
    QVERIFY(stamp.match(lines[0]).hasMatch());
    QVERIFY(lines[0].endsWith(QLatin1String("DBG Info: Starting MainWindow")));
    QVERIFY(lines[1].endsWith(QLatin1String("DBG Warning: cancel asked")));
    QVERIFY(lines[2].endsWith(QLatin1String("WRN default: plain 7")));
}

void TestLogger::policyOffCreatesEmptyFile()
{
    setPolicy(Logger::Off);
    QVERIFY(Logger::setUp(m_logDir->path(), QDateTime::currentDateTime()));
    qCDebug(lcInfo) << "not written";
    QVERIFY(QFile::exists(Logger::filePath()));
    QCOMPARE(QFileInfo(Logger::filePath()).size(), 0);
}

void TestLogger::policyIsReadForEveryMessage()
{
    QVERIFY(Logger::setUp(m_logDir->path(), QDateTime::currentDateTime()));
    qCDebug(lcInfo) << "one";
    setPolicy(Logger::Off); // as the settings dialog stores it, without a restart
    qCDebug(lcInfo) << "two";
    setPolicy(Logger::KeepDay);
    qCDebug(lcInfo) << "three";
    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines[0].endsWith(QLatin1String("one")));
    QVERIFY(lines[1].endsWith(QLatin1String("three")));
}

void TestLogger::keepLastTenRemovesNamesSortingFirst()
{
    const QDateTime now = wholeSecondsNow();
    QStringList old;
    for (int day = 1; day <= 11; ++day)
        old << touch(Logger::fileNameFor(QDateTime(QDate(2024, 1, day), QTime(8, 0))), now);
    setPolicy(Logger::KeepLastTen);
    QVERIFY(Logger::setUp(m_logDir->path(), now)); // the running file makes twelve
    Logger::removeOldLogs(now);

    QVERIFY(!QFile::exists(old[0]));
    QVERIFY(!QFile::exists(old[1]));
    for (int i = 2; i < old.size(); ++i)
        QVERIFY2(QFile::exists(old[i]), qPrintable(old[i]));
    QVERIFY(QFile::exists(Logger::filePath()));

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines[0].endsWith(QStringLiteral("DBG default: Удаляем логи")));
    QVERIFY(lines[1].endsWith(QLatin1String("DBG default: delType: 5")));
    QVERIFY(lines[2].endsWith(QLatin1String("Deliting: ") + QFileInfo(old[0]).fileName()));
    QVERIFY(lines[3].endsWith(QLatin1String("Deliting: ") + QFileInfo(old[1]).fileName()));
}

void TestLogger::ageLimits_data()
{
    QTest::addColumn<int>("policy");
    QTest::addColumn<qint64>("ageSeconds");
    QTest::addColumn<bool>("removed");
    QTest::newRow("day, exactly one day") << int(Logger::KeepDay) << qint64(86400) << false;
    QTest::newRow("day, one second more") << int(Logger::KeepDay) << qint64(86401) << true;
    QTest::newRow("week, exactly a week") << int(Logger::KeepWeek) << qint64(604800) << false;
    QTest::newRow("week, one second more") << int(Logger::KeepWeek) << qint64(604801) << true;
    QTest::newRow("month, exactly 30 days") << int(Logger::KeepMonth) << qint64(2592000) << false;
    QTest::newRow("month, one second more") << int(Logger::KeepMonth) << qint64(2592001) << true;
    QTest::newRow("keep all, a year") << int(Logger::KeepAll) << qint64(31536000) << false;
}

void TestLogger::ageLimits()
{
    QFETCH(int, policy);
    QFETCH(qint64, ageSeconds);
    QFETCH(bool, removed);
    const QDateTime now = wholeSecondsNow();
    const QString file =
        touch(QStringLiteral("logFile-2020-01-01T00.00.00.log"), now.addSecs(-ageSeconds));
    setPolicy(policy);
    QVERIFY(Logger::setUp(m_logDir->path(), now));
    Logger::removeOldLogs(now);
    QCOMPARE(!QFile::exists(file), removed);
    QVERIFY(QFile::exists(Logger::filePath()));
}

void TestLogger::foreignFilesSurviveEveryPolicy_data()
{
    QTest::addColumn<int>("policy");
    for (int policy = Logger::KeepMonth; policy <= Logger::KeepLastTen; ++policy)
        QTest::newRow(qPrintable(QString::number(policy))) << policy;
}

void TestLogger::foreignFilesSurviveEveryPolicy()
{
    QFETCH(int, policy);
    const QDateTime now = wholeSecondsNow();
    const QDateTime ancient = now.addSecs(-10 * 2592000);
    const QStringList foreign{touch(QStringLiteral("other.log"), ancient),
                              touch(QStringLiteral("LOGFILE-2001-01-01T00.00.00.log"), ancient),
                              touch(QStringLiteral("logFile-notes.txt"), ancient)};
    for (int i = 0; i < 12; ++i)
        touch(QStringLiteral("logFile-2001-01-%1T00.00.00.log").arg(i + 1, 2, 10, QChar('0')),
              ancient);
    setPolicy(policy);
    QVERIFY(Logger::setUp(m_logDir->path(), now));
    Logger::removeOldLogs(now);
    for (const QString &file : foreign)
        QVERIFY2(QFile::exists(file), qPrintable(file));
    const QStringList ours =
        QDir(m_logDir->path())
            .entryList({QStringLiteral("logFile-*.log")}, QDir::Files | QDir::CaseSensitive);
    QVERIFY(ours.contains(QFileInfo(Logger::filePath()).fileName()));
    QCOMPARE(ours.size(), policy == Logger::KeepLastTen ? 10 : 1);
}

void TestLogger::linesFromThreadsDoNotInterleave()
{
    QVERIFY(Logger::setUp(m_logDir->path(), QDateTime::currentDateTime()));
    constexpr int threadCount = 4;
    constexpr int perThread = 300;
    std::vector<std::unique_ptr<QThread>> threads;
    for (int t = 0; t < threadCount; ++t) {
        threads.emplace_back(QThread::create([t] {
            const QString payload(300, QLatin1Char('x')); // own copy: nothing shared but the log
            for (int i = 0; i < perThread; ++i)
                qCDebug(lcCritical).noquote() << QStringLiteral("T%1 %2 ").arg(t).arg(i) + payload;
        }));
    }
    for (auto &thread : threads)
        thread->start();
    for (auto &thread : threads)
        QVERIFY(thread->wait(30000));

    const QStringList lines = logLines();
    QCOMPARE(lines.size(), threadCount * perThread);
    const QRegularExpression whole(QStringLiteral(
        "^\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\dDBG Critical: T(\\d) (\\d+) x{300}$"));
    QVector<int> next(threadCount, 0);
    for (const QString &line : lines) {
        const QRegularExpressionMatch m = whole.match(line);
        QVERIFY2(m.hasMatch(), qPrintable(line.left(120)));
        const int t = m.captured(1).toInt();
        QCOMPARE(m.captured(2).toInt(), next[t]++); // each thread's lines in its own order
    }
}

QTEST_GUILESS_MAIN(TestLogger)
#include "testlogger.moc"
