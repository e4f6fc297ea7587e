#include "app/guiresources.h"
#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "graph/chartpopup.h"
#include "graph/filterpopup.h"
#include "graph/flygraph.h"
#include "graph/settingspopup.h"
#include "logcapture.h"
#include "photos/photomodel.h"
#include "plotgestures.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "unreadphotos.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QColorDialog>
#include <QSettings>
#include <QSignalSpy>
#include <QSpinBox>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>
#include <qcustomplot.h>

using Ranges = QList<QPair<int, int>>;
using PlotGestures::pixelOf;
using PlotGestures::rangesOf;
using PlotGestures::rowsOf;

namespace {

/// One straight strip north, 10 m between rows: row i at northing 6000000 + 10 i.
QList<Line> strip(int count)
{
    return SyntheticFlight::surveyLines(count, count);
}

template <typename T> T *child(QObject *parent, const char *name)
{
    return parent->findChild<T *>(QString::fromLatin1(name));
}

} // namespace

class TestFlyGraph : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void openGlAskedOnce();
    void emptyModelThenFirstRow();
    void quarantineDots_data();
    void quarantineDots();
    void selectionFromBlock_data();
    void selectionFromBlock();
    void dragOverPoints_data();
    void dragOverPoints();
    void axesAndClickMessage_data();
    void axesAndClickMessage();
    void fitShowsAllAtOneToOne_data();
    void fitShowsAllAtOneToOne();
    void rowRemovalsRedrawOnce();
    void curveLooks_data();
    void curveLooks();
    void filterThenQuarantineThroughBlock();

private:
    QTemporaryDir m_dir;
};

void TestFlyGraph::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
    TestEnv::muteOffscreenFades();
    qRegisterMetaType<QList<int>>();
}

void TestFlyGraph::init()
{
    QSettings settings;
    settings.clear();
    settings.sync();
}

void TestFlyGraph::openGlAskedOnce()
{
    // First in this process: no graph has asked before.
    LogCapture log;
    CustomTableModel model;
    model.appendRows(strip(5));
    for (int i = 0; i < 2; ++i) {
        FlyGraph graph(i + 1);
        graph.setModel(&model);
        graph.fullUpdateGrah();
        child<QToolButton>(&graph, "btn_settings")->click();
        auto *settings = graph.findChild<SettingsPopUp *>();
        child<QSpinBox>(settings, "spn_multisampling")->setValue(3 + i);
        child<QAbstractButton>(settings, "btn_accept")->click();
        QCOMPARE(Keys::GraphMultisampling.read(QSettings()), 3 + i);
    }
    FlyGraph graph(3);
    child<QToolButton>(&graph, "btn_settings")->click();
    auto *samples = child<QSpinBox>(graph.findChild<SettingsPopUp *>(), "spn_multisampling");
    QCOMPARE(samples->value(), 4);
    samples->setValue(9);
    child<QAbstractButton>(graph.findChild<SettingsPopUp *>(), "btn_cancel")->click();
    QCOMPARE(samples->value(), 4);
    QCOMPARE(Keys::GraphMultisampling.read(QSettings()), 4);
    QCOMPARE(log.lines().filter(QStringLiteral("Flight graph")).size(), 1);
    QVERIFY(log.lines().filter(QStringLiteral("QCUSTOMPLOT_USE_OPENGL")).size() <= 1);
}

void TestFlyGraph::emptyModelThenFirstRow()
{
    CustomTableModel model;
    FlyGraph graph(3);
    QCOMPARE(graph.windowTitle(), QStringLiteral("A preview of the Flight #3"));
    graph.setModel(&model);
    QVERIFY(graph.pathCurve()->data()->isEmpty());
    QVERIFY(graph.quarantineCurve()->data()->isEmpty());

    model.appendRow(strip(1).first());
    QTRY_COMPARE(graph.pathCurve()->data()->size(), 1);
    QCOMPARE(graph.pathCurve()->data()->at(0)->value, 6000000.0);
}

