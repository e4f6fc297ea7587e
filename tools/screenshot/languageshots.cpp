// Every window, menu, bubble and question of the program in one language, for a review of the
// catalogues: nothing left in English, nothing cut off. Runs on an X display (menus and message
// boxes are grabbed from the screen); tools/screenshots-language.sh starts it under Xvfb.
//   kestrix-languageshots --language de OUTDIR
// The language goes into a settings store of its own and the catalogues load as at start-up.

#include "app/aboutwindow.h"
#include "app/appinfo.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/dialogonadd.h"
#include "blocks/fly.h"
#include "geo/geocalc.h"
#include "graph/flygraph.h"
#include "photos/exivsetup.h"
#include "photos/viewphoto.h"
#include "settings/settingsdialog.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "testenv.h"
#include "timemarks/opentimemarkdialog.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QCommandLineParser>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTabWidget>
#include <QTableView>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QToolTip>
#include <qcustomplot.h>

#include <cstdio>
#include <functional>

namespace {

QDir g_out;
int g_failures = 0;

void settle(int ms)
{
    QTest::qWait(ms);
}

/// Everything visible on the screen that belongs to the program.
QRect visibleArea()
{
    QRect area;
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible())
            area = area.united(top->frameGeometry());
    }
    return area.adjusted(-4, -4, 4, 4).intersected(QGuiApplication::primaryScreen()->geometry());
}

void shoot(const QString &name, QRect area = QRect())
{
    if (area.isNull())
        area = visibleArea();
    const QString path = g_out.filePath(name + QStringLiteral(".png"));
    if (!ShotKit::grabScreen(area, path)) {
        ++g_failures;
        return;
    }
    std::printf("%s\n", qPrintable(path));
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->isVisible() && top->isWindow() && !top->windowTitle().isEmpty())
            std::printf("  window: %s\n", qPrintable(top->windowTitle()));
    }
}

QWidget *activeModal()
{
    if (QWidget *popup = QApplication::activePopupWidget())
        return popup;
    return QApplication::activeModalWidget();
}

/// Shoots what @p open brings up and blocks on (a menu, a message box), lets @p more act on it
/// (press its buttons, shoot again), then closes it.
void shootModal(const QString &name, const std::function<void()> &open,
                const std::function<void(QWidget *)> &more = {})
{
    QWidget *before = activeModal();
    QTimer poll;
    int waited = 0;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget *modal = activeModal();
        waited += 50;
        if ((!modal || modal == before) && waited < 3000)
            return;
        poll.stop();
        if (!modal || modal == before) {
            std::fprintf(stderr, "%s: nothing came up\n", qPrintable(name));
            ++g_failures;
            return;
        }
        settle(400);
        std::printf("  title: %s\n", qPrintable(modal->windowTitle()));
        shoot(name);
        if (more)
            more(modal);
        modal->close();
    });
    poll.start(50);
    open();
    // A call that does not block returns at once; wait for the shot either way.
    while (poll.isActive())
        settle(50);
    settle(200);
}

void openContextMenu(QWidget *widget, const QPoint &pos)
{
    QContextMenuEvent event(QContextMenuEvent::Mouse, pos, widget->mapToGlobal(pos));
    QApplication::sendEvent(widget, &event);
}

void shootMainWindow(MainWindow &window)
{
    shoot(QStringLiteral("main"));
    for (const char *name : {"menu_file", "menu_help"}) {
        auto *menu = window.findChild<QMenu *>(QLatin1String(name));
        menu->popup(window.menuBar()->mapToGlobal(
            window.menuBar()->actionGeometry(menu->menuAction()).bottomLeft()));
        settle(300);
        shoot(QStringLiteral("main-%1").arg(QLatin1String(name)));
        menu->hide();
    }
    auto *control = window.findChild<QToolButton *>(QStringLiteral("processingControl"));
    shootModal(QStringLiteral("main-processing-menu"), [control] { control->showMenu(); });

    Fly *fly = window.blocks().first();
    fly->findChild<QCheckBox *>(QStringLiteral("chkb_preview"))->click();
    settle(300);
    shoot(QStringLiteral("main-preview"));
    for (const char *name : {"tablePhotos", "tableMeta"}) {
        auto *table = fly->findChild<QTableView *>(QLatin1String(name));
        table->selectRow(2);
        const QPoint pos = table->visualRect(table->model()->index(2, 0)).center();
        shootModal(QStringLiteral("block-menu-%1").arg(QLatin1String(name)),
                   [table, pos] { openContextMenu(table->viewport(), pos); });
    }
}

