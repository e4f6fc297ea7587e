// Screenshots of the pairing check in the window, for review and for the README: a block
// holding a synthetic flight whose receiver missed a trigger and logged two releases the camera
// never made, with "Check pairing" opened over the window (pairing.png), the same after
// "Remove unmatched" (pairing-removed.png), and the block once checked again (pairing-block.png);
// for review also the table menu (pairing-menu.png) and the question before a run when a second
// block has as many photos as rows that do not pair by time (pairing-warning.png).
// tools/screenshots.sh runs it:
//
//   kestrix-pairingshot OUTDIR

#include "app/mainwindow.h"
#include "app/userprompts.h"
#include "blockfill.h"
#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "blocks/pairingdialog.h"
#include "blocks/tableview.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QApplication>
#include <QDir>
#include <QMenu>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <cstdio>
#include <functional>

namespace {

/// The window with @p dialog drawn where it stands over it, framed as a window manager would.
QImage over(QWidget &window, QWidget &dialog)
{
    QTest::qWait(300);
    QImage shot = window.grab().toImage();
    QPainter painter(&shot);
    const QPoint at = dialog.pos() - window.pos();
    const QRect frame(at, dialog.size());
    painter.fillRect(frame.translated(4, 4), QColor(0, 0, 0, 60));
    painter.drawPixmap(at, dialog.grab());
    painter.setPen(QColor(0x3b, 0x40, 0x45));
    painter.drawRect(frame.adjusted(-1, -1, 0, 0));
    return shot;
}

/// Shows the pairing dialog, menus and questions without a modal loop and grabs them.
class ShowDialog : public UserPrompts
{
public:
    std::function<void(PairingDialog &)> act;
    QString menuShot;
    QString questionShot;

    QAction *execMenu(QMenu &menu, const QPoint &globalPos) override
    {
        menu.popup(globalPos);
        QTest::qWait(300);
        ShotKit::save(menu.grab().toImage(), menuShot);
        menu.close();
        return nullptr;
    }
    QMessageBox::StandardButton question(QWidget *parent, const QString &title, const QString &text,
                                         QMessageBox::StandardButtons buttons) override
    {
        QMessageBox box(QMessageBox::Information, title, text, buttons, parent);
        box.show();
        QTest::qWait(300);
        ShotKit::save(box.grab().toImage(), questionShot);
        return QMessageBox::No;
    }

    int exec(QDialog &dialog) override
    {
        auto *pairing = qobject_cast<PairingDialog *>(&dialog);
        if (!pairing || !act)
            return QDialog::Rejected;
        dialog.show();
        act(*pairing);
        dialog.hide();
        return QDialog::Accepted;
    }
};

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kestrix-pairingshot OUTDIR\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir work;
    TestEnv::isolate(work);
    const auto english = ShotKit::prepareWindows();
    const QDir survey(ShotKit::surveyFolder());
    {
        QSettings s;
        SyntheticFlight::storeColumns(s);
        Keys::OutputDir.write(s, survey.filePath(QStringLiteral("output")));
        Keys::FlyOutputPreview.write(s, false);
    }
    QDir().mkpath(survey.filePath(QStringLiteral("output")));

    FlightTiming timing;
    timing.shots = 60;
    timing.jitter = 0.2;
    timing.turnEvery = 12;
    timing.clockOffset = 7182.3;
    timing.droppedEvents = {17};
    timing.extraEvents = 2;
    timing.seed = 1;
    const QString flight = survey.filePath(QStringLiteral("flight-1"));
    const QStringList photos =
        SyntheticFlight::writeTimedFlight(flight, timing, SyntheticFlight::Format::Semicolon);
    if (photos.isEmpty()) {
        std::fprintf(stderr, "cannot write the flight\n");
        return 1;
    }

    auto *prompts = new ShowDialog;
    UserPrompts::setInstance(prompts);
    MainWindow window;
    window.resize(1300, 640);
    window.move(0, 0);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window))
        return 1;
    Fly *fly = window.blocks().first();
    if (!BlockFill::fill(fly, photos, flight + "/timemarks.csv"))
        return 1;
    QTest::qWait(300);

    bool ok = true;
    prompts->act = [&](PairingDialog &dialog) {
        dialog.move(window.pos() + QPoint((window.width() - dialog.width()) / 2, 150));
        ok = ShotKit::save(over(window, dialog), out.filePath(QStringLiteral("pairing.png"))) && ok;
        dialog.findChild<QPushButton *>(QStringLiteral("btn_removeUnmatched"))->click();
        ok = ShotKit::save(over(window, dialog),
                           out.filePath(QStringLiteral("pairing-removed.png"))) &&
             ok;
    };
    fly->findChild<QToolButton *>(QStringLiteral("btn_checkPairing"))->click();
    // Checked again after the removal: the block says it pairs.
    prompts->act = [](PairingDialog &) {};
    fly->onCheckPairing();
    QTest::qWait(300);
    ok =
        ShotKit::save(window.grab().toImage(), out.filePath(QStringLiteral("pairing-block.png"))) &&
        ok;
    prompts->menuShot = out.filePath(QStringLiteral("pairing-menu.png"));
    fly->tablePhotos()->setCurrentIndex(fly->data()->photos()->index(0, 0));
    fly->on_tablePhotos_customContextMenuRequested(QPoint(40, 40));

    // A second flight: a photo and an event lost, as many photos as rows.
    FlightTiming lost = timing;
    lost.droppedEvents = {23};
    lost.droppedPhotos = {7};
    lost.extraEvents = 0;
    const QString second = survey.filePath(QStringLiteral("flight-2"));
    const QStringList secondPhotos =
        SyntheticFlight::writeTimedFlight(second, lost, SyntheticFlight::Format::Semicolon);
    window.on_btn_addFly_clicked();
    if (!BlockFill::fill(window.blocks().last(), secondPhotos, second + "/timemarks.csv"))
        return 1;
    prompts->questionShot = out.filePath(QStringLiteral("pairing-warning.png"));
    window.on_fullProcessing();
    QTest::qWait(300);
    ok = ShotKit::save(window.grab().toImage(),
                       out.filePath(QStringLiteral("pairing-refused.png"))) &&
         ok;
    UserPrompts::setInstance(nullptr);
    ShotKit::removeSurveyFolder();
    return ok ? 0 : 1;
}
