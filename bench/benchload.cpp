// One large block through the program's own road, in process, phase by phase: adding the
// photos (the reader thread), reading the timemark file, a timemarks-only run and a full run.
// bench/load.sh runs it for several block sizes and adds the command line's figures.
//
//   benchload --photos DIR --timemarks FILE --work DIR
//
// Prints one line per phase:
//   phase <name> photos <n> ms <wall> user_ms <user> sys_ms <system> peak_kb <VmHWM>
// with the processor time of all the process's threads, split into user and system (the
// file system's share), and the peak resident memory of the process so far.
#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "processing/fileswork.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <sys/resource.h>

namespace {

// Processor time of all the process's threads: user and system, in ms.
struct Cpu
{
    double user = 0.0;
    double system = 0.0;
};

Cpu processCpu()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return {usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3,
            usage.ru_stime.tv_sec * 1e3 + usage.ru_stime.tv_usec / 1e3};
}

class Phase
{
public:
    Phase() : m_cpu(processCpu()) { m_timer.start(); }
    void report(const char *name, int photos) const
    {
        const Cpu now = processCpu();
        QTextStream(stdout) << "phase " << name << " photos " << photos << " ms "
                            << QString::number(m_timer.nsecsElapsed() / 1e6, 'f', 1) << " user_ms "
                            << QString::number(now.user - m_cpu.user, 'f', 1) << " sys_ms "
                            << QString::number(now.system - m_cpu.system, 'f', 1) << " peak_kb "
                            << TestEnv::peakMemoryKb() << Qt::endl;
    }

private:
    QElapsedTimer m_timer;
    Cpu m_cpu;
};

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    const QCommandLineOption photosOption("photos", "Folder of the block's photos.", "DIR");
    const QCommandLineOption timemarksOption("timemarks", "The block's timemark file.", "FILE");
    const QCommandLineOption workOption("work", "Folder for the runs' output.", "DIR");
    parser.addOptions({photosOption, timemarksOption, workOption});
    parser.addHelpOption();
    parser.process(app);
    QTextStream err(stderr);
    if (!parser.isSet(photosOption) || !parser.isSet(timemarksOption) ||
        !parser.isSet(workOption)) {
        err << "--photos, --timemarks and --work are required\n";
        return 2;
    }

    QTemporaryDir settingsDir;
    TestEnv::isolate(settingsDir);
    TestEnv::muteMessages();
    {
        QSettings s;
        Keys::CoordinateUtmZone.write(s, 31); // so every geotag carries latitude and longitude
        s.sync();
    }
    GeoCalc geo;
    if (!geo.isReady()) {
        err << geo.errorText() << "\n";
        return 1;
    }
    geo.updateSettings();

    const QDir photoDir(parser.value(photosOption));
    QStringList entries;
    for (const QString &name :
         photoDir.entryList({QStringLiteral("*.JPG")}, QDir::Files, QDir::Name))
        entries << photoDir.absoluteFilePath(name);

    FlyData fly(1, &geo);
    {
        const Phase phase;
        QEventLoop loop;
        QObject::connect(fly.photos(), &PhotoModel::photosAdded, &loop, &QEventLoop::quit);
        fly.photos()->addPhotos(entries);
        loop.exec();
        phase.report("read", fly.photos()->rowCount());
    }
    {
        const Phase phase;
        OpentTimeMarkTableModel table(&geo);
        TimemarkFile file(&table);
        file.setRemembersChoices(false);
        if (!file.detectSeparator(parser.value(timemarksOption)) || !file.loadTable()) {
            err << file.errorText() << "\n";
            return 1;
        }
        file.applyStoredColumns();
        fly.setDelimiter(file.separatorPattern());
        fly.addTimemarks(table.toLines(), false);
        phase.report("timemark-file", fly.timemarks()->rowCount());
    }
    if (fly.photos()->rowCount() != fly.timemarks()->rowCount()) {
        err << "photos and timemark rows differ in number\n";
        return 1;
    }

    const BlockSnapshot block = fly.snapshot();
    const struct
    {
        const char *name;
        WorkType type;
    } runs[] = {{"timemarks-only", TimemarksOnly}, {"full", FullWork}};
    for (const auto &run : runs) {
        const QString out = QDir(parser.value(workOption)).filePath(run.name);
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        FilesWork job(&geo);
        int result = 0;
        QObject::connect(&job, &FilesWork::workFinished, [&result](int r) { result = r; });
        job.setOutputDir(out);
        job.setWorkType(run.type);
        job.setBlocks({block});
        const Phase phase;
        job.doWork();
        phase.report(run.name, block.entries.size());
        QDir(out).removeRecursively();
        if (result < 0) {
            err << run.name << " run failed: " << result << "\n";
            return 1;
        }
    }
    return 0;
}
