// Screenshots of the flight graph for review and for the README: a synthetic survey flight
// with a selection and quarantined rows, in metres and in WGS 84, and each option bubble.
// tools/screenshots.sh runs it for docs/graph.png; for the whole set, on an X display:
//
//   kestrix-graphshot OUTDIR [ROWS]
//
// writes OUTDIR/graph-metric.png, graph-wgs84.png, popup-chart.png, popup-filter.png,
// popup-settings.png, menu-legend.png and menu-plot.png (legend moved to the bottom left).

#include "blocks/customtablemodel.h"
#include "graph/flygraph.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "testenv.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QSettings>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>
#include <qcustomplot.h>

namespace {

void settle(int ms)
{
    QTest::qWait(ms);
}

QRect frameOf(const QWidget *window)
{
    return window->frameGeometry();
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const auto english = ShotKit::prepareWindows();
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: kestrix-graphshot OUTDIR [ROWS]\n");
        return 2;
    }
    const QDir out(args.at(1));
    QDir().mkpath(out.path());
    const int rows = args.size() > 2 ? args.at(2).toInt() : 200;

    QTemporaryDir settingsDir;
    TestEnv::isolate(settingsDir);
    QSettings settings;

    CustomTableModel model;
    model.appendRows(SyntheticFlight::surveyLines(rows));
    const QList<int> quarantined{17, 18, 19, 61, 140};
    model.setQuarantine(quarantined);
    QList<int> selected;
    for (int r = 75; r < 100; ++r)
        selected << r;
    selected << 3 << 4 << 160;

    FlyGraph graph(1);
    graph.move(40, 40);
    graph.show();
    if (!QTest::qWaitForWindowExposed(&graph))
        return 1;
    graph.setModel(&model);
    graph.setSelected(selected);
    graph.setQuarantine(quarantined);
    settle(400);
    bool ok =
        ShotKit::grabScreen(frameOf(&graph), out.filePath(QStringLiteral("graph-metric.png")));

    Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    settings.sync();
    graph.fullUpdateGrah();
    settle(400);
    ok =
        ShotKit::grabScreen(frameOf(&graph), out.filePath(QStringLiteral("graph-wgs84.png"))) && ok;

    const struct
    {
        const char *button;
        const char *file;
    } popups[] = {{"btn_line_color", "popup-chart.png"},
                  {"btn_filter", "popup-filter.png"},
                  {"btn_settings", "popup-settings.png"}};
    for (const auto &popup : popups) {
        auto *button = graph.findChild<QToolButton *>(QString::fromLatin1(popup.button));
        button->click();
        settle(600);
        QRect area = frameOf(&graph);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != &graph && top->isVisible() && top->parentWidget() == &graph)
                area = area.united(top->frameGeometry());
        }
        ok = ShotKit::grabScreen(area.adjusted(-10, -10, 10, 10),
                                 out.filePath(QString::fromLatin1(popup.file))) &&
             ok;
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != &graph && top->parentWidget() == &graph)
                top->hide();
        }
        settle(200);
    }

    // The context menus, then the legend moved to the bottom left and the view fitted again.
    QCustomPlot *plot = graph.plot();
    const auto openMenu = [plot](const QPoint &pos) -> QMenu * {
        QContextMenuEvent event(QContextMenuEvent::Mouse, pos, plot->mapToGlobal(pos));
        QApplication::sendEvent(plot, &event);
        settle(300);
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (auto *menu = qobject_cast<QMenu *>(top); menu && menu->isVisible())
                return menu;
        }
        return nullptr;
    };
    const QRect legend = plot->legend->outerRect();
    QMenu *menu = openMenu(legend.center());
    if (!menu)
        return 1;
    ok = ShotKit::grabScreen(frameOf(&graph).united(menu->frameGeometry()),
                             out.filePath(QStringLiteral("menu-legend.png"))) &&
         ok;
    for (QAction *action : menu->actions()) {
        if (action->data().toInt() == int(Qt::AlignBottom | Qt::AlignLeft))
            action->trigger();
    }
    menu->close();
    graph.findChild<QToolButton *>(QStringLiteral("btn_zoomReset"))->click();
    menu = openMenu(QPoint(plot->width() / 2, plot->height() / 3));
    if (!menu)
        return 1;
    ok = ShotKit::grabScreen(frameOf(&graph).united(menu->frameGeometry()),
                             out.filePath(QStringLiteral("menu-plot.png"))) &&
         ok;
    menu->close();
    return ok ? 0 : 1;
}
