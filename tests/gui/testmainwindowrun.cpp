#include "app/customtoolbutton.h"
#include "app/guiresources.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "cliprocess.h"
#include "photos/photomodel.h"
#include "processing/fileswork.h"
#include "processing/photocopier.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QImage>
#include <QLabel>
#include <QSemaphore>
#include <QTemporaryDir>
#include <QtTest>

#include <atomic>

/// Runs from the window: what a click on the processing control leads to, end to end.
class TestMainWindowRun : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void sameOutputAsCommandLine_data();
    void sameOutputAsCommandLine();
    void checksBeforeTheRun_data();
    void checksBeforeTheRun();
    void existingCoordinateFileStopsTheRun();
    void cancelKeepsWorkType();
    void exitDuringRunWaitsForTheJob();
    void clearFlyEmptiesTheWindow();
    void photoGoneDuringTheRunIsNamed();
    void quarantinedFromPhotoMenu();

private:
    /// A flight of @p count photos and its timemark file in a fresh folder; the photo paths.
    QStringList flight(int count, QString *timemarks);
    /// Fills block @p fly with photos and the first @p rows rows of @p timemarks.
    void load(Fly *fly, const QStringList &photos, const QString &timemarks);
    void runToTheEnd();
    /// Holds the job at its first photo until release().
    void holdJobAtFirstPhoto();
    void release() { m_gateOpen.release(); }
    QLabel *status() const;
    QString output() const { return m_out->path(); }

    QTemporaryDir m_dir;
    std::unique_ptr<QTemporaryDir> m_out;
    MainWindow *m_window = nullptr;
    ScriptedPrompts *m_prompts = nullptr;
    QSemaphore m_gateReached;
    QSemaphore m_gateOpen;
    std::atomic<bool> m_held{false};
    int m_flights = 0;
};

void TestMainWindowRun::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestMainWindowRun::init()
{
    QSettings settings;
    settings.clear();
    // What `kestrix-cli process --no-subdir --columns 1,3,4,5,6,7,8 --utm-zone 33` sets.
    SyntheticFlight::storeColumns(settings);
    Keys::CoordinateUtmZone.write(settings, 33);
    Keys::OutputAutoCreate.write(settings, false);
    m_out = std::make_unique<QTemporaryDir>(m_dir.filePath(QStringLiteral("out-XXXXXX")));
    Keys::OutputDir.write(settings, output());
    settings.sync();
    m_prompts = new ScriptedPrompts;
    UserPrompts::setInstance(m_prompts);
    m_window = new MainWindow;
    m_gateReached.acquire(m_gateReached.available());
    m_gateOpen.acquire(m_gateOpen.available());
    m_held = false;
}

void TestMainWindowRun::cleanup()
{
    release();
    delete m_window;
    UserPrompts::setInstance(nullptr);
}

QStringList TestMainWindowRun::flight(int count, QString *timemarks)
{
    const QString dir = m_dir.filePath(QStringLiteral("flight%1").arg(++m_flights));
    *timemarks = dir + "/timemarks.csv";
    return SyntheticFlight::writeFlightFolder(dir, count);
}

void TestMainWindowRun::load(Fly *fly, const QStringList &photos, const QString &timemarks)
{
    QVERIFY(BlockFill::fill(fly, photos, timemarks));
}

void TestMainWindowRun::runToTheEnd()
{
    m_window->processingButton()->click();
    QCOMPARE(m_window->processingButton()->text(), QStringLiteral("Break"));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->jobThread()->isRunning(), 20000);
    QTRY_VERIFY(!m_window->processingButton()->isBusy());
}

void TestMainWindowRun::holdJobAtFirstPhoto()
{
    connect(
        m_window->job(), &FilesWork::curProcessFile, m_window->job(),
        [this](const QString &text) {
            if (text.startsWith(QStringLiteral("Copying")) && !m_held.exchange(true)) {
                m_gateReached.release();
                m_gateOpen.acquire();
            }
        },
        Qt::DirectConnection);
}

