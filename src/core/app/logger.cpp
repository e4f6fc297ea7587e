#include "app/logger.h"

#include "settings/settingskeys.h"

#include <QDateTime>
#include <QDebug>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QStandardPaths>

#include <mutex>

namespace {

struct LogState
{
    // Guards every member and serialises the line writes. A standard mutex rather than a Qt one:
    // the thread sanitizer sees its locking; Qt's happens inside Qt, where it sees nothing.
    std::mutex mutex;
    QFile file;
    QString directory;
    QtMessageHandler previous = nullptr;
    bool installed = false;
    bool echo = true; // pass messages on to the standard output routine
};

// Never destroyed: messages can still arrive from static destructors after main() returns.
LogState &state()
{
    static LogState *s = new LogState;
    return *s;
}

// A message raised while the handler itself reads the settings or writes must not re-enter it.
thread_local bool t_inHandler = false;

const char *typeTag(QtMsgType type)
{
    switch (type) {
    case QtDebugMsg:
        return "DBG ";
    case QtWarningMsg:
        return "WRN ";
    case QtCriticalMsg:
        return "CRT ";
    case QtFatalMsg:
        return "FTL ";
    case QtInfoMsg:
        return "INF ";
    }
    return "DBG ";
}

int currentPolicy()
{
    // Opening the store per message is what makes a changed policy apply at once; QSettings
    // shares one parsed copy of the file per process, so this is a lookup plus a stat().
    const QSettings settings;
    return Keys::Logging.read(settings);
}

void messageHandler(QtMsgType type, const QMessageLogContext &context, const QString &message)
{
    LogState &s = state();
    QtMessageHandler previous;
    {
        std::lock_guard lock(s.mutex);
        previous = s.echo || type == QtFatalMsg ? s.previous : nullptr;
    }
    if (previous)
        previous(type, context, message);
    if (t_inHandler)
        return;
    t_inHandler = true;
    if (currentPolicy() > Logger::Off) {
        const QByteArray line =
            (Logger::formatLine(QDateTime::currentDateTime(), type, context.category, message) +
             QLatin1Char('\n'))
                .toUtf8();
        std::lock_guard lock(s.mutex);
        if (s.file.isOpen()) {
            s.file.write(line);
            s.file.flush();
        }
    }
    t_inHandler = false;
}

} // namespace

void Logger::setEchoToStandardError(bool echo)
{
    std::lock_guard lock(state().mutex);
    state().echo = echo;
}

QString Logger::defaultDirectory()
{
    return QStandardPaths::writableLocation(QStandardPaths::AppLocalDataLocation) +
           QStringLiteral("/logs");
}

QString Logger::fileNameFor(const QDateTime &start)
{
    QString stamp = start.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss"));
    stamp.replace(QLatin1Char(' '), QLatin1Char('_')).replace(QLatin1Char(':'), QLatin1Char('.'));
    return QStringLiteral("logFile-") + stamp + QStringLiteral(".log");
}

QString Logger::formatLine(const QDateTime &time, QtMsgType type, const char *category,
                           const QString &message)
{
    return time.toString(QStringLiteral("yyyy-MM-dd'T'HH:mm:ss")) + QLatin1String(typeTag(type)) +
           QLatin1String(category ? category : "default") + QStringLiteral(": ") + message;
}

bool Logger::setUp()
{
    return setUp(defaultDirectory(), QDateTime::currentDateTime());
}

bool Logger::setUp(const QString &directory, const QDateTime &start)
{
    QDir().mkpath(directory);
    LogState &s = state();
    std::lock_guard lock(s.mutex);
    if (s.file.isOpen())
        s.file.close();
    s.directory = QDir(directory).absolutePath();
    s.file.setFileName(QDir(s.directory).absoluteFilePath(fileNameFor(start)));
    const bool opened = s.file.open(QIODevice::WriteOnly | QIODevice::Append | QIODevice::Text);
    if (!s.installed) {
        s.previous = qInstallMessageHandler(messageHandler);
        s.installed = true;
    }
    return opened;
}

void Logger::shutDown()
{
    LogState &s = state();
    std::lock_guard lock(s.mutex);
    if (s.installed) {
        qInstallMessageHandler(s.previous);
        s.previous = nullptr;
        s.installed = false;
    }
    s.file.close();
    s.file.setFileName(QString());
    s.directory.clear();
}

void Logger::removeOldLogs()
{
    removeOldLogs(QDateTime::currentDateTime());
}

void Logger::removeOldLogs(const QDateTime &now)
{
    const QSettings settings;
    if (Keys::Logging.read(settings) <= KeepAll)
        return;
    qDebug().noquote() << QStringLiteral("Удаляем логи");

    QString folder = directory();
    if (folder.isEmpty())
        folder = defaultDirectory();
    const QString current = filePath();
    // Only our own files: a surveyor's other *.log files may share the folder.
    const QFileInfoList files = QDir(folder).entryInfoList(
        {QStringLiteral("logFile-*.log")},
        QDir::Files | QDir::Hidden | QDir::NoSymLinks | QDir::CaseSensitive,
        QDir::Name | QDir::IgnoreCase);

    const int policy = Keys::Logging.read(settings);
    qDebug().noquote() << QStringLiteral("delType: ") + QString::number(policy);

    qint64 maxAge = -1;
    if (policy == KeepMonth)
        maxAge = 2592000;
    else if (policy == KeepWeek)
        maxAge = 604800;
    else if (policy == KeepDay)
        maxAge = 86400;

    const int n = files.size();
    for (int i = 0; i < n; ++i) {
        const QFileInfo &info = files.at(i);
        bool remove = false;
        if (maxAge >= 0)
            remove = info.lastModified().secsTo(now) > maxAge;
        else if (policy == KeepLastTen)
            remove = n - i > 10;
        // With the clock set back the running file can sort first; it must keep its lines.
        if (!remove || info.absoluteFilePath() == current)
            continue;
        qDebug().noquote() << QStringLiteral("Deliting: ") + info.fileName();
        QFile::remove(info.absoluteFilePath()); // a failed removal is not worth stopping for
    }
}

QString Logger::directory()
{
    LogState &s = state();
    std::lock_guard lock(s.mutex);
    return s.directory;
}

QString Logger::filePath()
{
    LogState &s = state();
    std::lock_guard lock(s.mutex);
    return s.file.fileName();
}