void TestFlyGraph::quarantineDots_data()
{
    QTest::addColumn<bool>("fromModel"); // else the block's list
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("dots");
    QTest::newRow("flags in the model") << true << QList<int>{3, 4} << QList<int>{3, 4};
    QTest::newRow("the block's list") << false << QList<int>{4, 3} << QList<int>{3, 4};
    QTest::newRow("rows past the end") << false << QList<int>{19, 20, -1} << QList<int>{19};
}

void TestFlyGraph::quarantineDots()
{
    QFETCH(bool, fromModel);
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, dots);
    CustomTableModel model;
    model.appendRows(SyntheticFlight::surveyLines(20, 5));
    FlyGraph graph(1);
    graph.setModel(&model);
    QVector<QCPCurveData> before(graph.pathCurve()->data()->constBegin(),
                                 graph.pathCurve()->data()->constEnd());
    if (fromModel)
        model.setQuarantine(rows);
    else
        graph.setQuarantine(rows);

    const QCPCurve *quarantine = graph.quarantineCurve();
    QCOMPARE(rowsOf(quarantine), dots);
    for (int i = 0; i < dots.size(); ++i) {
        const Line &line = model.rows().at(dots.at(i));
        QCOMPARE(quarantine->data()->at(i)->key, line.x);
        QCOMPARE(quarantine->data()->at(i)->value, line.y);
    }
    // Drawn after the path, so on top of it, and the path keeps every row.
    QVERIFY(graph.plot()->plottable(1) == quarantine);
    QCOMPARE(rowsOf(graph.pathCurve()).size(), 20);
    const auto *path = graph.pathCurve()->data().data();
    for (int i = 0; i < before.size(); ++i)
        QVERIFY(path->at(i)->key == before.at(i).key && path->at(i)->value == before.at(i).value);
}

void TestFlyGraph::selectionFromBlock_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<Ranges>("ranges");
    QTest::newRow("two runs") << QList<int>{2, 3, 4, 7} << Ranges{{2, 5}, {7, 8}};
    QTest::newRow("in the order of arrival, repeated")
        << QList<int>{7, 2, 4, 3, 3} << Ranges{{2, 5}, {7, 8}};
    QTest::newRow("rows past the end") << QList<int>{18, 19, 25, -2} << Ranges{{18, 20}};
    QTest::newRow("none clears") << QList<int>{} << Ranges{};
}

void TestFlyGraph::selectionFromBlock()
{
    QFETCH(QList<int>, rows);
    QFETCH(Ranges, ranges);
    CustomTableModel model;
    model.appendRows(strip(20));
    FlyGraph graph(1);
    graph.setModel(&model);
    graph.setSelected({0, 1});
    QSignalSpy toSelect(&graph, &FlyGraph::toSelect);

    graph.setSelected(rows);
    QCOMPARE(rangesOf(graph.pathCurve()->selection()), ranges);
    // The block's own selection is not sent back to it.
    QCOMPARE(toSelect.count(), 0);
}

void TestFlyGraph::dragOverPoints_data()
{
    QTest::addColumn<bool>("selectMode");
    QTest::addColumn<QList<QList<int>>>("sent");
    QTest::newRow("selecting") << true << QList<QList<int>>{{10, 11, 12}};
    QTest::newRow("moving pans instead") << false << QList<QList<int>>{};
}

