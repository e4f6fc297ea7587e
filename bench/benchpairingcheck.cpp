// Times the pairing check on a flight of 10 000 photos against 10 003 timemark rows and
// reports the peak resident memory. Every case runs in a fresh process so that its peak is
// its own.
//
//   benchpairingcheck            all cases, three runs each
//   benchpairingcheck --case N   one case (used by the above)

#include "blocks/pairingcheck.h"
#include "syntheticflight.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>

#include <algorithm>
#include <cstdio>

namespace {

double peakMegabytes()
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1.0;
    for (const QByteArray &line : status.readAll().split('\n')) {
        if (line.startsWith("VmHWM:"))
            return line.mid(6).trimmed().split(' ').first().toDouble() / 1024.0;
    }
    return -1.0;
}

struct Case
{
    const char *name;
    FlightTiming timing;
};

QList<Case> cases()
{
    // Lines of 25 shots 2 s apart, 15 s turns: about six hours of flying.
    FlightTiming survey;
    survey.shots = 10003;
    survey.jitter = 0.2;
    survey.turnEvery = 25;
    survey.turnGap = 15.0;
    survey.clockOffset = 3 * 3600.0 + 0.4;
    survey.randomPhotoDrops = 3;
    survey.seed = 11;

    FlightTiming fine = survey;
    fine.subSeconds = true;
    // 53 photos and 50 rows lost: the alignment must widen its band.
    FlightTiming many = survey;
    many.shots = 10053;
    many.randomPhotoDrops = 53;
    many.randomEventDrops = 50;
    // One line at a constant interval: every shift of it fits, all candidates are weighed.
    FlightTiming regular = survey;
    regular.turnEvery = 0;
    regular.jitter = 0.0;
    return {{"whole seconds, 3 photos lost", survey},
            {"sub-seconds, 3 photos lost", fine},
            {"53 photos and 50 rows lost", many},
            {"one line, constant interval", regular}};
}

int runCase(int index)
{
    const Case c = cases().value(index);
    const TimedFlight flight = SyntheticFlight::timing(c.timing);
    QList<Line> rows;
    for (const QString &date : flight.rowDates) {
        Line line;
        line.date = date;
        rows << line;
    }
    const double before = peakMegabytes();
    QElapsedTimer timer;
    timer.start();
    const PairingResult r = PairingCheck::check(flight.photoTimes, rows);
    const qint64 ns = timer.nsecsElapsed();
    const bool exact = r.unmatchedPhotoIndexes() == flight.photosWithoutRow &&
                       r.unmatchedRowIndexes() == flight.rowsWithoutPhoto;
    std::printf("%d %d %.1f %.1f %.1f %d %d\n", flight.photoTimes.size(), rows.size(), ns / 1e6,
                peakMegabytes(), before, int(r.verdict), exact ? 1 : 0);
    return 0;
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--case"))
        return runCase(args.value(2).toInt());

    constexpr int Runs = 3;
    const char *verdicts[] = {"matched", "unmatched", "ambiguous", "no dates"};
    std::printf("%d runs per case (median time, largest peak)\n\n", Runs);
    std::printf("%-30s %6s %6s %8s %8s %8s  %s\n", "case", "photos", "rows", "ms", "peakMB",
                "startMB", "verdict");
    int failures = 0;
    for (int i = 0; i < cases().size(); ++i) {
        QList<QList<double>> results;
        for (int run = 0; run < Runs; ++run) {
            QProcess child;
            child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
            child.start(app.applicationFilePath(), {QStringLiteral("--case"), QString::number(i)});
            child.waitForFinished(-1);
            const QList<QByteArray> fields = child.readAllStandardOutput().trimmed().split(' ');
            if (child.exitStatus() != QProcess::NormalExit || fields.size() != 7) {
                ++failures;
                break;
            }
            QList<double> values;
            for (const QByteArray &field : fields)
                values << field.toDouble();
            results << values;
        }
        if (results.size() != Runs) {
            std::printf("%-30s FAILED\n", cases().at(i).name);
            continue;
        }
        std::sort(results.begin(), results.end(),
                  [](const QList<double> &a, const QList<double> &b) { return a[2] < b[2]; });
        const QList<double> &median = results.at(Runs / 2);
        double peak = 0.0;
        for (const QList<double> &r : results)
            peak = std::max(peak, r[3]);
        std::printf("%-30s %6.0f %6.0f %8.1f %8.1f %8.1f  %s%s\n", cases().at(i).name, median[0],
                    median[1], median[2], peak, median[4], verdicts[int(median[5])],
                    median[6] > 0 ? ", the lost items named" : "");
    }
    std::printf("\nms: the check alone; peakMB = VmHWM of the case process, startMB = VmHWM\n"
                "before the check (Qt and the generated flight).\n");
    return failures == 0 ? 0 : 1;
}
