#include "app/guiresources.h"
#include "app/mainwindow.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "graph/filterpopup.h"
#include "graph/flygraph.h"
#include "photos/photomodel.h"
#include "plotgestures.h"
#include "scriptedprompts.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "unreadphotos.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QPointer>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <qcustomplot.h>

using Ranges = QList<QPair<int, int>>;

namespace {

/// The rows selected on @p curve as [begin, end) ranges.
Ranges rangesOf(const QCPCurve *curve)
{
    return PlotGestures::rangesOf(curve->selection());
}

QList<int> sorted(QList<int> rows)
{
    std::sort(rows.begin(), rows.end());
    return rows;
}

void clickRow(TableView *table, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
{
    const QModelIndex index = table->model()->index(row, table->columnAt(1));
    table->scrollTo(index);
    QTest::mouseClick(table->viewport(), Qt::LeftButton, modifiers,
                      table->visualRect(index).center());
}

/// Pixel of row @p row of a straight strip north (10 m apart), moved @p dx across.
QPoint pixelOfRow(QCustomPlot *plot, double row, int dx)
{
    return PlotGestures::pixelOf(plot, 500000.0, 6000000.0 + 10.0 * row) + QPoint(dx, 0);
}

} // namespace

class TestFlyView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void opensOnceAndRaises();
    void selectionBothWays();
    void filterThenQuarantineFromGraph();
    void filterPassReplacesSelection_data();
    void zoomKeptByQuarantine_data();
    void zoomKeptByQuarantine();
    void filterPassReplacesSelection();
    void renumberedAndClosedWithItsBlock();

private:
    /// Block @p index filled with @p count paired photos and rows on one straight strip.
    Fly *filledBlock(int index, int count);
    FlyGraph *openGraph(Fly *block);

    QTemporaryDir m_dir;
    MainWindow *m_window = nullptr;
};

void TestFlyView::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
    TestEnv::muteOffscreenFades();
    qRegisterMetaType<QList<int>>();
}

void TestFlyView::init()
{
    QSettings().clear();
    UserPrompts::setInstance(new ScriptedPrompts);
    m_window = new MainWindow;
    // The photos here are names only; the check for deleted files would drop them.
    m_window->setPhotoCheckPaused(true);
    m_window->resize(1300, 800);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
}

void TestFlyView::cleanup()
{
    delete m_window;
    UserPrompts::setInstance(nullptr);
}

Fly *TestFlyView::filledBlock(int index, int count)
{
    while (m_window->blocks().size() <= index)
        m_window->on_btn_addFly_clicked();
    Fly *block = m_window->blocks().at(index);
    QList<QDateTime> dates;
    for (int i = 0; i < count; ++i)
        dates << QDateTime(QDate(2024, 5, 17), QTime(10, 0).addSecs(2 * i));
    const UnreadPhotos photos = UnreadPhotos::make(m_dir.path(), count, dates);
    block->fillFromSplit(SyntheticFlight::surveyLines(count, count), photos.entries, photos.adjs,
                         photos.dates, BlockColumns{1, 0, 0, 0}, QString());
    return block;
}

FlyGraph *TestFlyView::openGraph(Fly *block)
{
    block->findChild<QToolButton *>(QStringLiteral("btn_flyView"))->click();
    FlyGraph *graph = block->graph();
    if (graph && QTest::qWaitForWindowExposed(graph))
        return graph;
    return nullptr;
}

void TestFlyView::opensOnceAndRaises()
{
    Fly *block = filledBlock(0, 20);
    clickRow(block->tableMeta(), 2);
    clickRow(block->tableMeta(), 4, Qt::ShiftModifier);
    clickRow(block->tableMeta(), 7, Qt::ControlModifier);
    QCOMPARE(sorted(block->selection()), (QList<int>{2, 3, 4, 7}));

    FlyGraph *graph = openGraph(block);
    QVERIFY(graph);
    QCOMPARE(graph->windowTitle(), QStringLiteral("A preview of the Flight #1"));
    QVERIFY(graph->isWindow());
    QCOMPARE(graph->model(), block->data()->timemarks());
    QCOMPARE(graph->pathCurve()->data()->size(), 20);
    // The selection made before the graph existed is on it from the start.
    QCOMPARE(rangesOf(graph->pathCurve()), (Ranges{{2, 5}, {7, 8}}));

    graph->close();
    QVERIFY(!graph->isVisible());
    QCOMPARE(openGraph(block), graph);
    QCOMPARE(block->findChildren<FlyGraph *>().size(), 1);
    QVERIFY(graph->isVisible());
}

