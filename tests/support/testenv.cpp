#include "testenv.h"

#include "app/appinfo.h"
#include "photos/exivsetup.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace {

QtMessageHandler g_previousHandler = nullptr;

void dropOffscreenFades(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (!text.startsWith(QLatin1String("This plugin does not support")))
        g_previousHandler(type, context, text);
}

void dropAll(QtMsgType, const QMessageLogContext &, const QString &) {}

} // namespace

void TestEnv::isolate(const QTemporaryDir &dir)
{
    const QString config = dir.path() + QStringLiteral("/config");
    QDir().mkpath(config);
    qputenv("XDG_CONFIG_HOME", config.toLocal8Bit());
    qputenv("XDG_DATA_HOME", (dir.path() + QStringLiteral("/data")).toLocal8Bit());
    QStandardPaths::setTestModeEnabled(true);
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config);
    AppInfo::apply();
    ExivSetup::initialize();
}

void TestEnv::muteOffscreenFades()
{
    const QtMessageHandler previous = qInstallMessageHandler(dropOffscreenFades);
    // A second call must not make the filter its own predecessor.
    if (previous != dropOffscreenFades)
        g_previousHandler = previous;
}

void TestEnv::muteMessages()
{
    qInstallMessageHandler(dropAll);
}

QString TestEnv::testDataDir()
{
    // A worktree beside the others does not find the samples beside the repository.
    const QString dir = qEnvironmentVariableIsSet("KESTRIX_TESTDATA_DIR")
                            ? qEnvironmentVariable("KESTRIX_TESTDATA_DIR")
                            : QStringLiteral(KESTRIX_TESTDATA_DIR);
    return QDir(dir).exists() ? QDir(dir).absolutePath() : QString();
}

bool TestEnv::isSanitized()
{
#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
    return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer)
    return true;
#else
    return false;
#endif
#else
    return false;
#endif
}

QString TestEnv::cliPath()
{
    return QStringLiteral(KESTRIX_CLI_PATH);
}
QString TestEnv::synthPath()
{
    return QStringLiteral(KESTRIX_SYNTH_PATH);
}

qint64 TestEnv::peakMemoryKb()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}