QLabel *TestMainWindowRun::status() const
{
    return m_window->findChild<QLabel *>(QStringLiteral("lbl_processStatus"));
}

void TestMainWindowRun::sameOutputAsCommandLine_data()
{
    QTest::addColumn<bool>("timemarksOnly");
    QTest::newRow("Photos and Timemarks") << false;
    QTest::newRow("Only Timemarks") << true;
}

void TestMainWindowRun::sameOutputAsCommandLine()
{
    QFETCH(bool, timemarksOnly);
    QString timemarks;
    const QStringList photos = flight(5, &timemarks);
    const QByteArray sources = TestFiles::checksum(photos);
    load(m_window->blocks().first(), photos, timemarks);
    if (timemarksOnly)
        m_window->processingButton()->menu()->actions().at(1)->trigger();
    else
        m_window->processingButton()->click();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->jobThread()->isRunning(), 20000);
    QTRY_VERIFY(!m_window->processingButton()->isBusy());
    QVERIFY(status()->text().contains(QStringLiteral("from 5 files were copied and processed in")));
    QCOMPARE(m_prompts->openedFolders, QStringList{output() + QLatin1Char('/')});
    QVERIFY(!m_window->errorWindow()->isVisible());

    QTemporaryDir cliOut(m_dir.filePath(QStringLiteral("cli-XXXXXX")));
    const CliResult cli = CliProcess::run(CliProcess::isolatedEnvironment(m_dir.path()),
                                          QStringList{"process", "--no-subdir", "--columns",
                                                      "1,3,4,5,6,7,8", "--utm-zone", "33", "--mode",
                                                      timemarksOnly ? "timemarks" : "full", "--out",
                                                      cliOut.path(), "--timemarks", timemarks}
                                              << photos);
    QVERIFY2(cli.code == 0, qPrintable(cli.err));
    const QStringList files = TestFiles::filesBelow(output());
    QCOMPARE(files, TestFiles::filesBelow(cliOut.path()));
    QCOMPARE(files.contains(QStringLiteral("IMG/KES_1_00005.JPG")), !timemarksOnly);
    QCOMPARE(TestFiles::checksumOfTree(output()), TestFiles::checksumOfTree(cliOut.path()));
    QCOMPARE(TestFiles::readLines(output() + "/fileData.txt").size(), 6);
    QCOMPARE(TestFiles::checksum(photos), sources);
}

void TestMainWindowRun::checksBeforeTheRun_data()
{
    QTest::addColumn<bool>("noCheck");
    QTest::newRow("refused") << false;
    QTest::newRow("no-check mode") << true;
}

void TestMainWindowRun::checksBeforeTheRun()
{
    QFETCH(bool, noCheck);
    if (noCheck)
        m_window->enableNoCheck();
    QString timemarks;
    const QStringList photos = flight(3, &timemarks);
    load(m_window->blocks().first(), photos, timemarks);
    m_window->blocks().first()->data()->removeTimemarks({2});
    m_window->processingButton()->click();
    const QString refusal = QStringLiteral(
        "Processing is not possible: Amount of photos and timemark rows are not match");
    if (!noCheck) {
        QCOMPARE(status()->text(), refusal);
        QVERIFY(!m_window->jobThread()->isRunning());
        QVERIFY(TestFiles::filesBelow(output()).isEmpty());
        return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->processingButton()->isBusy(), 20000);
    // The photo without a row gets no coordinate, and the operator is told which and why.
    QCOMPARE(TestFiles::readLines(output() + "/fileData.txt").size(), 3);
    QVERIFY(status()->text().contains(QStringLiteral("1 photos need attention")));
    QVERIFY(m_window->errorWindow()->isVisible());
    QCOMPARE(m_window->errorWindow()->windowTitle(), QStringLiteral("Processing report"));
    QVERIFY2(m_window->errorWindow()->html().contains(
                 QStringLiteral("Without a position, so without geotag and line: %1 has no "
                                "timemark row (2 rows for 3 photos)")
                     .arg(photos.at(2))),
             qPrintable(m_window->errorWindow()->html()));
}