void shootGraph(MainWindow &window)
{
    Fly *fly = window.blocks().first();
    QTest::mouseClick(fly->findChild<QToolButton *>(QStringLiteral("btn_flyView")), Qt::LeftButton);
    FlyGraph *graph = fly->graph();
    if (!graph || !QTest::qWaitForWindowExposed(graph)) {
        ++g_failures;
        return;
    }
    window.hide();
    graph->move(20, 20);
    graph->resize(900, 650);
    settle(400);
    shoot(QStringLiteral("graph"));
    for (const char *button : {"btn_line_color", "btn_filter", "btn_settings"}) {
        graph->findChild<QToolButton *>(QLatin1String(button))->click();
        settle(500);
        shoot(QStringLiteral("graph-%1").arg(QLatin1String(button)));
        for (QWidget *top : QApplication::topLevelWidgets()) {
            if (top != graph && top->parentWidget() == graph)
                top->hide();
        }
    }
    // The tool tips of the tool buttons, one at a time.
    for (QToolButton *button : graph->findChildren<QToolButton *>()) {
        if (button->toolTip().isEmpty() || !button->isVisible())
            continue;
        QToolTip::showText(button->mapToGlobal(button->rect().bottomLeft()), button->toolTip(),
                           button);
        settle(250);
        shoot(QStringLiteral("graph-tip-%1").arg(button->objectName()));
        QToolTip::hideText();
    }
    QCustomPlot *plot = graph->plot();
    shootModal(QStringLiteral("graph-menu-legend"),
               [plot] { openContextMenu(plot, plot->legend->outerRect().center()); });
    shootModal(QStringLiteral("graph-menu-plot"),
               [plot] { openContextMenu(plot, plot->rect().center()); });
    graph->close();
    window.show();
    settle(300);
}

void shootSettings(MainWindow &window)
{
    SettingsDialog dialog(QString(), &window);
    dialog.move(20, 20);
    dialog.show();
    if (!QTest::qWaitForWindowExposed(&dialog))
        ++g_failures;
    window.hide();
    settle(300);
    auto *tabs = dialog.findChild<QTabWidget *>(QStringLiteral("tabWidget"));
    shoot(QStringLiteral("settings-general"));
    for (const char *combo : {"combo_logging", "combo_addTimes", "combo_outSeporator"}) {
        auto *box = dialog.findChild<QComboBox *>(QLatin1String(combo));
        shootModal(QStringLiteral("settings-%1").arg(QLatin1String(combo)),
                   [box] { box->showPopup(); });
        box->hidePopup();
    }
    tabs->setCurrentIndex(1);
    settle(300);
    shoot(QStringLiteral("settings-antenna"));
    auto *buttons = dialog.findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"));
    shootModal(QStringLiteral("settings-reset-question"),
               [buttons] { buttons->button(QDialogButtonBox::Reset)->click(); });
    dialog.findChild<QSpinBox *>(QStringLiteral("spin_offsetX"))->setValue(55);
    shootModal(QStringLiteral("settings-close-question"), [&dialog] { dialog.close(); });
    // Another language, then OK: the restart notice comes in the language chosen.
    tabs->setCurrentIndex(0);
    auto *language = dialog.findChild<QComboBox *>(QStringLiteral("combo_language"));
    language->setCurrentIndex((language->currentIndex() + 1) % language->count());
    shootModal(QStringLiteral("settings-restart"),
               [buttons] { buttons->button(QDialogButtonBox::Ok)->click(); });
    dialog.close();
    window.show();
    settle(300);
}

