// Times the pairing check on a flight of 10 000 photos against 10 003 timemark rows, and on
// 5 000 against 5 000 that pair by index but not by time (what the window checks before a
// run), and reports the peak resident memory. Every case runs in a fresh process so that its peak
// is its own.
//
//   benchpairingcheck            all cases, three runs each
//   benchpairingcheck --case N   one case (used by the above)

#include "benchcase.h"
#include "blocks/pairingcheck.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cstdio>
#include <ctime>

namespace {

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
    // 45 photos in a row and later 42 rows in a row lost: the band must widen.
    FlightTiming runs = survey;
    runs.shots = 10045;
    runs.randomPhotoDrops = 0;
    for (int k = 0; k < 45; ++k)
        runs.droppedPhotos << 2000 + k;
    for (int k = 0; k < 42; ++k)
        runs.droppedEvents << 7000 + k;
    // Rows of another flight: nothing fits, and the alignment must not widen for it.
    FlightTiming other = survey;
    other.seed = 12;
    other.interval = 2.5;
    other.turnEvery = 31;
    // Before a run: as many photos as rows, one photo and one event lost far apart.
    FlightTiming beforeRun = survey;
    beforeRun.shots = 5001;
    beforeRun.randomPhotoDrops = 0;
    beforeRun.droppedPhotos = {1200};
    beforeRun.droppedEvents = {3800};
    return {{"whole seconds, 3 photos lost", survey},     {"sub-seconds, 3 photos lost", fine},
            {"53 photos and 50 rows lost", many},         {"one line, constant interval", regular},
            {"45 photos, later 42 rows lost", runs},      {"rows of another flight", other},
            {"5 000 each, 1 photo 1 row lost", beforeRun}};
}

int runCase(int index)
{
    const Case c = cases().value(index);
    TimedFlight flight = SyntheticFlight::timing(c.timing);
    if (index == 5) {
        FlightTiming first = c.timing;
        first.interval = 2.0;
        first.turnEvery = 25;
        first.seed = 11;
        flight.photoTimes = SyntheticFlight::timing(first).photoTimes;
    }
    QList<Line> rows;
    for (const QString &date : flight.rowDates) {
        Line line;
        line.date = date;
        rows << line;
    }
    const double before = TestEnv::peakMemoryKb() / 1024.0;
    QElapsedTimer timer;
    timer.start();
    const std::clock_t cpu = std::clock();
    const PairingResult r = PairingCheck::check(flight.photoTimes, rows);
    const qint64 ns = timer.nsecsElapsed();
    const double cpuMs = 1000.0 * double(std::clock() - cpu) / CLOCKS_PER_SEC;
    const bool exact = r.unmatchedPhotoIndexes() == flight.photosWithoutRow &&
                       r.unmatchedRowIndexes() == flight.rowsWithoutPhoto;
    std::printf("%d %d %.1f %.1f %.1f %d %d %.1f\n", flight.photoTimes.size(), rows.size(),
                ns / 1e6, TestEnv::peakMemoryKb() / 1024.0, before, int(r.verdict), exact ? 1 : 0,
                cpuMs);
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
    std::printf("%-30s %6s %6s %8s %8s %8s %8s  %s\n", "case", "photos", "rows", "ms", "cpuMs",
                "peakMB", "startMB", "verdict");
    int failures = 0;
    for (int i = 0; i < cases().size(); ++i) {
        QList<QList<double>> results =
            BenchCase::repeat({QStringLiteral("--case"), QString::number(i)}, 8, Runs);
        if (results.isEmpty()) {
            std::printf("%-30s FAILED\n", cases().at(i).name);
            ++failures;
            continue;
        }
        std::sort(results.begin(), results.end(),
                  [](const QList<double> &a, const QList<double> &b) { return a[2] < b[2]; });
        const QList<double> &median = results.at(Runs / 2);
        double peak = 0.0;
        for (const QList<double> &r : results)
            peak = std::max(peak, r[3]);
        std::printf("%-30s %6.0f %6.0f %8.1f %8.1f %8.1f %8.1f  %s%s\n", cases().at(i).name,
                    median[0], median[1], median[2], median[7], peak, median[4],
                    verdicts[int(median[5])], median[6] > 0 ? ", the lost items named" : "");
    }
    std::printf("\nms: the check alone, wall clock; cpuMs: its processor time; peakMB = VmHWM\n"
                "of the case process, startMB = VmHWM before the check (Qt and the flight).\n");
    return failures == 0 ? 0 : 1;
}