void TestMainWindowRun::existingCoordinateFileStopsTheRun()
{
    m_window->enableNoCheck(); // the folder is not empty
    QVERIFY(TestFiles::write(output() + "/fileData.txt", "kept\n"));
    QString timemarks;
    load(m_window->blocks().first(), flight(2, &timemarks), timemarks);
    runToTheEnd();
    QVERIFY2(status()->text().contains(QStringLiteral("fileData.txt already exists")),
             qPrintable(status()->text()));
    QVERIFY(!status()->text().contains(QStringLiteral("Unknown error")));
    QCOMPARE(TestFiles::readAll(output() + "/fileData.txt"), QByteArray("kept\n"));
    QVERIFY(m_window->blocks().first()->isEnabled());
}

void TestMainWindowRun::cancelKeepsWorkType()
{
    QString timemarks;
    load(m_window->blocks().first(), flight(4, &timemarks), timemarks);
    holdJobAtFirstPhoto();
    m_window->processingButton()->click();
    QVERIFY(m_gateReached.tryAcquire(1, 10000));
    QVERIFY(!m_window->findChild<QWidget *>(QStringLiteral("scrollArea"))->isEnabled());

    // "Only Timemarks" during the run only asks, and a No changes nothing.
    m_prompts->answer = QMessageBox::No;
    m_window->processingButton()->menu()->actions().at(1)->trigger();
    QCOMPARE(m_prompts->questions, QStringList{"Cancel the task?"});
    QCOMPARE(m_window->workType(), FullWork);
    QCOMPARE(m_window->processingButton()->text(), QStringLiteral("Break"));

    m_prompts->answer = QMessageBox::Yes;
    m_window->processingButton()->click();
    QCOMPARE(status()->text(), QStringLiteral("The task is canceled"));
    // The photo being written still reads the converter the settings change.
    const QAction *settings = m_window->findChild<QAction *>(QStringLiteral("actionSettings"));
    QVERIFY(!settings->isEnabled());
    release();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->processingButton()->isBusy(), 10000);
    QVERIFY(settings->isEnabled());
    QVERIFY(status()->text().startsWith(QStringLiteral("The task is canceled")));
    QCOMPARE(m_window->processingButton()->text(), QStringLiteral("Processing"));
    QCOMPARE(m_window->workType(), FullWork);
    // It stopped before the next photo; nothing unfinished is left behind.
    const QStringList files = TestFiles::filesBelow(output());
    QCOMPARE(files.filter(QStringLiteral(".JPG")), QStringList{"IMG/KES_1_00001.JPG"});
    QVERIFY(files.filter(PhotoCopier::temporaryPrefix()).isEmpty());
    QCOMPARE(TestFiles::readLines(output() + "/fileData.txt").size(), 2);
}

void TestMainWindowRun::exitDuringRunWaitsForTheJob()
{
    QString timemarks;
    load(m_window->blocks().first(), flight(4, &timemarks), timemarks);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    holdJobAtFirstPhoto();
    m_window->processingButton()->click();
    QVERIFY(m_gateReached.tryAcquire(1, 10000));

    m_prompts->answer = QMessageBox::Yes;
    QVERIFY(!m_window->close()); // it waits for the job first
    QCOMPARE(m_prompts->questions.last(),
             QStringLiteral("Are you want to exit the App ? The task will be interrupted!"));
    QVERIFY(m_window->isStoppingForExit());
    QVERIFY(status()->text().startsWith(QStringLiteral("Stopping the task before closing")));
    m_window->processingButton()->click(); // asks nothing more
    QCOMPARE(m_prompts->questions.size(), 1);
    release();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->isVisible(), 10000);
    QVERIFY(!m_window->jobThread()->isRunning());

    const QStringList files = TestFiles::filesBelow(output());
    QVERIFY(files.filter(PhotoCopier::temporaryPrefix()).isEmpty());
    const QStringList copies = files.filter(QStringLiteral("IMG/"));
    QVERIFY(!copies.isEmpty());
    for (const QString &copy : copies)
        QVERIFY2(!QImage(output() + QLatin1Char('/') + copy).isNull(), qPrintable(copy));
    QCOMPARE(TestFiles::readLines(output() + "/fileData.txt").size(), copies.size() + 1);
    QVERIFY(m_prompts->openedFolders.isEmpty());
}