void shootDialogs(MainWindow &window, const QStringList &photos, const QString &timemarks)
{
    window.hide();
    {
        AboutWindow about;
        about.move(20, 20);
        about.show();
        settle(400);
        shoot(QStringLiteral("about"));
    }
    {
        LogWindow log;
        log.move(20, 20);
        log.setNoTagPhotos(photos.mid(0, 3));
        log.show();
        settle(300);
        shoot(QStringLiteral("errors-refused"));
        log.setRemovedPhotos(photos.mid(3, 2));
        settle(300);
        shoot(QStringLiteral("errors-removed"));
        log.hide();
        shootModal(QStringLiteral("errors-converter"),
                   [&log] { log.setErrors(QStringLiteral("proj_create: no database context")); });
    }
    {
        DialogOnAdd onAdd;
        onAdd.move(20, 20);
        onAdd.show();
        settle(300);
        shoot(QStringLiteral("dialog-on-add"));
    }
    {
        ViewPhoto viewer;
        viewer.move(20, 20);
        viewer.resize(1000, 650);
        viewer.show();
        viewer.showPhoto(photos.first());
        settle(600);
        shoot(QStringLiteral("viewer"));
    }
    {
        GeoCalc geoCalc;
        geoCalc.initialize();
        // Metres, then degrees.
        for (const int type : {0, Keys::CoordinateTypeWgs84}) {
            {
                QSettings settings;
                Keys::CoordinateType.write(settings, type);
            }
            OpenTimeMarkDialog dialog(&geoCalc);
            dialog.move(20, 20);
            dialog.resize(1200, 650);
            dialog.show();
            dialog.chooseFile(timemarks);
            settle(1200);
            const QString suffix = type == 0 ? QStringLiteral("metric") : QStringLiteral("degrees");
            shoot(QStringLiteral("import-") + suffix);
            if (type == 0) {
                auto *table = dialog.findChild<QTableView *>(QStringLiteral("tableMeta"));
                const QPoint pos = table->visualRect(table->model()->index(3, 1)).center();
                shootModal(QStringLiteral("import-menu"),
                           [table, pos] { openContextMenu(table->viewport(), pos); });
            }
        }
        QSettings settings;
        Keys::CoordinateType.write(settings, 0);
    }
    window.show();
    settle(300);
}

/// @p window at its least width, where a longer translation runs out of room first.
void shootNarrow(QWidget &window, const QString &name)
{
    const QSize size = window.size();
    window.resize(window.minimumWidth(), size.height());
    settle(400);
    shoot(name);
    window.resize(size);
    settle(300);
}

/// A block of a timed flight, its rows imported from the file as the import dialog would.
Fly *timedBlock(MainWindow &window, const QString &dir, const FlightTiming &timing)
{
    const QStringList photos =
        SyntheticFlight::writeTimedFlight(dir, timing, SyntheticFlight::Format::Semicolon);
    // A new window starts with one empty block.
    Fly *fly = window.blocks().last();
    if (fly->data()->photos()->rowCount() > 0) {
        window.on_btn_addFly_clicked();
        fly = window.blocks().last();
    }
    if (photos.isEmpty() || !BlockFill::fill(fly, photos, dir + QStringLiteral("/timemarks.csv"))) {
        std::fprintf(stderr, "the timed flight could not be read\n");
        ++g_failures;
    }
    return fly;
}

