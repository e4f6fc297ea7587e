// A block's tables with a long flight: 5 000 photos and rows handed to a block at once, the
// columns fitted, the tables scrolled page by page to the end and every row selected; then the
// block's flight graph opened, a rectangle dragged on it over half the rows until the three
// tables show them, and a table selection of 2 500 separate rows sent back to the graph. Goal:
// no step keeps the window from answering for longer than 250 ms (the columns are fitted from
// a sample of rows, never row by row).
#include "app/guiresources.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "graph/flygraph.h"
#include "photos/photomodel.h"
#include "plotgestures.h"
#include "testenv.h"
#include "unreadphotos.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QToolButton>
#include <qcustomplot.h>

int main(int argc, char *argv[])
{
    qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    GuiResources::initialize();
    TestEnv::muteMessages();
    constexpr int Rows = 5000;
    constexpr double GoalMs = 250.0;

    Fly fly(1, nullptr);
    fly.resize(1300, 400);
    fly.show();
    if (!QTest::qWaitForWindowExposed(&fly))
        return 1;
    const UnreadPhotos photos =
        UnreadPhotos::make(QStringLiteral("/survey/2024-05-17/flight-1"), Rows);
    QList<Line> rows;
    for (int i = 0; i < Rows; ++i) {
        Line line;
        line.date = QStringLiteral("2024/05/17 10:%1").arg(i);
        line.y = 6000000.0 + i;
        line.x = 500000.0 + i;
        line.z = 100.0;
        rows.append(line);
    }

    QTextStream out(stdout);
    bool ok = true;
    auto step = [&](const char *name, const std::function<void()> &work) {
        QElapsedTimer timer;
        timer.start();
        work();
        QApplication::processEvents();
        const double ms = timer.nsecsElapsed() / 1e6;
        ok = ok && ms <= GoalMs;
        out << QStringLiteral("%1 %2 ms%3\n")
                   .arg(QLatin1String(name), -32)
                   .arg(ms, 8, 'f', 1)
                   .arg(ms > GoalMs ? QStringLiteral("  over the goal") : QString());
    };
    out << Rows << " photos and rows, goal " << GoalMs << " ms per step\n";
    step("hand over photos and rows", [&] {
        fly.fillFromSplit(rows, photos.entries, photos.adjs, photos.dates, BlockColumns{1, 0, 0, 0},
                          QString());
    });
    step("fit the columns", [&] { fly.autoResizeTable(); });
    double worstPage = 0;
    QScrollBar *bar = fly.tablePhotos()->verticalScrollBar();
    QElapsedTimer all;
    all.start();
    int pages = 0;
    while (bar->value() < bar->maximum() && pages < 2000) {
        QElapsedTimer timer;
        timer.start();
        bar->setValue(bar->value() + bar->pageStep());
        fly.repaint();
        worstPage = qMax(worstPage, timer.nsecsElapsed() / 1e6);
        ++pages;
    }
    ok = ok && worstPage <= GoalMs;
    out << QStringLiteral("%1 %2 ms (slowest of %3 pages, %4 ms in all)\n")
               .arg(QStringLiteral("scroll a page, three tables"), -32)
               .arg(worstPage, 8, 'f', 1)
               .arg(pages)
               .arg(all.nsecsElapsed() / 1e6, 0, 'f', 0);
    step("select all rows", [&] { fly.onSelectAllItems(); });
    step("clear the selection", [&] { fly.onDeselectAllItems(); });

    step("open the fly view", [&] {
        fly.on_btn_flyView_clicked();
        ok = QTest::qWaitForWindowExposed(fly.graph()) && ok;
    });
    FlyGraph *graph = fly.graph();
    QCustomPlot *plot = graph->plot();
    graph->findChild<QToolButton *>(QStringLiteral("btn_select"))->click();
    // The rows run diagonally; from the view's lower left corner to the middle row.
    const QPoint from(int(plot->xAxis->coordToPixel(plot->xAxis->range().lower)) + 1,
                      int(plot->yAxis->coordToPixel(plot->yAxis->range().lower)) - 1);
    const double middle = Rows / 2 - 0.5;
    const QPoint to(int(plot->xAxis->coordToPixel(500000.0 + middle)),
                    int(plot->yAxis->coordToPixel(6000000.0 + middle)));
    step("map rectangle to the three tables", [&] { PlotGestures::drag(plot, from, to); });
    const int picked = fly.tablePreview()->selectedRows().size();
    out << "  rows selected by the rectangle in the last table: " << picked << '\n';
    ok = ok && picked > Rows / 3;

    QList<int> even;
    for (int i = 0; i < Rows; i += 2)
        even.append(i);
    fly.tableMeta()->selectRows(even);
    step("2 500 single rows, tables to map", [&] { fly.tableMeta()->invertSelection(); });
    const int ranges = graph->pathCurve()->selection().dataRangeCount();
    out << "  separate ranges selected on the map: " << ranges << '\n';
    ok = ok && ranges == Rows / 2;
    out << (ok ? "within the goal\n" : "OVER THE GOAL\n");
    return ok ? 0 : 1;
}