void TestFlyView::selectionBothWays()
{
    Fly *block = filledBlock(0, 60);
    FlyGraph *graph = openGraph(block);
    QVERIFY(graph);

    // Tables to graph: a click and a control-click in the photo table.
    clickRow(block->tablePhotos(), 5);
    clickRow(block->tablePhotos(), 9, Qt::ControlModifier);
    QCOMPARE(rangesOf(graph->pathCurve()), (Ranges{{5, 6}, {9, 10}}));
    QCOMPARE(sorted(block->tableMeta()->selectedRows()), (QList<int>{5, 9}));

    // Graph to tables: a rectangle over points 50 to 52, far below the tables' view.
    block->tableMeta()->scrollToTop();
    graph->findChild<QToolButton *>(QStringLiteral("btn_select"))->click();
    QCustomPlot *plot = graph->plot();
    PlotGestures::drag(plot, pixelOfRow(plot, 52.5, -20), pixelOfRow(plot, 49.5, 20));
    const QList<int> picked{50, 51, 52};
    QCOMPARE(block->selection(), picked);
    for (TableView *table : {block->tablePhotos(), block->tableMeta(), block->tablePreview()})
        QCOMPARE(sorted(table->selectedRows()), picked);
    QCOMPARE(rangesOf(graph->pathCurve()), (Ranges{{50, 53}}));
    // The picked rows are brought into view; the other tables scroll with the timemarks.
    TableView *photos = block->tablePhotos();
    const QRect row50 = photos->visualRect(photos->model()->index(50, photos->columnAt(1)));
    QVERIFY(photos->viewport()->rect().contains(row50.center()));
}

void TestFlyView::filterThenQuarantineFromGraph()
{
    Fly *block = filledBlock(0, 12);
    FlyGraph *graph = openGraph(block);
    QVERIFY(graph);

    graph->findChild<QToolButton *>(QStringLiteral("btn_filter"))->click();
    auto *filters = graph->findChild<FilterPopUp *>();
    QVERIFY(filters);
    filters->findChild<QCheckBox *>(QStringLiteral("chkb_distance"))->setChecked(true);
    filters->findChild<QCheckBox *>(QStringLiteral("chkb_gimbal"))->setChecked(false);
    filters->findChild<QCheckBox *>(QStringLiteral("chkb_exposure"))->setChecked(false);
    filters->findChild<QSpinBox *>(QStringLiteral("spn_distance"))->setValue(25);
    filters->findChild<QAbstractButton *>(QStringLiteral("btn_accept"))->click();

    // Rows 10 m apart on a straight line with 25 m: every other row thins out.
    const QList<int> marked{1, 3, 5, 7, 9};
    QTRY_COMPARE(sorted(block->tableMeta()->selectedRows()), marked);
    QTRY_VERIFY(block->tableMeta()->isEnabled()); // the pass has ended
    QCOMPARE(sorted(block->tablePhotos()->selectedRows()), marked);
    QCOMPARE(PlotGestures::rowsOf(graph->pathCurve()).size(), 12);
    QCOMPARE(rangesOf(graph->pathCurve()), (Ranges{{1, 2}, {3, 4}, {5, 6}, {7, 8}, {9, 10}}));

    graph->findChild<QToolButton *>(QStringLiteral("btn_to_quarantine"))->click();
    QCOMPARE(block->data()->timemarks()->quarantinedRows(), marked);
    const QList<bool> photoFlags = block->data()->photos()->quarantineFlags();
    for (int r = 0; r < 12; ++r)
        QCOMPARE(photoFlags.at(r), marked.contains(r));
    QCOMPARE(PlotGestures::rowsOf(graph->quarantineCurve()), marked);
    QCOMPARE(graph->quarantineCurve()->pen().color(), QColor(0x68, 0x68, 0x6a));
    QVERIFY(graph->pathCurve()->selection().isEmpty());
    QVERIFY(block->tableMeta()->selectedRows().isEmpty());
}

void TestFlyView::filterPassReplacesSelection_data()
{
    QTest::addColumn<bool>("distance");
    QTest::addColumn<bool>("cancelled");
    QTest::addColumn<QList<int>>("selected");
    const QList<int> thinned{1, 3, 5, 7, 9};
    QTest::newRow("distance pass") << true << false << thinned;
    QTest::newRow("every filter off") << false << false << QList<int>{};
    QTest::newRow("results after a cancel") << true << true << thinned;
}