/// The pairing check: its dialog before and after a removal and once matched, the block's
/// status with its tool tip, the question before a run, a run refused for it, the refused-photo
/// list, and the notice when the rows cannot be read again after a settings change.
void shootPairing(MainWindow &first, const QString &work)
{
    {
        QSettings settings;
        SyntheticFlight::storeColumns(settings);
        Keys::FlyOutputPreview.write(settings, false);
    }
    first.hide();
    MainWindow window;
    window.move(0, 0);
    window.resize(1300, 760);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window)) {
        ++g_failures;
        return;
    }
    // A receiver that missed a trigger and logged two releases the camera never made.
    FlightTiming timing;
    timing.shots = 40;
    timing.jitter = 0.2;
    timing.turnEvery = 12;
    timing.clockOffset = 7182.3;
    timing.droppedEvents = {17};
    timing.extraEvents = 2;
    Fly *fly = timedBlock(window, work + QStringLiteral("/timed-1"), timing);
    settle(500);
    shoot(QStringLiteral("pairing-block"));

    auto click = [](QWidget *dialog, const char *button) {
        dialog->findChild<QPushButton *>(QLatin1String(button))->click();
        settle(300);
    };
    auto checkPairing = [fly] {
        fly->findChild<QToolButton *>(QStringLiteral("btn_checkPairing"))->click();
    };
    shootModal(QStringLiteral("pairing-dialog"), checkPairing);
    // The button and the verdict beside the counts, in the narrowest window.
    shootNarrow(window, QStringLiteral("pairing-block-narrow"));
    shootModal(QStringLiteral("pairing-dialog-again"), checkPairing, [&](QWidget *dialog) {
        click(dialog, "btn_removeUnmatched");
        shoot(QStringLiteral("pairing-dialog-removed"));
        click(dialog, "btn_restore");
        click(dialog, "btn_removeUnmatched");
    });
    shoot(QStringLiteral("pairing-block-removed"));
    // Checked again: the lists pair, and the removal can still be undone.
    shootModal(QStringLiteral("pairing-dialog-matched"), [fly] { fly->onCheckPairing(); });
    auto *status = fly->findChild<QLabel *>(QStringLiteral("lbl_pairing"));
    QToolTip::showText(status->mapToGlobal(status->rect().bottomLeft()), status->toolTip(), status);
    settle(300);
    shoot(QStringLiteral("pairing-block-matched"));
    QToolTip::hideText();

    // The timemarks were edited since they were read, so a new coordinate system in the
    // settings cannot read them again.
    fly->reloadTimemarks();
    settle(400);
    shoot(QStringLiteral("settings-effect-edited-rows"));
    // The bubble would cover the status line below the blocks.
    for (QWidget *top : QApplication::topLevelWidgets()) {
        if (top->inherits("PopUp"))
            top->hide();
    }

    // Two blocks as long as their rows that lost a photo and an event each.
    FlightTiming lost = timing;
    lost.droppedEvents = {23};
    lost.droppedPhotos = {7};
    lost.extraEvents = 0;
    timedBlock(window, work + QStringLiteral("/timed-2"), lost);
    lost.droppedEvents = {30};
    timedBlock(window, work + QStringLiteral("/timed-3"), lost);
    window.checkSpace();
    settle(500);
    shootModal(QStringLiteral("pairing-question"), [&window] { window.on_fullProcessing(); });
    settle(300);
    shoot(QStringLiteral("pairing-refused-run"));
    shootNarrow(window, QStringLiteral("pairing-refused-run-narrow"));

    // Photos "Add photos" does not take, each with its reason.
    const QString odd = work + QStringLiteral("/odd");
    QDir().mkpath(odd + QStringLiteral("/folder.jpg"));
    QFile text(odd + QStringLiteral("/notes.jpg"));
    text.open(QIODevice::WriteOnly);
    text.write("not a photo\n");
    text.close();
    QFile(odd + QStringLiteral("/empty.jpg")).open(QIODevice::WriteOnly);
    PhotoSpec flat;
    flat.pitch.reset();
    flat.yaw.reset();
    flat.roll.reset();
    SyntheticFlight::writePhoto(odd + QStringLiteral("/no-attitude.jpg"), flat);
    const QStringList entries{
        odd + QStringLiteral("/notes.jpg"), odd + QStringLiteral("/empty.jpg"),
        odd + QStringLiteral("/folder.jpg"), odd + QStringLiteral("/no-attitude.jpg"),
        fly->data()->photos()->entry(0)};
    shootModal(QStringLiteral("errors-refused-photos"),
               [fly, entries] { fly->addPhotoEntries(entries); });
    window.hide();
    first.show();
    settle(300);
}

} // namespace

int main(int argc, char *argv[])
{
    AppInfo::apply();
    ExivSetup::initialize();
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    parser.addOption({QStringLiteral("language"),
                      QStringLiteral("Two-letter code of the catalogue (main/translation)."),
                      QStringLiteral("code")});
    parser.addPositionalArgument(QStringLiteral("outdir"), QStringLiteral("Folder for the PNGs."));
    parser.process(app);
    if (parser.positionalArguments().size() != 1) {
        std::fprintf(stderr, "usage: kestrix-languageshots --language CODE OUTDIR\n");
        return 2;
    }
    g_out = QDir(parser.positionalArguments().first());
    g_out.mkpath(QStringLiteral("."));

    QTemporaryDir work;
    TestEnv::isolate(work);
    {
        QSettings settings;
        Keys::OutputDir.write(settings, work.filePath(QStringLiteral("output")));
        Keys::OutputAutoOutAsInp.write(settings, false);
    }
    QDir().mkpath(work.filePath(QStringLiteral("output")));
    const auto translations = ShotKit::prepareWindows(parser.value(QStringLiteral("language")));

    MainWindow window;
    window.move(0, 0);
    window.resize(1300, 760);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    window.on_btn_addFly_clicked();
    QStringList photos;
    QStringList second;
    // The second flight lacks one timemark row, as when the receiver missed a release.
    if (!ShotKit::fillBlock(window.blocks().at(0), work.filePath(QStringLiteral("flight-1")), 20,
                            20, true, &photos) ||
        !ShotKit::fillBlock(window.blocks().at(1), work.filePath(QStringLiteral("flight-2")), 12,
                            11, true, &second)) {
        std::fprintf(stderr, "the synthetic flights could not be read\n");
        return 1;
    }
    window.checkSpace();
    settle(500); // the column fit, the repaint and the bubble
    shootMainWindow(window);
    shootGraph(window);
    shootSettings(window);
    shootDialogs(window, photos, work.filePath(QStringLiteral("flight-1/timemarks.csv")));
    shootPairing(window, work.path());
    return g_failures == 0 ? 0 : 1;
}