void TestFlyGraph::dragOverPoints()
{
    QFETCH(bool, selectMode);
    QFETCH(QList<QList<int>>, sent);
    CustomTableModel model;
    model.appendRows(strip(30));
    FlyGraph graph(1);
    graph.resize(816, 572);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    graph.setModel(&model);
    child<QToolButton>(&graph, selectMode ? "btn_select" : "btn_move")->click();
    QCOMPARE(child<QToolButton>(&graph, "btn_select")->isChecked(), selectMode);
    QCOMPARE(child<QToolButton>(&graph, "btn_move")->isChecked(), !selectMode);

    // Mouse events sent to the plot: the rectangle runs from above row 12 to below row 10.
    QCustomPlot *plot = graph.plot();
    const QCPRange before = plot->yAxis->range();
    const QPoint top = pixelOf(plot, 500000.0, 6000125.0) - QPoint(20, 0);
    const QPoint bottom = pixelOf(plot, 500000.0, 6000095.0) + QPoint(20, 0);
    QSignalSpy toSelect(&graph, &FlyGraph::toSelect);
    PlotGestures::drag(plot, top, bottom);

    QList<QList<int>> received;
    for (const QList<QVariant> &arguments : toSelect)
        received << arguments.at(0).value<QList<int>>();
    QCOMPARE(received, sent);
    QCOMPARE(plot->yAxis->range() != before, !selectMode);
}

void TestFlyGraph::axesAndClickMessage_data()
{
    QTest::addColumn<int>("coordinateType");
    QTest::addColumn<QString>("xLabel");
    QTest::addColumn<QString>("yLabel");
    QTest::addColumn<QString>("tickPattern");
    QTest::addColumn<QString>("message");
    QTest::newRow("UTM") << 0 << "East"
                         << "North"
                         << "^\\d+(\\.\\d{1,2})?$"
                         << "Clicked at data point #6 with North 6000050.000 and East 500000.000.";
    QTest::newRow("WGS 84")
        << 2 << "Longitude"
        << "Latitude"
        << "^\\d+\\.\\d{6}$"
        << "Clicked at data point #6 with Latitude 6000050.000 and Longitude 500000.000.";
}

void TestFlyGraph::axesAndClickMessage()
{
    QFETCH(int, coordinateType);
    QFETCH(QString, xLabel);
    QFETCH(QString, yLabel);
    QFETCH(QString, tickPattern);
    QFETCH(QString, message);
    QSettings settings;
    Keys::CoordinateType.write(settings, coordinateType);
    CustomTableModel model;
    model.appendRows(SyntheticFlight::surveyLines(400));
    FlyGraph graph(1);
    graph.resize(816, 572);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    graph.setModel(&model);

    QCustomPlot *plot = graph.plot();
    QCOMPARE(plot->xAxis->label(), xLabel);
    QCOMPARE(plot->yAxis->label(), yLabel);
    const QRegularExpression tick(tickPattern);
    for (QCPAxis *axis : {plot->xAxis, plot->yAxis}) {
        const QVector<QString> labels = axis->tickVectorLabels();
        // A label per row would be 400; a readable axis has a handful.
        QVERIFY2(labels.size() >= 2 && labels.size() <= 10, qPrintable(axis->label()));
        for (const QString &label : labels)
            QVERIFY2(tick.match(label).hasMatch(), qPrintable(label));
    }

    QTest::mouseClick(plot, Qt::LeftButton, Qt::NoModifier, pixelOf(plot, 500000.0, 6000050.0));
    QCOMPARE(graph.statusBar()->currentMessage(), message);
}

void TestFlyGraph::fitShowsAllAtOneToOne_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("perStrip");
    QTest::addColumn<QSize>("size");
    QTest::newRow("tall path, wide window") << 60 << 60 << QSize(1200, 500);
    QTest::newRow("wide path, tall window") << 400 << 4 << QSize(600, 900);
    QTest::newRow("one point") << 1 << 1 << QSize(816, 572);
}

