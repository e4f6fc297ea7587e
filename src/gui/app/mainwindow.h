#pragma once

#include "blocks/line.h"
#include "photos/adj.h"
#include "photos/capturetime.h"
#include "processing/precheck.h"
#include "processing/processingreport.h"
#include "processing/worktype.h"

#include <QDateTime>
#include <QList>
#include <QMainWindow>
#include <QSettings>
#include <QStringList>
#include <QThread>
#include <QTimer>

#include <functional>
#include <memory>

class CommandLine;
class CustomToolButton;
class DemoFlight;
class FilesWork;
class Fly;
class GeoCalc;
class LogWindow;
class Notyficator;
class SettingsDialog;
class ViewPhoto;

namespace Ui {
class MainWindow;
}

/**
 * The program's only main window: the blocks, the output folder and photo prefix, the
 * pre-checks with their messages, and the processing control. Owns the converter, the
 * notifier, the error list window and the processing job with its thread.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Applies "-nocheck"/"-fulldel": one title suffix per matching argument.
    void applyCommandLine(const CommandLine &commandLine);
    /// Processing may start although a pre-check fails; appends the title suffix once per call.
    void enableNoCheck();
    bool isNoCheck() const { return m_noCheck; }
    /// New blocks start in their no-check state.
    void setBlocksNoCheck(bool on) { m_blocksNoCheck = on; }
    bool blocksNoCheck() const { return m_blocksNoCheck; }

    /// The blocks in number order (block n at position n - 1).
    const QList<Fly *> &blocks() const { return m_blocks; }
    GeoCalc *geoCalc() const { return m_geoCalc; }
    Notyficator *notifier() const { return m_notifier; }
    LogWindow *errorWindow() const { return m_errorWindow; }
    /// The photo viewer, made on the first photo opened; nullptr before.
    ViewPhoto *photoViewer() const { return m_photoViewer.get(); }
    FilesWork *job() const { return m_job; }
    QThread *jobThread() { return &m_jobThread; }
    CustomToolButton *processingButton() const { return m_processingButton; }
    WorkType workType() const { return m_workType; }
    /// The outcome of the last pre-checks.
    const PreCheckResult &checks() const { return m_checks; }

    /// Replaces how the output folder's volume is read (tests give sizes no disk has).
    void setVolumeProbe(std::function<PreCheckVolume(const QString &)> probe);
    /// Stops the check for deleted photo files; a run keeps it paused so that no list it
    /// reads changes under it.
    void setPhotoCheckPaused(bool paused) { m_photoCheckPaused = paused; }
    bool isPhotoCheckPaused() const { return m_photoCheckPaused; }

    /// Processing actions: photos and timemarks, timemarks only, photos only. The work type
    /// changes only while no run is going on.
    void on_fullProcessing();
    void on_timemarkProcessing();
    void on_photosProcessing();
    /// Opens a photo of a block in the viewer.
    void on_openPhoto(const QString &path);
    /// Fills the first block with the demo flight's photos and timemarks; false, with the
    /// reason in @p error, when its timemark file cannot be read.
    bool openDemo(const DemoFlight &demo, QString *error);
    /// The window is waiting for a run to stop so that it can close.
    bool isStoppingForExit() const { return m_exitRequested; }

public slots:
    void on_btn_addFly_clicked();
    void closeFly();
    /// Recomputes every pre-check and shows its outcome.
    void checkSpace();
    void checkOutputDirTimeout();
    /// Drops photos whose files are gone and lists them in the error window.
    void checkPhotosTimeout();
    /// Makes the output folder line follow the stored output folder.
    void onOutputTimer();
    void on_line_outputDir_textChanged(const QString &arg1);
    void on_btn_outputDir_clicked();
    void on_chkb_autoDir_clicked();
    void on_linePhotoPrefix_textChanged(const QString &arg1);
    void on_btn_processing_clicked();
    /// Enables or disables everything that edits the blocks.
    void swichInterface(bool enabled);
    void workFinished(int code);
    void onSlicedBlock(const QList<Line> &meta, const QStringList &photos,
                       const QList<Adj> &adjCache, const QList<QDateTime> &dateCache, int colDate,
                       int colSX, int colSY, int colSZ, const QList<CaptureTime> &captureCache);
    void onChangedCoordinateSystem();
    void onSwichAutoResize();

protected:
    void closeEvent(QCloseEvent *event) override;
    void moveEvent(QMoveEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private slots:
    /// Runs the settings dialog; afterwards the converter and the blocks follow what it stored.
    void on_actionSettings_triggered();
    void on_actionAbout_triggered();
    void on_actionExit_triggered();
    void on_action_aboutQt_triggered();

private:
    void buildProcessingControl();
    void setWorkType(WorkType type);
    void startRun();
    /// Blocks whose counts match yet do not pair by time are named in a question; false when
    /// the operator does not want the run.
    bool pairingAccepted();
    void askToCancel();
    void onJobText(const QString &text);
    void onJobProgress(int percent);
    void onJobReport(const ProcessingReport &report);
    void onJobStopped();
    void onJobThreadFinished();
    /// Opens the run's folder in the file manager when the settings want it and it exists.
    void openRunFolder();
    /// Shows what became of the photos when anything did not come out as planned.
    void showRunProblems(bool beyondNotReached);
    void setStatus(const QString &plainText, bool failure = false);
    void stopForExit();
    void tellNotifierCorner();
    void restoreWindowGeometry();
    void storeWindowGeometry();
    void stopJob();

    std::unique_ptr<Ui::MainWindow> m_ui;
    QSettings m_settings;
    QList<Fly *> m_blocks;
    PreCheckResult m_checks;
    std::function<PreCheckVolume(const QString &)> m_volumeProbe;
    bool m_noCheck = false;
    bool m_blocksNoCheck = false;
    bool m_photoCheckPaused = false;
    bool m_cancelled = false;     // the operator stopped the current run; its texts are stale
    bool m_exitRequested = false; // the window closes as soon as the run has stopped
    QString m_jobText;            // the job's last status text
    QString m_filesWarning;       // the too-many-files warning in the status line, if shown
    ProcessingReport m_report;
    bool m_haveReport = false;
    GeoCalc *m_geoCalc = nullptr;
    Notyficator *m_notifier = nullptr;
    LogWindow *m_errorWindow = nullptr;
    /// Only while it is open.
    SettingsDialog *m_settingsDialog = nullptr;
    /// A window of its own (no parent), kept for the next photo.
    std::unique_ptr<ViewPhoto> m_photoViewer;
    FilesWork *m_job = nullptr;
    QThread m_jobThread;
    WorkType m_workType = FullWork;
    QTimer m_outputDirTimer;
    QTimer m_photoTimer;
    QTimer m_outputTimer;
    /// The stored output folder the line last followed; see onOutputTimer.
    QString m_followedOutputDir;
    CustomToolButton *m_processingButton = nullptr;
};
