// Times the flight graph on a survey flight and reports the peak resident memory: a full
// update, a replot, a rectangle selection over half the path reaching the block as rows, and
// the tick count of the degree labels. Every size runs in a fresh process so that its peak is
// its own. Runs offscreen unless QT_QPA_PLATFORM says otherwise.
//
//   benchflygraph [ROWS...]        the given sizes (default 1000 10000)
//   benchflygraph --case ROWS      one size (used by the above)
//
// A tenth of the rows is selected (every tenth row, the most ranges) and a twentieth
// quarantined, as in a flight of 10 000 rows with 1 000 selected and 500 quarantined.

#include "app/guiresources.h"
#include "benchcase.h"
#include "blocks/customtablemodel.h"
#include "graph/flygraph.h"
#include "plotgestures.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLoggingCategory>
#include <QSettings>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <qcustomplot.h>

#include <algorithm>
#include <cstdio>

namespace {

double median(QVector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.isEmpty() ? 0.0 : values.at(values.size() / 2);
}

double ms(const QElapsedTimer &timer)
{
    return timer.nsecsElapsed() / 1e6;
}

int maxTicks(QCustomPlot *plot)
{
    return std::max(plot->xAxis->tickVector().size(), plot->yAxis->tickVector().size());
}

int runCase(int count)
{
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    QSettings settings;
    settings.clear();
    const double startMb = TestEnv::peakMemoryKb() / 1024.0;

    CustomTableModel model;
    model.appendRows(SyntheticFlight::surveyLines(count));
    QList<int> quarantined;
    QList<int> selected;
    for (int r = 0; r < count; ++r) {
        if (r % 20 == 7)
            quarantined << r;
        if (r % 10 == 3)
            selected << r;
    }
    model.setQuarantine(quarantined);

    FlyGraph graph(1);
    graph.resize(816, 572);
    graph.show();
    if (!QTest::qWaitForWindowExposed(&graph))
        return 1;
    QCustomPlot *plot = graph.plot();

    QElapsedTimer timer;
    timer.start();
    graph.setModel(&model);
    const double setModelMs = ms(timer);
    timer.restart();
    graph.setSelected(selected);
    graph.setQuarantine(quarantined);
    const double setSelectedMs = ms(timer);

    QVector<double> updates;
    for (int i = 0; i < 5; ++i) {
        timer.restart();
        graph.fullUpdateGrah();
        updates << ms(timer);
    }
    QVector<double> replots;
    for (int i = 0; i < 10; ++i) {
        timer.restart();
        plot->replot();
        replots << ms(timer);
    }

    // A rectangle over the western half of the strips, dragged in selection mode.
    graph.findChild<QToolButton *>(QStringLiteral("btn_select"))->click();
    const QCPRange xRange = plot->xAxis->range();
    const QCPRange yRange = plot->yAxis->range();
    const QPoint from(int(plot->xAxis->coordToPixel(xRange.lower)) + 1,
                      int(plot->yAxis->coordToPixel(yRange.upper)) + 1);
    const double westHalf = 500000.0 + 40.0 * ((count + 24) / 25 - 1) / 2.0;
    const QPoint to(int(plot->xAxis->coordToPixel(westHalf)),
                    int(plot->yAxis->coordToPixel(yRange.lower)) - 1);
    int rowsSelected = -1;
    double rectMs = -1.0;
    QObject::connect(&graph, &FlyGraph::toSelect, [&](const QList<int> &rows) {
        rectMs = ms(timer);
        rowsSelected = rows.size();
    });
    timer.restart();
    PlotGestures::drag(plot, from, to);
    QCoreApplication::processEvents(); // the queued replot after the selection
    const double rectReplotMs = ms(timer);

    // Degree labels: bounded at the fitted view, zoomed out and zoomed in.
    Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    timer.restart();
    graph.fullUpdateGrah();
    const double wgsUpdateMs = ms(timer);
    int ticks = maxTicks(plot);
    for (const double factor : {8.0, 0.125, 0.05}) {
        plot->xAxis->scaleRange(factor);
        plot->yAxis->scaleRange(factor);
        plot->replot();
        ticks = std::max(ticks, maxTicks(plot));
    }

    std::printf("%d %.2f %.2f %.2f %.2f %.2f %.2f %d %.2f %d %.1f %.1f\n", count, setModelMs,
                setSelectedMs, median(updates), median(replots), rectMs, rectReplotMs, rowsSelected,
                wgsUpdateMs, ticks, TestEnv::peakMemoryKb() / 1024.0, startMb);
    return rowsSelected > 0 ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    GuiResources::initialize();
    QLoggingCategory::setFilterRules(QStringLiteral("*.debug=false"));
    const QStringList args = app.arguments();
    if (args.value(1) == QLatin1String("--case"))
        return runCase(args.value(2).toInt());

    QList<int> sizes;
    for (int i = 1; i < args.size(); ++i)
        sizes << args.at(i).toInt();
    if (sizes.isEmpty())
        sizes = {1000, 10000};

    std::printf("%7s %9s %9s %9s %8s %9s %9s %8s %9s %6s %8s %8s\n", "rows", "setModel", "select",
                "update", "replot", "rectSel", "+replot", "rowsSel", "wgsUpd", "ticks", "peakMB",
                "startMB");
    int failures = 0;
    for (const int count : sizes) {
        const QList<QByteArray> f =
            BenchCase::run({QStringLiteral("--case"), QString::number(count)}, 12);
        if (f.isEmpty()) {
            std::printf("%7d FAILED\n", count);
            ++failures;
            continue;
        }
        std::printf("%7s %9s %9s %9s %8s %9s %9s %8s %9s %6s %8s %8s\n", f[0].constData(),
                    f[1].constData(), f[2].constData(), f[3].constData(), f[4].constData(),
                    f[5].constData(), f[6].constData(), f[7].constData(), f[8].constData(),
                    f[9].constData(), f[10].constData(), f[11].constData());
    }
    std::printf("\ntimes in ms: setModel includes the first full update; select = setSelected and\n"
                "setQuarantine from the block; update = fullUpdateGrah (median of 5, with a\n"
                "replot); replot median of 10; rectSel = mouse press to toSelect over the western\n"
                "half (rowsSel rows), +replot until the plot shows it; wgsUpd = full update with\n"
                "degree labels; ticks = most labels on one axis, fitted and zoomed;\n"
                "peakMB = VmHWM of the case process, startMB before the model.\n");
    return failures == 0 ? 0 : 1;
}