void TestFlyGraph::fitShowsAllAtOneToOne()
{
    QFETCH(int, count);
    QFETCH(int, perStrip);
    QFETCH(QSize, size);
    CustomTableModel model;
    model.appendRows(SyntheticFlight::surveyLines(count, perStrip));
    FlyGraph graph(1);
    graph.resize(size);
    graph.show();
    QVERIFY(QTest::qWaitForWindowExposed(&graph));
    graph.setModel(&model);

    QCustomPlot *plot = graph.plot();
    const auto metreLengths = [plot] {
        return qMakePair(plot->axisRect()->width() / plot->xAxis->range().size(),
                         plot->axisRect()->height() / plot->yAxis->range().size());
    };
    const auto [xScale, yScale] = metreLengths();
    QVERIFY2(qAbs(xScale / yScale - 1.0) < 0.01, qPrintable(QString::number(xScale / yScale)));
    const QRectF legend = plot->legend->outerRect();
    for (const Line &line : model.rows()) {
        QVERIFY(plot->xAxis->range().contains(line.x));
        QVERIFY(plot->yAxis->range().contains(line.y));
        QVERIFY(!legend.contains(pixelOf(plot, line.x, line.y)));
    }

    // A resize keeps one metre equally long on both axes.
    graph.resize(size.height(), size.width());
    const bool nowTall = size.width() > size.height();
    QTRY_VERIFY((plot->axisRect()->width() < plot->axisRect()->height()) == nowTall);
    plot->replot();
    const auto [xAfter, yAfter] = metreLengths();
    QVERIFY2(qAbs(xAfter / yAfter - 1.0) < 0.01, qPrintable(QString::number(xAfter / yAfter)));
}

void TestFlyGraph::rowRemovalsRedrawOnce()
{
    CustomTableModel model;
    model.appendRows(strip(300));
    FlyGraph graph(1);
    graph.setModel(&model);
    QCoreApplication::processEvents(); // the plot's own first replot
    QSignalSpy replots(graph.plot(), &QCustomPlot::afterReplot);
    QList<int> odd;
    for (int r = 1; r < 300; r += 2)
        odd << r;
    model.removeRows(odd); // one notification per row
    QTRY_COMPARE(graph.pathCurve()->data()->size(), 150);
    QCOMPARE(replots.count(), 1);
}

void TestFlyGraph::curveLooks_data()
{
    QTest::addColumn<QVariantList>("storedColor"); // of the quarantine dots; empty: none
    QTest::addColumn<int>("storedSize");           // -1: none
    QTest::addColumn<QString>("button");           // a ChartPopUp opened by it; empty: none
    QTest::addColumn<QString>("popUpButton");
    QTest::addColumn<QColor>("pathColor");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<double>("outline");
    const QColor blue(0x20, 0x9f, 0xdf);
    const QColor grey(0x68, 0x68, 0x6a);
    const QColor picked(10, 20, 30, 128);
    QTest::newRow("defaults") << QVariantList{} << -1 << ""
                              << "" << blue << grey << 1.0;
    QTest::newRow("size 2 is one pixel, three channels opaque")
        << QVariantList{10, 20, 30} << 2 << ""
        << "" << blue << QColor(10, 20, 30) << 1.0;
    QTest::newRow("saved for the dots") << QVariantList{1, 1, 1} << 7 << "btn_quarantine_color"
                                        << "btn_accept" << blue << picked << 3.0;
    QTest::newRow("saved for the path") << QVariantList{1, 1, 1} << 7 << "btn_line_color"
                                        << "btn_accept" << picked << QColor(1, 1, 1) << 6.0;
    QTest::newRow("reset") << QVariantList{1, 1, 1} << 7 << "btn_line_color"
                           << "btn_reset" << blue << grey << 1.0;
}

void TestFlyGraph::curveLooks()
{
    QFETCH(QVariantList, storedColor);
    QFETCH(int, storedSize);
    QFETCH(QString, button);
    QFETCH(QString, popUpButton);
    QFETCH(QColor, pathColor);
    QFETCH(QColor, color);
    QFETCH(double, outline);
    QSettings settings;
    if (!storedColor.isEmpty())
        Keys::ChartColorQuarantine.write(settings, storedColor);
    if (storedSize >= 0)
        Keys::ChartSizeQuarantine.write(settings, storedSize);
    CustomTableModel model;
    if (!button.isEmpty()) {
        FlyGraph graph(1);
        graph.setModel(&model);
        graph.findChild<QToolButton *>(button)->click();
        auto *popUp = graph.findChild<ChartPopUp *>();
        QVERIFY(popUp && popUp->isVisible());
        popUp->colorPicker()->setCurrentColor(QColor(10, 20, 30, 128));
        popUp->sizeBox()->setValue(4);
        popUp->findChild<QAbstractButton *>(popUpButton)->click();
    }
    // A graph made afterwards, as after a restart.
    FlyGraph graph(1);
    graph.setModel(&model);
    QCOMPARE(graph.pathCurve()->pen().color(), pathColor);
    QCOMPARE(graph.quarantineCurve()->pen().color(), color);
    QCOMPARE(graph.quarantineCurve()->pen().widthF(), outline);
    QCOMPARE(graph.pathCurve()->selectionDecorator()->pen(), QPen(Qt::red, 2));
    const QImage icon = child<QToolButton>(&graph, "btn_quarantine_color")
                            ->icon()
                            .pixmap(22, 22)
                            .toImage()
                            .convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(icon.pixelColor(11, 11).rgb(), color.rgb());
}

