#include "fuzzenv.h"

#include "geo/geocalc.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <cstdlib>

namespace {

QTemporaryDir *g_dir = nullptr;
GeoCalc *g_geoCalc = nullptr;

void quiet(QtMsgType type, const QMessageLogContext &, const QString &message)
{
    if (type == QtFatalMsg)
        std::fprintf(stderr, "FATAL: %s\n", qPrintable(message));
}

} // namespace

void FuzzEnv::setUp()
{
    // PROJ reports every point it cannot project on stderr; millions of runs need silence.
    qputenv("PROJ_DEBUG", "0");
    static int argc = 1;
    static char name[] = "kestrix-fuzz";
    static char *argv[] = {name, nullptr};
    new QCoreApplication(argc, argv);
    const QString shm = QStringLiteral("/dev/shm");
    const QString base =
        QFileInfo(shm).isDir() && QFileInfo(shm).isWritable() ? shm : QDir::tempPath();
    g_dir = new QTemporaryDir(base + QStringLiteral("/kestrix-fuzz-XXXXXX"));
    if (!g_dir->isValid()) {
        std::fprintf(stderr, "cannot make a scratch folder in %s\n", qPrintable(base));
        std::exit(1);
    }
    TestEnv::isolate(*g_dir);
    QDir().mkpath(scratchDir());
    qInstallMessageHandler(quiet);
    // Removes the scratch folder when libFuzzer ends the run normally.
    std::atexit([] { delete g_dir; });
}

QString FuzzEnv::scratchDir()
{
    return g_dir->filePath(QStringLiteral("scratch"));
}

GeoCalc *FuzzEnv::geoCalc()
{
    if (!g_geoCalc) {
        g_geoCalc = new GeoCalc();
        if (!g_geoCalc->isReady()) {
            std::fprintf(stderr, "PROJ is not usable: %s\n", qPrintable(g_geoCalc->errorText()));
            std::exit(1);
        }
    }
    return g_geoCalc;
}

void FuzzEnv::check(const char *road, const QStringList &broken, const QString &summary)
{
    static const bool verbose = qEnvironmentVariableIsSet("KESTRIX_FUZZ_VERBOSE");
    if (verbose)
        std::fprintf(stderr, "%s: %s\n", road, qPrintable(summary));
    if (broken.isEmpty())
        return;
    std::fprintf(stderr, "%s: %s\n", road, qPrintable(broken.join(QStringLiteral("\n  "))));
    std::abort();
}