void TestMainWindowRun::clearFlyEmptiesTheWindow()
{
    QSettings settings;
    Keys::OutputClearFly.write(settings, true);
    QString timemarks;
    load(m_window->blocks().first(), flight(2, &timemarks), timemarks);
    runToTheEnd();
    QVERIFY(m_window->blocks().isEmpty());
    QVERIFY(QFileInfo::exists(output() + "/IMG/KES_1_00002.JPG"));
}

void TestMainWindowRun::photoGoneDuringTheRunIsNamed()
{
    QString timemarks;
    const QStringList photos = flight(4, &timemarks);
    load(m_window->blocks().first(), photos, timemarks);
    holdJobAtFirstPhoto();
    m_window->processingButton()->click();
    QVERIFY(m_gateReached.tryAcquire(1, 10000));
    QVERIFY(QFile::remove(photos.at(3)));
    release();
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->processingButton()->isBusy(), 10000);
    QVERIFY(status()->text().contains(QStringLiteral("1 photos need attention")));
    LogWindow *list = m_window->errorWindow();
    QVERIFY(list->isVisible());
    QVERIFY(list->html().contains(QStringLiteral("Not copied: %1").arg(photos.at(3))));
    // The check for deleted files, paused during the run, then drops the photo from its block;
    // its list goes below the run's report instead of hiding it.
    QTRY_COMPARE(m_window->blocks().first()->data()->photos()->rowCount(), 3);
    QCOMPARE(list->windowTitle(), QStringLiteral("Processing report"));
    QVERIFY(list->html().contains(QStringLiteral("Not copied: %1").arg(photos.at(3))));
    QVERIFY(list->html().contains(QStringLiteral("because they don't exist")));
}

void TestMainWindowRun::quarantinedFromPhotoMenu()
{
    Fly *fly = m_window->blocks().first();
    QString timemarks;
    load(fly, flight(4, &timemarks), timemarks);
    QSignalSpy quarantined(fly, &Fly::onQurantined);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    TableView *photos = fly->tablePhotos();
    const QModelIndex third = photos->model()->index(2, 0);
    QTest::mouseClick(photos->viewport(), Qt::LeftButton, {}, photos->visualRect(third).center());
    QCOMPARE(fly->tableMeta()->selectedRows(), QList<int>{2});
    m_prompts->menuChoice = QStringLiteral("Add to Quarantine");
    fly->on_tablePhotos_customContextMenuRequested(QPoint(1, 1));
    QCOMPARE(quarantined.size(), 1);
    QCOMPARE(quarantined.first().first().value<QList<int>>(), QList<int>{2});

    runToTheEnd();
    QVERIFY(QFileInfo::exists(output() + "/QUARANTINE/KES_1_00003.JPG"));
    QVERIFY(!QFileInfo::exists(output() + "/IMG/KES_1_00003.JPG"));
    const QStringList lines = TestFiles::readLines(output() + "/fileData.txt");
    QCOMPARE(lines.size(), 5);
    QVERIFY(lines.at(3).startsWith(QStringLiteral("KES_1_00003.JPG")));
}

QTEST_MAIN(TestMainWindowRun)
#include "testmainwindowrun.moc"