void TestFlyGraph::filterThenQuarantineThroughBlock()
{
    // The block's side of the wiring, done here with the core block.
    GeoCalc geo(true);
    FlyData fly(1, &geo);
    const int count = 12;
    QList<QDateTime> dates;
    for (int i = 0; i < count; ++i)
        dates << QDateTime(QDate(2024, 5, 17), QTime(10, 0, i));
    const UnreadPhotos photos = UnreadPhotos::make(m_dir.path(), count, dates);
    fly.photos()->appendPhotos(photos.entries, photos.adjs, photos.dates);
    fly.timemarks()->appendRows(strip(count));
    fly.updateLabels();
    FlyGraph graph(1);
    graph.setModel(fly.timemarks());
    QList<int> selection;
    connect(&graph, &FlyGraph::swichEnabledFilter, &fly,
            [&fly](int filter, bool on) { fly.setFilterEnabled(FlyData::Filter(filter), on); });
    connect(&graph, &FlyGraph::acceptFilter, &fly, &FlyData::runFilters);
    connect(&fly, &FlyData::filterRowsFound, &graph, [&](const QList<int> &rows) {
        selection << rows;
        graph.setSelected(selection);
    });
    connect(&graph, &FlyGraph::intoQuarantine, &fly, [&] {
        fly.addQuarantine(selection);
        selection.clear();
        graph.setSelected(selection);
        graph.setQuarantine(fly.quarantinedRows());
    });

    QSignalSpy switches(&graph, &FlyGraph::swichEnabledFilter);
    auto *filterButton = child<QToolButton>(&graph, "btn_filter");
    filterButton->click();
    auto *filters = graph.findChild<FilterPopUp *>();
    QVERIFY(filters && filters->isVisible());
    filterButton->click(); // a second click closes it
    QTRY_VERIFY(!filters->isVisible());
    filterButton->click();
    child<QCheckBox>(filters, "chkb_distance")->setChecked(true);
    child<QCheckBox>(filters, "chkb_exposure")->setChecked(false);
    child<QSpinBox>(filters, "spn_distance")->setValue(25);
    child<QAbstractButton>(filters, "btn_accept")->click();
    QCOMPARE(Keys::FiltersValue.read(QSettings()), 25);
    QCOMPARE(switches, (QList<QVariantList>{{0, true}, {1, false}, {2, false}}));
    // Rows 10 m apart on a straight line with 25 m: every other row thins out.
    const QList<int> marked{1, 3, 5, 7, 9};
    QTRY_COMPARE(rangesOf(graph.pathCurve()->selection()).size(), marked.size());
    QCOMPARE(selection, marked);

    child<QToolButton>(&graph, "btn_to_quarantine")->click();
    QCOMPARE(fly.timemarks()->quarantinedRows(), marked);
    QCOMPARE(fly.photos()->quarantineFlags().count(true), marked.size());
    QCOMPARE(rowsOf(graph.quarantineCurve()), marked);
    QVERIFY(graph.pathCurve()->selection().isEmpty());
}

QTEST_MAIN(TestFlyGraph)
#include "testflygraph.moc"
