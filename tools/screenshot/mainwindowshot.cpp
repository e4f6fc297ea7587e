// Makes the README's picture of the main window: two blocks filled from synthetic flights, the
// window grabbed into a PNG. Drives the window through its own interface, like a test, so the
// program itself needs no switch for it. Run through tools/screenshots.sh.
//
// With --fly-view FILE (on an X display) it also opens the first block's flight graph beside
// the window, quarantines the rows of one rectangle on the map, selects those of another, and
// writes the screen with both windows into FILE.

#include "app/aboutwindow.h"
#include "app/appinfo.h"
#include "app/mainwindow.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "graph/flygraph.h"
#include "photos/exivsetup.h"
#include "plotgestures.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "testenv.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QDir>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <qcustomplot.h>

#include <cstdio>

namespace {

/// Drags a selection rectangle on the plot between two map positions (metres).
void dragOnMap(QCustomPlot *plot, QPointF fromMetres, QPointF toMetres)
{
    const auto pixel = [plot](QPointF m) {
        return QPoint(int(plot->xAxis->coordToPixel(m.x())), int(plot->yAxis->coordToPixel(m.y())));
    };
    PlotGestures::drag(plot, pixel(fromMetres), pixel(toMetres));
    QTest::qWait(100);
}

/// The first block's graph beside the window, with quarantined and selected rows.
bool shootFlyView(MainWindow &window, const QString &path)
{
    Fly *fly = window.blocks().first();
    // Strips flown back and forth make a path worth looking at; the dates stay.
    QList<Line> rows = fly->data()->timemarks()->rows();
    const QList<Line> survey = SyntheticFlight::surveyLines(rows.size(), 5);
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].x = survey.at(i).x;
        rows[i].y = survey.at(i).y;
    }
    fly->data()->addTimemarks(rows, true);
    window.move(0, 0);
    QTest::mouseClick(fly->findChild<QToolButton *>(QStringLiteral("btn_flyView")), Qt::LeftButton);
    FlyGraph *graph = fly->graph();
    if (!graph || !QTest::qWaitForWindowExposed(graph))
        return false;
    graph->move(window.frameGeometry().right() + 8, 0);
    graph->resize(700, window.frameGeometry().height());
    QTest::qWait(300);
    QTest::mouseClick(graph->findChild<QToolButton *>(QStringLiteral("btn_select")),
                      Qt::LeftButton);
    QCustomPlot *plot = graph->plot();
    // Rows 10 m apart along the strips, strips 40 m apart from (500000, 6000000).
    dragOnMap(plot, {500070.0, 6000045.0}, {500090.0, 6000025.0});
    QTest::mouseClick(graph->findChild<QToolButton *>(QStringLiteral("btn_to_quarantine")),
                      Qt::LeftButton);
    dragOnMap(plot, {500110.0, 6000035.0}, {500130.0, 6000005.0});
    QTest::qWait(300);
    return ShotKit::grabScreen(window.frameGeometry().united(graph->frameGeometry()), path);
}

} // namespace

int main(int argc, char *argv[])
{
    AppInfo::apply();
    ExivSetup::initialize();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption(
        {QStringLiteral("out"), QStringLiteral("PNG file to write."), QStringLiteral("file")});
    parser.addOption({QStringLiteral("size"),
                      QStringLiteral("Window size, WxH (default 1300x760)."),
                      QStringLiteral("size"), QStringLiteral("1300x760")});
    parser.addOption({QStringLiteral("fly-view"),
                      QStringLiteral("Also write the screen with the first block's flight graph "
                                     "into this PNG file (needs an X display)."),
                      QStringLiteral("file")});
    parser.addOption({QStringLiteral("about"),
                      QStringLiteral("Also write the about box into this PNG file."),
                      QStringLiteral("file")});
    parser.process(app);
    if (!parser.isSet(QStringLiteral("out"))) {
        std::fprintf(stderr, "--out is required\n");
        return 2;
    }
    const QStringList wh = parser.value(QStringLiteral("size")).split(QLatin1Char('x'));

    // A settings store of its own: the picture shows defaults, and the user's settings stay.
    QTemporaryDir work;
    TestEnv::isolate(work);
    const auto english = ShotKit::prepareWindows();
    const QString survey = ShotKit::surveyFolder();
    QDir().mkpath(survey + QStringLiteral("/output"));
    {
        QSettings settings;
        Keys::OutputDir.write(settings, survey + QStringLiteral("/output"));
        Keys::OutputAutoOutAsInp.write(settings, false);
    }

    MainWindow window;
    window.resize(wh.value(0).toInt(), wh.value(1).toInt());
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.on_btn_addFly_clicked();
    // The second flight lacks one timemark row, as when the receiver missed a release.
    if (!ShotKit::fillBlock(window.blocks().at(0), survey + QStringLiteral("/flight-1"), 20, 20) ||
        !ShotKit::fillBlock(window.blocks().at(1), survey + QStringLiteral("/flight-2"), 12, 11)) {
        std::fprintf(stderr, "the synthetic flights could not be read\n");
        return 1;
    }
    window.checkSpace();
    QTest::qWait(300); // the column fit and the repaint
    if (parser.isSet(QStringLiteral("about"))) {
        AboutWindow about(&window);
        about.show();
        if (!QTest::qWaitForWindowExposed(&about) ||
            !ShotKit::save(about.grab().toImage(), parser.value(QStringLiteral("about"))))
            return 1;
    }
    const bool saved =
        ShotKit::save(window.grab().toImage(), parser.value(QStringLiteral("out"))) &&
        (!parser.isSet(QStringLiteral("fly-view")) ||
         shootFlyView(window, parser.value(QStringLiteral("fly-view"))));
    ShotKit::removeSurveyFolder();
    return saved ? 0 : 1;
}
