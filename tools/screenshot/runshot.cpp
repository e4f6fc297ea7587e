// Screenshots of a run from the window, for review and for the README: a synthetic flight
// processed with "Processing", grabbed while it goes (progress, "Break"), when it has ended
// (the finished label), and once more after a run in which a photo vanished from disk (the
// error list naming it). tools/screenshots.sh runs it:
//
//   kestrix-runshot OUTDIR [--language CODE]
//
// writes OUTDIR/run-progress.png, run-finished.png, run-report.png, run-report-list.png and
// run-stopping.png (the window closed during a run, waiting for the job).

#include "app/customtoolbutton.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "app/userprompts.h"
#include "blockfill.h"
#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "photos/photomodel.h"
#include "processing/fileswork.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QApplication>
#include <QDir>
#include <QSemaphore>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>
#include <cstdio>

namespace {

int failed(const char *what)
{
    std::fprintf(stderr, "kestrix-runshot: %s\n", what);
    return 1;
}

/// Answers the exit question as the operator would who wants to leave.
class AnswerYes : public UserPrompts
{
public:
    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &,
                                         QMessageBox::StandardButtons) override
    {
        return QMessageBox::Yes;
    }
};

bool save(QWidget *widget, const QString &path)
{
    QTest::qWait(300); // the last labels and the repaint
    return ShotKit::save(widget->grab().toImage(), path);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: kestrix-runshot OUTDIR [--language CODE]\n");
        return 2;
    }
    const QDir out(QString::fromLocal8Bit(argv[1]));
    QDir().mkpath(out.path());
    QTemporaryDir work;
    TestEnv::isolate(work);
    // The run in another language, for reviewing a catalogue.
    const auto translations = ShotKit::prepareWindows(
        argc >= 4 && qstrcmp(argv[2], "--language") == 0 ? QString::fromLatin1(argv[3])
                                                         : QString());
    const QString survey = ShotKit::surveyFolder();
    // Shots a little irregular, in lines with turns, as flown: the check before the run can
    // then tell that photos and rows pair by time.
    FlightTiming timing;
    timing.shots = 40;
    timing.jitter = 0.3;
    timing.turnEvery = 10;
    PhotoSpec look;
    look.size = QSize(320, 240);
    const QStringList photos = SyntheticFlight::writeTimedFlight(
        survey, timing, SyntheticFlight::Format::Semicolon, false, look);
    const QString timemarks = survey + QStringLiteral("/timemarks.csv");
    {
        QSettings settings;
        SyntheticFlight::storeColumns(settings);
        Keys::CoordinateUtmZone.write(settings, 33);
        Keys::OutputAutoCreate.write(settings, false);
        Keys::OutputOpenDir.write(settings, false);
        Keys::OutputAutoOutAsInp.write(settings, false);
        Keys::OutputDir.write(settings, survey + QStringLiteral("/output"));
    }
    QDir().mkpath(survey + QStringLiteral("/output"));

    MainWindow window;
    window.resize(1300, 700);
    window.show();
    if (!QTest::qWaitForWindowExposed(&window) ||
        !BlockFill::fill(window.blocks().first(), photos, timemarks)) {
        std::fprintf(stderr, "the synthetic flight could not be read\n");
        return 1;
    }

    // Held at photo 17 of 40 while the window is grabbed.
    QSemaphore reached;
    QSemaphore go;
    std::atomic<bool> held{false};
    QObject::connect(
        window.job(), &FilesWork::curProcessFile, window.job(),
        [&](const QString &text) {
            if (text.endsWith(QStringLiteral("DJI_0017.JPG")) && !held.exchange(true)) {
                reached.release();
                go.acquire();
            }
        },
        Qt::DirectConnection);
    window.processingButton()->click();
    if (!reached.tryAcquire(1, 30000))
        return failed("the run did not reach photo 17");
    const bool progress = save(&window, out.filePath(QStringLiteral("run-progress.png")));
    go.release();
    const auto idle = [&] { return !window.processingButton()->isBusy(); };
    if (!QTest::qWaitFor(idle, 30000))
        return failed("the first run did not end");
    if (!progress || !save(&window, out.filePath(QStringLiteral("run-finished.png"))))
        return failed("the first run's pictures were not written");

    // A second run into a new folder, after a photo was deleted behind the window's back.
    {
        QSettings settings;
        Keys::OutputDir.write(settings, survey + QStringLiteral("/output-2"));
    }
    QDir().mkpath(survey + QStringLiteral("/output-2"));
    window.onOutputTimer();
    window.setPhotoCheckPaused(true);
    QFile::remove(photos.at(22));
    // The check stays paused during the run; the run itself meets the missing file.
    window.processingButton()->click();
    if (!QTest::qWaitFor(idle, 30000))
        return failed("the second run did not end");
    window.errorWindow()->resize(900, 220);
    window.errorWindow()->move(window.geometry().center() - QPoint(450, 40));
    window.errorWindow()->raise();
    bool report = save(window.errorWindow(), out.filePath(QStringLiteral("run-report-list.png")));
    // Both windows as they stand on the screen; off screen there is no screen to grab.
    if (QGuiApplication::platformName() == QLatin1String("xcb")) {
        report = report && ShotKit::grabScreen(window.frameGeometry(),
                                               out.filePath(QStringLiteral("run-report.png")));
    } else {
        report = report && save(&window, out.filePath(QStringLiteral("run-report.png")));
    }

    // A third run, and the window closed while it goes: it waits for the job, and says so.
    window.errorWindow()->hide();
    {
        QSettings settings;
        Keys::OutputDir.write(settings, survey + QStringLiteral("/output-3"));
    }
    QDir().mkpath(survey + QStringLiteral("/output-3"));
    window.onOutputTimer();
    // The row of the photo that went, so that photos and rows pair again, once the window's
    // check of deleted files (back on after the run) has taken the photo out of the block.
    FlyData *block = window.blocks().first()->data();
    if (!QTest::qWaitFor([&] { return block->photos()->rowCount() == 39; }, 30000))
        return failed("the deleted photo did not leave the block");
    block->removeTimemarks({22});
    held = false;
    window.processingButton()->click();
    if (!reached.tryAcquire(1, 30000))
        return failed("the third run did not reach photo 17");
    UserPrompts::setInstance(new AnswerYes);
    if (window.close())
        return failed("the window closed at once during the third run");
    const bool stopping = save(&window, out.filePath(QStringLiteral("run-stopping.png")));
    go.release();
    if (!QTest::qWaitFor([&] { return !window.isVisible(); }, 30000))
        return failed("the window did not close after the third run");
    ShotKit::removeSurveyFolder();
    if (!report)
        return failed("the report was not written");
    return stopping ? 0 : failed("the third run's picture was not written");
}
