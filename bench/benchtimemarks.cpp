// Times detection, loading and conversion of large timemark files and reports the peak
// resident memory. Every case runs in a fresh process so that its peak is its own.
//
//   benchtimemarks [ROWS]          all cases, ROWS rows per file (default 99900: the most a
//                                  timemark file may hold, less room for its header lines)
//   benchtimemarks --case NAME FILE WGS84   one case (used by the above)

#include "benchcase.h"
#include "geo/geocalc.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QElapsedTimer>
#include <QFileInfo>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QTextStream>

#include <algorithm>
#include <cstdio>

namespace {

int runCase(const QString &name, const QString &path, bool wgs84)
{
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    QSettings settings;
    Keys::CoordinateType.write(settings, wgs84 ? Keys::CoordinateTypeWgs84 : 0);
    GeoCalc geo(!wgs84);
    if (wgs84 && !geo.isReady()) {
        std::fprintf(stderr, "converter not ready: %s\n", qPrintable(geo.errorText()));
        return 1;
    }
    const double baseline = TestEnv::peakMemoryKb() / 1024.0;

    OpentTimeMarkTableModel model(&geo);
    TimemarkFile file(&model);
    file.setRemembersChoices(false);
    QElapsedTimer timer;
    timer.start();
    if (!file.detectSeparator(path)) {
        std::fprintf(stderr, "not detected: %s\n", qPrintable(file.errorText()));
        return 1;
    }
    const qint64 detectNs = timer.nsecsElapsed();
    if (!file.loadTable()) {
        std::fprintf(stderr, "not loaded: %s\n", qPrintable(file.errorText()));
        return 1;
    }
    const qint64 loadNs = timer.nsecsElapsed();
    int header = 0;
    while (header < model.rowCount() && !model.rowCells(header).value(0).at(0).isDigit())
        ++header;
    model.setColDate(1);
    model.setColX(3);
    model.setColY(4);
    model.setColZ(5);
    model.setFirstRow(header + 1);
    const qint64 setupNs = timer.nsecsElapsed();
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    const qint64 convertNs = timer.nsecsElapsed() - setupNs;
    const qint64 totalNs = loadNs + convertNs;

    Q_UNUSED(name)
    std::printf("%d %.3f %.3f %.3f %.3f %.1f %.1f %d\n", lines.size(), totalNs / 1e6,
                detectNs / 1e6, (loadNs - detectNs) / 1e6, convertNs / 1e6,
                TestEnv::peakMemoryKb() / 1024.0, baseline, report.invalidRows);
    return lines.isEmpty() || (wgs84 && lines.first().zone == 0) ? 1 : 0;
}

QList<TimemarkRow> rows(int count, bool degrees)
{
    QList<TimemarkRow> list;
    list.reserve(count);
    const QDateTime start(QDate(2024, 5, 17), QTime(10, 0, 0));
    for (int i = 0; i < count; ++i) {
        TimemarkRow row;
        row.date = start.addMSecs(200LL * i).toString(QStringLiteral("yyyy/MM/dd HH:mm:ss.zzz"));
        row.north = degrees ? 48.78 + 1e-6 * i : 5400000.0 + 0.2 * i;
        row.east = degrees ? 9.17 + 1e-6 * (i % 977) : 512000.0 + 0.1 * (i % 977);
        row.height = 320.0 + 0.001 * (i % 100);
        row.sdN = 0.012;
        row.sdE = 0.011;
        row.sdH = 0.025;
        list << row;
    }
    return list;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--case")) {
        QLoggingCategory::setFilterRules(QStringLiteral("Info.debug=false"));
        return runCase(args.value(2), args.value(3), args.value(4) == QLatin1String("1"));
    }

    const int count = args.size() > 1 ? args.value(1).toInt() : TimemarkFile::MaxRows - 100;
    QTemporaryDir dir;
    struct Case
    {
        const char *name;
        SyntheticFlight::Format format;
        bool degrees;
    };
    const Case cases[] = {{"pos metric", SyntheticFlight::Format::RtklibPos, false},
                          {"pos degrees", SyntheticFlight::Format::RtklibPos, true},
                          {"semicolon metric", SyntheticFlight::Format::Semicolon, false},
                          {"semicolon degrees", SyntheticFlight::Format::Semicolon, true}};
    constexpr int Runs = 3;
    std::printf("%d lines per file, %d runs per case (median time, largest peak)\n\n", count, Runs);
    std::printf("%-18s %6s %7s %8s %8s %8s %8s %8s %8s\n", "case", "fileMB", "rows", "total",
                "detect", "load", "convert", "peakMB", "startMB");
    int failures = 0;
    for (const Case &c : cases) {
        const QString path = dir.filePath(QStringLiteral("%1.%2").arg(
            QString::fromLatin1(c.name).replace(' ', '_'),
            c.format == SyntheticFlight::Format::RtklibPos ? "pos" : "csv"));
        QString error;
        if (!SyntheticFlight::writeTimemarks(path, rows(count, c.degrees), c.format, &error)) {
            std::fprintf(stderr, "cannot write %s: %s\n", qPrintable(path), qPrintable(error));
            return 1;
        }
        QList<QList<double>> results =
            BenchCase::repeat({QStringLiteral("--case"), QString::fromLatin1(c.name), path,
                               c.degrees ? QStringLiteral("1") : QStringLiteral("0")},
                              8, Runs);
        if (results.isEmpty()) {
            std::printf("%-18s FAILED\n", c.name);
            ++failures;
            continue;
        }
        std::sort(results.begin(), results.end(),
                  [](const QList<double> &a, const QList<double> &b) { return a[1] < b[1]; });
        const QList<double> &median = results.at(Runs / 2);
        double peak = 0.0;
        for (const QList<double> &r : results)
            peak = std::max(peak, r[5]);
        std::printf("%-18s %6.1f %7.0f %8.1f %8.1f %8.1f %8.1f %8.1f %8.1f%s\n", c.name,
                    QFileInfo(path).size() / 1e6, median[0], median[1], median[2], median[3],
                    median[4], peak, median[6], median[7] > 0 ? "  (non-numeric cells!)" : "");
    }
    std::printf("\ntimes in ms; total = detect + load + convert; peakMB = VmHWM of the case\n"
                "process, startMB = VmHWM before the file was touched (Qt, PROJ).\n");
    return failures == 0 ? 0 : 1;
}
