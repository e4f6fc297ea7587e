#include "app/mainwindow.h"

#include "app/aboutwindow.h"
#include "app/appinfo.h"
#include "app/commandline.h"
#include "app/customtoolbutton.h"
#include "app/demoflight.h"
#include "app/logcategories.h"
#include "app/logwindow.h"
#include "app/notyficator.h"
#include "app/screenplacement.h"
#include "app/sharedconstants.h"
#include "app/userprompts.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/flydata.h"
#include "blocks/pairingtext.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "photos/viewphoto.h"
#include "processing/fileswork.h"
#include "processing/runoutcome.h"
#include "settings/settingsdialog.h"
#include "settings/settingskeys.h"
#include "timemarks/timemarkimport.h"
#include "ui_mainwindow.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QFileInfo>
#include <QGuiApplication>
#include <QMenu>

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent), m_ui(new Ui::MainWindow), m_volumeProbe(&PreCheck::inspect)
{
    qCDebug(lcInfo) << "Starting the Kestrix interface";
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);

    m_notifier = new Notyficator(this);
    m_geoCalc = new GeoCalc(true, this);
    m_errorWindow = new LogWindow(this);
    // A window of its own, not a sheet inside this one; still deleted with it.
    m_errorWindow->setWindowFlag(Qt::Window);
    connect(m_geoCalc, &GeoCalc::PJ_Init_Error, m_errorWindow, &LogWindow::setErrors);
    m_geoCalc->initialize();
    m_geoCalc->updateSettings();

    m_ui->linePhotoPrefix->setText(Keys::PhotoPrefix.read(m_settings));

    connect(&m_outputDirTimer, &QTimer::timeout, this, &MainWindow::checkOutputDirTimeout);
    connect(&m_photoTimer, &QTimer::timeout, this, &MainWindow::checkPhotosTimeout);
    // The first block's pre-check looks at the output folder and its automatic subfolder.
    m_ui->chkb_autoDir->setChecked(Keys::OutputAutoCreate.read(m_settings));
    onOutputTimer();
    on_btn_addFly_clicked();
    m_photoTimer.start(600);

    m_job = new FilesWork(m_geoCalc);
    m_job->moveToThread(&m_jobThread);
    connect(&m_jobThread, &QThread::started, m_job, &FilesWork::doWork);
    connect(&m_jobThread, &QThread::finished, this, &MainWindow::onJobThreadFinished);
    connect(m_job, &FilesWork::workFinished, this, &MainWindow::workFinished);
    connect(m_job, &FilesWork::curProcess, this, &MainWindow::onJobProgress);
    connect(m_job, &FilesWork::curProcessFile, this, &MainWindow::onJobText);
    connect(m_job, &FilesWork::reportReady, this, &MainWindow::onJobReport);
    connect(m_job, &FilesWork::stopped, this, &MainWindow::onJobStopped);

    connect(&m_outputTimer, &QTimer::timeout, this, &MainWindow::onOutputTimer);
    m_outputTimer.start(800);

    m_ui->progressBar->hide();
    m_ui->lbl_logo->setPixmap(QPixmap(QStringLiteral("://img/Kestrix-min.png"))
                                  .scaled(200, 35, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    setWindowTitle(AppInfo::titleWithVersion());
    restoreWindowGeometry();
    buildProcessingControl();
    tellNotifierCorner();
    qCDebug(lcInfo) << "Interface initialized by Kestrix";
}

MainWindow::~MainWindow()
{
    qCDebug(lcInfo) << "Closing Kestrix";
    storeWindowGeometry();
    stopJob();
    delete m_job;
    m_job = nullptr;
    delete m_settingsDialog;
    m_settingsDialog = nullptr;
    // The blocks go before the converter they share.
    qDeleteAll(m_blocks);
    m_blocks.clear();
}

void MainWindow::buildProcessingControl()
{
    auto *full = new QAction(QIcon(QStringLiteral(":/FontAwersome/play.svg")),
                             tr("Photos and Timemarks"), this);
    auto *timemarks = new QAction(QIcon(QStringLiteral(":/FontAwersome/file-alt.svg")),
                                  tr("Only Timemarks"), this);
    connect(full, &QAction::triggered, this, &MainWindow::on_fullProcessing);
    connect(timemarks, &QAction::triggered, this, &MainWindow::on_timemarkProcessing);
    auto *menu = new QMenu(this);
    menu->addAction(full);
    menu->addAction(timemarks);
    m_processingButton = new CustomToolButton(this);
    m_processingButton->setObjectName(QStringLiteral("processingControl"));
    m_processingButton->setMenu(menu);
    m_processingButton->setDefaultAction(full);
    m_processingButton->setStyleSheet(buttonStyleSheet);
    // After the default action, so the button starts with this text rather than the action's.
    m_processingButton->setIcon(QIcon(QStringLiteral(":/FontAwersome/play.svg")));
    m_processingButton->setText(tr("Processing"));
    m_processingButton->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_processingButton->setMinimumHeight(47);
    m_processingButton->setIconSize(QSize(13, 13));
    m_ui->btn_processing->hide();
    const int at = m_ui->bottomLayout->indexOf(m_ui->btn_processing);
    m_ui->bottomLayout->insertWidget(at, m_processingButton);
}

void MainWindow::applyCommandLine(const CommandLine &commandLine)
{
    for (int i = 0; i < commandLine.noCheckCount(); ++i)
        enableNoCheck();
    if (commandLine.blocksNoCheck()) {
        setBlocksNoCheck(true);
        // The block made at start-up was made before the switch was read.
        for (Fly *fly : qAsConst(m_blocks))
            fly->setNoCheck(true);
    }
}

void MainWindow::enableNoCheck()
{
    m_noCheck = true;
    setWindowTitle(windowTitle() + tr(" - RUN MODE WITHOUT CHECKING"));
}

void MainWindow::setVolumeProbe(std::function<PreCheckVolume(const QString &)> probe)
{
    m_volumeProbe = std::move(probe);
}

void MainWindow::on_btn_addFly_clicked()
{
    qCDebug(lcInfo) << "Add block";
    auto *fly = new Fly(m_blocks.size() + 1, m_geoCalc, m_ui->scrollAreaWidgetContents);
    m_blocks.append(fly);
    fly->setNotifier(m_notifier);
    fly->setErrorWindow(m_errorWindow);
    if (m_blocksNoCheck)
        fly->setNoCheck(true);
    connect(fly, &Fly::closing, this, &MainWindow::closeFly);
    connect(fly, &Fly::changedPhotos, this, &MainWindow::checkSpace);
    connect(fly, &Fly::changedMeta, this, &MainWindow::checkSpace);
    connect(fly, &Fly::toViewPhoto, this, &MainWindow::on_openPhoto);
    connect(fly, &Fly::slicedBlock, this, &MainWindow::onSlicedBlock);
    m_ui->verticalLayout->addWidget(fly);
    checkSpace();
}

void MainWindow::closeFly()
{
    auto *fly = qobject_cast<Fly *>(sender());
    const int at = m_blocks.indexOf(fly);
    if (at < 0)
        return;
    m_blocks.removeAt(at);
    delete fly;
    for (int i = at; i < m_blocks.size(); ++i)
        m_blocks.at(i)->setBlockNumber(i + 1);
    checkSpace();
}

void MainWindow::checkSpace()
{
    QList<PreCheckBlock> blocks;
    bool everyBlockMatches = true;
    for (Fly *fly : qAsConst(m_blocks)) {
        FlyData *data = fly->data();
        PreCheckBlock block;
        block.photos = data->photos()->rowCount();
        block.timemarks = data->timemarks()->rowCount();
        block.bytes = data->photos()->totalVolume();
        blocks.append(block);
        // A block without photos and rows has nothing to pair: it does not match either.
        everyBlockMatches = everyBlockMatches && data->countsMatch();
        fly->setBlockChecked(data->countsMatch());
        fly->setMultipleBlocks(m_blocks.size() > 1);
    }
    const PreCheckVolume volume = m_volumeProbe(m_ui->line_outputDir->text());
    m_checks = PreCheck::evaluate(blocks, volume, m_ui->chkb_autoDir->isChecked(), m_checks);
    m_checks.countOk = m_checks.countOk && everyBlockMatches;
    if (volume.valid)
        m_ui->lbl_diskStatus->setText(m_checks.diskStatus);
    m_ui->lbl_freeSpace->setText(m_checks.freeSpace);

    // The status line also carries the run's texts: only the warning shown here is taken back.
    if (!m_checks.filesOk) {
        m_filesWarning = PreCheck::redForm(m_checks.filesStatus);
        m_ui->lbl_processStatus->setText(m_filesWarning);
    } else if (!m_filesWarning.isEmpty()) {
        if (m_ui->lbl_processStatus->text() == m_filesWarning)
            m_ui->lbl_processStatus->clear();
        m_filesWarning.clear();
    }
}

void MainWindow::checkOutputDirTimeout()
{
    m_outputDirTimer.stop();
    checkSpace();
}

void MainWindow::checkPhotosTimeout()
{
    if (m_photoCheckPaused)
        return;
    QStringList removed;
    for (Fly *fly : qAsConst(m_blocks))
        removed += fly->data()->removeMissing();
    if (removed.isEmpty())
        return;
    qCDebug(lcWarning) << "Photos removed from the blocks because their files are gone:" << removed;
    m_errorWindow->setRemovedPhotos(removed);
    m_errorWindow->setModal(true);
    m_errorWindow->show();
}

void MainWindow::onOutputTimer()
{
    // Only a change of the stored folder (a block, the import dialog, the settings) reaches the
    // line. Without "save as default" the folder the operator picked or typed is not stored,
    // and must not be put back to the stored one at the next tick.
    const QString stored = Keys::OutputDir.read(m_settings);
    if (stored == m_followedOutputDir)
        return;
    m_followedOutputDir = stored;
    if (m_ui->line_outputDir->text() != stored)
        m_ui->line_outputDir->setText(stored);
}

void MainWindow::on_line_outputDir_textChanged(const QString &arg1)
{
    m_outputDirTimer.start(600);
    if (Keys::OutputSaveDir.read(m_settings))
        Keys::OutputDir.write(m_settings, arg1);
}

void MainWindow::on_btn_outputDir_clicked()
{
    const QString dir = UserPrompts::instance().existingDirectory(
        this, tr("Select target directory"), m_ui->line_outputDir->text());
    if (dir.isEmpty())
        return;
    m_ui->line_outputDir->setText(dir);
    checkSpace();
    m_outputDirTimer.stop();
}

void MainWindow::on_chkb_autoDir_clicked()
{
    checkSpace();
}

void MainWindow::on_linePhotoPrefix_textChanged(const QString &arg1)
{
    Keys::PhotoPrefix.write(m_settings, arg1);
}

void MainWindow::setWorkType(WorkType type)
{
    // The job is given it when a run starts; a running job keeps its own.
    if (!m_jobThread.isRunning())
        m_workType = type;
    on_btn_processing_clicked();
}

void MainWindow::on_fullProcessing()
{
    setWorkType(FullWork);
}

void MainWindow::on_timemarkProcessing()
{
    setWorkType(TimemarksOnly);
}

void MainWindow::on_photosProcessing()
{
    setWorkType(PhotosOnly);
}

void MainWindow::on_btn_processing_clicked()
{
    if (m_exitRequested)
        return;
    if (m_jobThread.isRunning()) {
        askToCancel();
        return;
    }
    checkSpace();
    const QString refusal = PreCheck::refusal(m_checks);
    if (!refusal.isEmpty()) {
        qCDebug(lcInfo) << refusal;
        m_ui->lbl_processStatus->setText(refusal);
        if (!m_noCheck)
            return;
    } else if (!m_noCheck && !pairingAccepted()) {
        return;
    }
    startRun();
}

bool MainWindow::pairingAccepted()
{
    // Equal counts pass the pre-checks, yet a lost photo and a lost event cancel out in them:
    // paired by index, every photo between the two would get another shot's position.
    QStringList lines;
    QStringList numbers;
    for (Fly *fly : qAsConst(m_blocks)) {
        FlyData *data = fly->data();
        if (!data->countsMatch() || !data->hasPairingTimes())
            continue;
        const PairingResult &r = data->currentPairing();
        if (r.verdict != PairingResult::Unmatched)
            continue;
        numbers << QString::number(data->number());
        lines << tr("Block %1: %2").arg(data->number()).arg(PairingText::unmatchedCounts(r));
    }
    if (lines.isEmpty())
        return true;
    qCDebug(lcWarning).noquote() << "Photos and timemarks pair by index but not by time:"
                                 << lines.join(QStringLiteral("; "));
    const QString text =
        tr("As many photos as timemark rows, yet they do not pair one to one by time:") +
        QStringLiteral("\n\n") + lines.join(QLatin1Char('\n')) + QStringLiteral("\n\n") +
        tr("Paired by index, every photo between a lost photo and a lost event would get the "
           "position of another shot. \"Check pairing\" in the block's table menu names them "
           "and can take them out of the lists.") +
        QStringLiteral("\n\n") + tr("Start the processing anyway?");
    if (UserPrompts::instance().question(this, tr("Pairing by time"), text,
                                         QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes)
        return true;
    qCDebug(lcInfo) << "Processing not started: the pairing by time was not accepted";
    //: %1 is one block number or a list of them ("1, 3"); the count chooses block or blocks
    setStatus(tr("Processing was not started: photos and timemarks do not pair one to one by "
                 "time in block %1",
                 nullptr, numbers.size())
                  .arg(numbers.join(QStringLiteral(", "))),
              true);
    return false;
}

void MainWindow::startRun()
{
    qCDebug(lcInfo) << "Starting the copying and processing task";
    m_cancelled = false;
    m_haveReport = false;
    m_report = ProcessingReport();
    m_jobText.clear();
    swichInterface(false);
    m_job->setOutputDir(m_ui->line_outputDir->text());
    m_job->setAutoDir(m_ui->chkb_autoDir->isChecked());
    QList<FlyData *> flys;
    for (Fly *fly : qAsConst(m_blocks))
        flys << fly->data();
    m_job->setFlys(flys);
    m_job->setWorkType(m_workType);
    m_processingButton->setBusy(tr("Break"), QIcon(QStringLiteral(":/FontAwersome/stop.svg")));
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->show();
    m_jobThread.start();
}

void MainWindow::askToCancel()
{
    qCDebug(lcInfo) << "The signal on the interrupt copying job and processing";
    if (UserPrompts::instance().question(this, tr("Interrupt"), tr("Cancel the task?"),
                                         QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes)
        return;
    // The run may have ended while the question was open; then there is nothing to cancel.
    if (!m_jobThread.isRunning() || m_cancelled)
        return;
    qCDebug(lcInfo) << "Interrupting of the copying and processing task";
    m_cancelled = true;
    m_job->stop();
    m_jobThread.quit();
    swichInterface(true);
    m_ui->progressBar->hide();
    setStatus(tr("The task is canceled"));
}

void MainWindow::onJobText(const QString &text)
{
    m_jobText = text;
    // After a cancel the label says so; a file name the job sends on its way out must not
    // take that back.
    if (!m_cancelled)
        setStatus(text);
}

void MainWindow::onJobProgress(int percent)
{
    if (!m_cancelled)
        m_ui->progressBar->setValue(percent);
}

void MainWindow::onJobReport(const ProcessingReport &report)
{
    m_report = report;
    m_haveReport = true;
}

void MainWindow::onJobStopped()
{
    qCDebug(lcInfo) << "The copying and processing task has stopped";
    m_jobThread.quit();
    if (m_exitRequested)
        return;
    swichInterface(true);
    m_ui->progressBar->hide();
    QString text = tr("The task is canceled");
    if (m_haveReport)
        text += QStringLiteral(". ") +
                tr("%n photos were processed before it stopped", nullptr, m_report.handled);
    setStatus(text);
    showRunProblems(false);
    openRunFolder();
}

void MainWindow::onJobThreadFinished()
{
    // A run started since this signal was sent owns the control now.
    if (m_jobThread.isRunning())
        return;
    m_jobThread.wait();
    m_processingButton->setIdle();
    m_ui->actionSettings->setEnabled(m_ui->btn_addFly->isEnabled());
    unsetCursor();
    if (m_exitRequested && close())
        QApplication::closeAllWindows();
}

void MainWindow::setStatus(const QString &plainText, bool failure)
{
    // Paths in the job's texts may hold "<" or "&": they are shown as written.
    const QString html =
        plainText.toHtmlEscaped().replace(QLatin1Char('\n'), QLatin1String("<br>"));
    m_ui->lbl_processStatus->setText(failure ? PreCheck::redForm(html) : html);
}

void MainWindow::openRunFolder()
{
    if (!Keys::OutputOpenDir.read(m_settings))
        return;
    // A run that failed before it had a folder of its own shows the output folder.
    const QString dir = m_haveReport ? m_report.outputDir : m_ui->line_outputDir->text();
    if (!dir.isEmpty() && QFileInfo(dir).isDir())
        UserPrompts::instance().openDirectory(dir);
}

void MainWindow::showRunProblems(bool countNotReached)
{
    if (!m_haveReport)
        return;
    const int problems =
        RunOutcome::problemCount(m_report) - (countNotReached ? 0 : m_report.notReached);
    if (problems <= 0 && m_report.unfinishedFiles.isEmpty())
        return;
    m_errorWindow->setRunProblems(RunOutcome::problems(m_report));
    m_errorWindow->setModal(false);
    m_errorWindow->show();
    m_errorWindow->raise();
}

void MainWindow::swichInterface(bool enabled)
{
    m_ui->btn_addFly->setEnabled(enabled);
    m_ui->btn_outputDir->setEnabled(enabled);
    m_ui->line_outputDir->setEnabled(enabled);
    m_ui->scrollArea->setEnabled(enabled);
    m_ui->scrollAreaWidgetContents->setEnabled(enabled);
    // The settings change the converter that a run reads while it goes on, also while a
    // cancelled run finishes its photo; the thread's end enables them.
    m_ui->actionSettings->setEnabled(enabled && !m_jobThread.isRunning());
    // A run reads the blocks' photo lists; the deleted-file check must not change them meanwhile.
    setPhotoCheckPaused(!enabled);
}

void MainWindow::workFinished(int code)
{
    qCDebug(lcInfo) << "Copying and processing task completed:  " << code;
    m_jobThread.quit();
    if (m_exitRequested)
        return;
    // A cancel that came after the last photo stopped nothing: the run's own outcome holds.
    m_cancelled = false;
    if (code < 0) {
        setStatus(RunOutcome::failureText(code, m_jobText), true);
    } else {
        const QString attention = m_haveReport ? RunOutcome::attentionText(m_report) : QString();
        if (attention.isEmpty())
            setStatus(m_jobText);
        else
            m_ui->lbl_processStatus->setText(
                m_jobText.toHtmlEscaped() +
                QStringLiteral("<br><span style=\"color:#ff0000;\">%1</span>")
                    .arg(attention.toHtmlEscaped()));
    }
    swichInterface(true);
    showRunProblems(true);
    openRunFolder();
    // After a failure the blocks are what the operator needs to try again.
    if (code >= 0 && Keys::OutputClearFly.read(m_settings)) {
        while (!m_blocks.isEmpty())
            delete m_blocks.takeLast();
        checkSpace();
    }
    m_ui->progressBar->hide();
}

void MainWindow::onSlicedBlock(const QList<Line> &meta, const QStringList &photos,
                               const QList<Adj> &adjCache, const QList<QDateTime> &dateCache,
                               int colDate, int colSX, int colSY, int colSZ,
                               const QList<CaptureTime> &captureCache)
{
    const auto *source = qobject_cast<Fly *>(sender());
    on_btn_addFly_clicked();
    Fly *piece = m_blocks.last();
    const QString delimiter = source ? source->data()->delimiter() : QString();
    piece->fillFromSplit(meta, photos, adjCache, dateCache,
                         BlockColumns{colDate, colSX, colSY, colSZ}, delimiter, captureCache);
}

void MainWindow::onChangedCoordinateSystem()
{
    // The dialog may have stored a new UTM zone with the system; the rows are read with it.
    m_geoCalc->updateSettings();
    if (m_blocks.size() == 1 && m_blocks.first()->data()->timemarks()->rowCount() > 0)
        m_blocks.first()->reloadTimemarks();
}

void MainWindow::onSwichAutoResize() {}

bool MainWindow::openDemo(const DemoFlight &demo, QString *error)
{
    if (m_blocks.isEmpty())
        on_btn_addFly_clicked();
    Fly *fly = m_blocks.first();
    if (!TimemarkImport::intoBlock(fly->data(), demo.timemarkFile(), true, error))
        return false;
    const BlockColumns columns = fly->data()->columns();
    fly->setMetaColumns(columns.date, columns.sdN, columns.sdE, columns.sdH);
    fly->addPhotoEntries(demo.photos());
    onOutputTimer();
    checkSpace();
    return true;
}

void MainWindow::on_openPhoto(const QString &path)
{
    if (!m_photoViewer)
        m_photoViewer = std::make_unique<ViewPhoto>();
    m_photoViewer->show();
    m_photoViewer->raise();
    m_photoViewer->activateWindow();
    m_photoViewer->showPhoto(path);
}

void MainWindow::on_actionSettings_triggered()
{
    // The converter a run reads must not change under it, also while a cancelled run stops.
    if (m_settingsDialog || m_jobThread.isRunning())
        return;
    m_settingsDialog = new SettingsDialog(m_geoCalc->errorText(), this);
    m_settingsDialog->setAskFunction([](QWidget *parent, const QString &title, const QString &text,
                                        QMessageBox::StandardButtons buttons,
                                        QMessageBox::StandardButton defaultButton) {
        return UserPrompts::instance().ask(parent, title, text, buttons, defaultButton);
    });
    connect(m_settingsDialog, &SettingsDialog::autoResizeChanged, this,
            &MainWindow::onSwichAutoResize);
    connect(m_settingsDialog, &SettingsDialog::coordinateSystemChanged, this,
            &MainWindow::onChangedCoordinateSystem);
    if (!m_geoCalc->isReady())
        m_settingsDialog->projError(m_geoCalc->errorText());
    if (m_blocks.size() >= 2)
        m_settingsDialog->blockSystem();
    else
        m_settingsDialog->unblockSystem();
    UserPrompts::instance().exec(*m_settingsDialog);
    m_geoCalc->updateSettings();
    for (Fly *fly : qAsConst(m_blocks))
        fly->applySettings();
    delete m_settingsDialog;
    m_settingsDialog = nullptr;
}

void MainWindow::on_actionAbout_triggered()
{
    auto *about = new AboutWindow(this);
    about->setAttribute(Qt::WA_DeleteOnClose);
    about->setModal(true);
    about->show();
}

void MainWindow::on_actionExit_triggered()
{
    if (close())
        QApplication::closeAllWindows();
}

void MainWindow::on_action_aboutQt_triggered()
{
    UserPrompts::instance().aboutQt(this);
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    if (m_jobThread.isRunning()) {
        // Already stopping: the window closes itself once the run has returned.
        if (m_exitRequested) {
            event->ignore();
            return;
        }
        if (UserPrompts::instance().question(
                this, tr("App exit"),
                tr("Are you want to exit the App ? The task will be interrupted!"),
                QMessageBox::Yes | QMessageBox::No) != QMessageBox::Yes) {
            event->ignore();
            return;
        }
        if (m_jobThread.isRunning()) {
            stopForExit();
            event->ignore();
            return;
        }
    }
    // Stored here as well as at destruction, so the geometry survives a crash during shut-down.
    storeWindowGeometry();
    m_errorWindow->close();
    // The viewer has no parent: left open it would keep the program running.
    if (m_photoViewer)
        m_photoViewer->close();
    event->accept();
}

void MainWindow::stopForExit()
{
    // The photo being written is finished whole or dropped by the job; the window waits for
    // that, since closing first would destroy the converter the job still uses.
    qCDebug(lcInfo) << "Exit during a run: stopping the copying and processing task";
    m_exitRequested = true;
    m_cancelled = true;
    m_job->stop();
    m_jobThread.quit();
    swichInterface(false);
    // Left enabled: the shared style's disabled button is dark grey on grey, and "Stopping"
    // must stay readable; a click meanwhile does nothing.
    m_processingButton->setBusy(tr("Stopping"), QIcon(QStringLiteral(":/FontAwersome/stop.svg")));
    m_ui->progressBar->hide();
    setStatus(tr("Stopping the task before closing: the photo being written is finished first"));
    setCursor(Qt::BusyCursor);
}

void MainWindow::moveEvent(QMoveEvent *event)
{
    QMainWindow::moveEvent(event);
    tellNotifierCorner();
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    tellNotifierCorner();
}

void MainWindow::tellNotifierCorner()
{
    if (m_notifier) {
        const QRect g = geometry();
        m_notifier->setAnchor(QPoint(g.x() + g.width(), g.y() + g.height()));
    }
}

void MainWindow::stopJob()
{
    // The job may be copying a photo: it stops before the next one, and nothing it owns may go
    // before its thread has returned.
    if (m_job)
        m_job->stop();
    m_jobThread.quit();
    m_jobThread.wait();
}

void MainWindow::restoreWindowGeometry()
{
    if (Keys::WindowState.read(m_settings) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    QRect geometry = Keys::WindowGeometry.read(m_settings);
    if (!QGuiApplication::screens().isEmpty() && !ScreenPlacement::onSomeScreen(geometry))
        geometry = Keys::WindowGeometry.defaultValue();
    setGeometry(geometry);
}

void MainWindow::storeWindowGeometry()
{
    // WindowActive is a focus flag, not a placement; only a plain maximised window is state 1.
    if ((windowState() & ~Qt::WindowActive) == Qt::WindowMaximized) {
        Keys::WindowState.write(m_settings, 1);
    } else {
        Keys::WindowState.write(m_settings, 0);
        Keys::WindowGeometry.write(m_settings, geometry());
    }
    m_settings.sync();
}
