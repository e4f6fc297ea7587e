// Throughput of the coordinate conversions and of the coordinate file: what one processing
// run of a few thousand photos costs beyond copying them.
#include "geo/geocalc.h"
#include "processing/coordinatefilewriter.h"
#include "processing/outputlabelmodel.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <thread>

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    constexpr int count = 200000;

    QElapsedTimer timer;
    timer.start();
    GeoCalc geo;
    geo.updateSettings();
    std::printf("initialize (database and zone 1 of each hemisphere): %.1f ms\n",
                timer.nsecsElapsed() / 1e6);
    if (!geo.isReady())
        return 1;

    double sink = 0;
    timer.restart();
    for (int i = 0; i < count; ++i) {
        const UtmPoint u = geo.geoToUtm(2.0 + (i % 1000) * 1e-5, 48.0 + (i % 777) * 1e-5, 100.0);
        sink += u.x;
    }
    std::printf("geoToUtm: %.2f us per point\n", timer.nsecsElapsed() / 1e3 / count);

    // The aircraft formula asks PROJ for the grid convergence at every position; the earlier
    // formula is plain arithmetic. The difference is what the convergence costs a photo.
    double offsetOnly[2] = {0, 0};
    for (bool design : {false, true}) {
        QSettings s;
        Keys::LeverArmDesign.write(s, design);
        s.sync();
        geo.updateSettings();
        timer.restart();
        for (int i = 0; i < count; ++i) {
            const UtmPoint corrected = geo.applyAntennaOffset(
                {448000.0 + i % 500, 5316000.0 + i % 777, 100.0, 31}, 1.5, 90.0, -2.0);
            sink += corrected.x;
        }
        offsetOnly[design] = timer.nsecsElapsed() / 1e3 / count;
        std::printf("applyAntennaOffset, %s: %.2f us per point\n",
                    design ? "earlier formula" : "aircraft with convergence", offsetOnly[design]);
    }
    std::printf("the convergence costs %.2f us per photo\n", offsetOnly[0] - offsetOnly[1]);
    {
        QSettings s;
        Keys::LeverArmDesign.write(s, false);
        s.sync();
        geo.updateSettings();
    }

    timer.restart();
    for (int i = 0; i < count; ++i) {
        const UtmPoint corrected =
            geo.applyAntennaOffset({448000.0 + i % 500, 5316000.0, 100.0, 31}, 1.5, 90.0, -2.0);
        const GeoPoint g = geo.utmToGeo(corrected);
        sink += g.lat;
    }
    std::printf("applyAntennaOffset + utmToGeo: %.2f us per point\n",
                timer.nsecsElapsed() / 1e3 / count);

    qint64 firstUse = 0;
    std::thread([&] {
        QElapsedTimer t;
        t.start();
        sink += geo.utmToGeo(448000.0, 5316000.0, 31, 0.0).lat;
        firstUse = t.nsecsElapsed();
    }).join();
    std::printf("first conversion in a new thread: %.1f ms\n", firstUse / 1e6);

    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, 0, false, QStringLiteral("\t"), false, false);
    if (!writer.open(dir.path(), 1))
        return 1;
    CoordinateFileWriter::Values v;
    v.name = QStringLiteral("KES_1_00001.JPG");
    v.north = 5316000.0;
    v.east = 448000.0;
    v.height = 100.0;
    constexpr int lines = 20000;
    timer.restart();
    for (int i = 0; i < lines; ++i)
        writer.writeLine(0, v);
    std::printf("coordinate line, flushed: %.2f us per line\n", timer.nsecsElapsed() / 1e3 / lines);
    return sink == 0 ? 2 : 0;
}
