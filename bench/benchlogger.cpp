// Cost of one logged line: the policy lookup in the settings store, formatting and the flushed
// write. Run: build/bench/benchlogger
#include "app/logcategories.h"
#include "app/logger.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>
#include <QThread>

#include <memory>
#include <vector>

namespace {

void silent(QtMsgType, const QMessageLogContext &, const QString &) {}

double microsecondsPerMessage(int threads, int perThread)
{
    QElapsedTimer timer;
    timer.start();
    std::vector<std::unique_ptr<QThread>> workers;
    for (int t = 0; t < threads; ++t) {
        workers.emplace_back(QThread::create([perThread] {
            for (int i = 0; i < perThread; ++i)
                qCDebug(lcInfo) << "Copying photo" << i << "of the block";
        }));
        workers.back()->start();
    }
    for (auto &worker : workers)
        worker->wait();
    return timer.nsecsElapsed() / 1000.0 / (threads * perThread);
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    qInstallMessageHandler(silent); // measure the log file, not the terminal
    Logger::setUp(dir.filePath(QStringLiteral("logs")), QDateTime::currentDateTime());
    QTextStream out(stdout);
    for (int threads : {1, 4}) {
        const double us = microsecondsPerMessage(threads, 20000);
        out << threads << " thread(s): " << QString::number(us, 'f', 2) << " us per line, "
            << QString::number(1e6 / us, 'f', 0) << " lines/s\n";
    }
    {
        QSettings settings;
        Keys::Logging.write(settings, 0);
    }
    out << "policy 0 (lookup only): " << QString::number(microsecondsPerMessage(1, 20000), 'f', 2)
        << " us per message\n";
    Logger::shutDown();
    return 0;
}