void TestFlyView::filterPassReplacesSelection()
{
    QFETCH(bool, distance);
    QFETCH(bool, cancelled);
    QFETCH(QList<int>, selected);
    Fly *block = filledBlock(0, 12);
    FlyGraph *graph = openGraph(block);
    QVERIFY(graph);
    block->selectRows({0, 10, 11});
    graph->on_fltrAccept(false, -90, distance, 25, false);
    if (cancelled)
        graph->on_fltrReset();
    QTRY_VERIFY(!block->isFiltering());
    QCOMPARE(block->selection(), selected);
    QList<int> onMap;
    for (const auto &range : rangesOf(graph->pathCurve())) {
        for (int r = range.first; r < range.second; ++r)
            onMap << r;
    }
    QCOMPARE(onMap, selected);
    for (TableView *table : {block->tablePhotos(), block->tableMeta(), block->tablePreview()})
        QCOMPARE(sorted(table->selectedRows()), selected);
    // "To quarantine" takes what both show.
    graph->findChild<QToolButton *>(QStringLiteral("btn_to_quarantine"))->click();
    QCOMPARE(block->data()->quarantinedRows(), selected);
}

void TestFlyView::zoomKeptByQuarantine_data()
{
    QTest::addColumn<QString>("command"); // a button of the graph, or "remove" a row
    QTest::addColumn<int>("selected");
    QTest::addColumn<QList<int>>("quarantined");
    QTest::newRow("to quarantine") << "btn_to_quarantine" << 5 << QList<int>{3, 4, 5};
    QTest::newRow("from quarantine") << "btn_from_quarantine" << 3 << QList<int>{4};
    QTest::newRow("clear quarantine") << "btn_clear_quarantine" << 5 << QList<int>{};
    QTest::newRow("a row removed fits the view anew") << "remove" << 5 << QList<int>{};
}

void TestFlyView::zoomKeptByQuarantine()
{
    QFETCH(QString, command);
    QFETCH(int, selected);
    QFETCH(QList<int>, quarantined);
    Fly *block = filledBlock(0, 20);
    FlyGraph *graph = openGraph(block);
    QVERIFY(graph);
    auto *toQuarantine = graph->findChild<QToolButton *>(QStringLiteral("btn_to_quarantine"));
    block->selectRows({3, 4});
    toQuarantine->click();
    block->selectRows({selected});
    QCustomPlot *plot = graph->plot();
    plot->xAxis->scaleRange(0.3);
    plot->yAxis->scaleRange(0.3);
    plot->replot();
    const QCPRange x = plot->xAxis->range();
    const QCPRange y = plot->yAxis->range();

    if (command == "remove")
        block->data()->removeTimemarks({0});
    else
        graph->findChild<QToolButton *>(command)->click();
    QTest::qWait(20); // a redraw the model asked for comes from the event loop
    QCOMPARE(plot->xAxis->range() == x && plot->yAxis->range() == y, command != "remove");
    QCOMPARE(PlotGestures::rowsOf(graph->quarantineCurve()), quarantined);
}

void TestFlyView::renumberedAndClosedWithItsBlock()
{
    filledBlock(0, 5);
    Fly *second = filledBlock(1, 8);
    QPointer<FlyGraph> graph = openGraph(second);
    QVERIFY(graph);
    QCOMPARE(graph->windowTitle(), QStringLiteral("A preview of the Flight #2"));

    // A processing run disables the blocks; their graphs must not change the lists meanwhile.
    m_window->swichInterface(false);
    QVERIFY(!graph->isEnabled());
    m_window->swichInterface(true);
    QVERIFY(graph->isEnabled());

    m_window->blocks().first()->findChild<QToolButton *>(QStringLiteral("btn_closeFly"))->click();
    QCOMPARE(m_window->blocks().size(), 1);
    QCOMPARE(graph->windowTitle(), QStringLiteral("A preview of the Flight #1"));

    second->findChild<QToolButton *>(QStringLiteral("btn_closeFly"))->click();
    QVERIFY(m_window->blocks().isEmpty());
    QVERIFY(graph.isNull());
}

QTEST_MAIN(TestFlyView)
#include "testflyview.moc"
