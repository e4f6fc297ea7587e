#include "app/commandline.h"
#include "app/customtoolbutton.h"
#include "app/guiresources.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "photos/photomodel.h"
#include "processing/fileswork.h"
#include "processing/precheck.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "unreadphotos.h"

#include <QLabel>
#include <QLineEdit>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void frame();
    void noCheckSuffix_data();
    void noCheckSuffix();
    void geometryRestored_data();
    void geometryRestored();
    void normalGeometryStored();
    void maximisedStoredAsStateOne();
    void closingRenumbersBlocks();
    void preChecks_data();
    void preChecks();
    void hardDiskError();
    void processingControlKeepsLastAction();
    void outputDirectoryFollowsStore();
    void unsavedOutputDirectoryStays_data();
    void unsavedOutputDirectoryStays();
    void deletedPhotoLeavesItsBlock();

private:
    /// Gives block @p fly @p count unread photo entries and as many rows.
    static void fill(Fly *fly, int count);

    QTemporaryDir m_tempDir;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
    UserPrompts::setInstance(new ScriptedPrompts);
}

void TestMainWindow::init()
{
    QSettings settings;
    settings.clear();
}

void TestMainWindow::frame()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrix 1.8.9"));
    QCOMPARE(window.minimumSize(), QSize(1136, 500));
    QVERIFY(!window.isNoCheck());
    QVERIFY(!window.blocksNoCheck());
}

void TestMainWindow::noCheckSuffix_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("blocksNoCheck");
    const QString suffix = QStringLiteral(" - RUN MODE WITHOUT CHECKING");
    QTest::newRow("none") << QStringList{"kestrix"} << "Kestrix 1.8.9" << false;
    QTest::newRow("capitals") << QStringList{"kestrix", "-NOCHECK"} << "Kestrix 1.8.9" + suffix
                              << false;
    QTest::newRow("twice") << QStringList{"kestrix", "-nocheck", "-nocheck"}
                           << "Kestrix 1.8.9" + suffix + suffix << false;
    QTest::newRow("fulldel") << QStringList{"kestrix", "-fulldel"} << "Kestrix 1.8.9" + suffix
                             << true;
}

void TestMainWindow::noCheckSuffix()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    QFETCH(bool, blocksNoCheck);
    MainWindow window;
    const CommandLine line(arguments);
    window.applyCommandLine(line);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.isNoCheck(), line.noCheck());
    QCOMPARE(window.blocksNoCheck(), blocksNoCheck);
}

void TestMainWindow::geometryRestored_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid = never written
    QTest::addColumn<QRect>("expected");
    QTest::newRow("empty store") << QVariant() << QRect(0, 0, 1200, 700);
    QTest::newRow("stored") << QVariant(QRect(40, 30, 1300, 650)) << QRect(40, 30, 1300, 650);
    QTest::newRow("below the minimum")
        << QVariant(QRect(10, 20, 400, 300)) << QRect(10, 20, 1136, 500);
    // A monitor that is no longer attached: the window comes back where it can be seen.
    QTest::newRow("off every screen")
        << QVariant(QRect(-9000, -9000, 1200, 700)) << QRect(0, 0, 1200, 700);
}

void TestMainWindow::geometryRestored()
{
    QFETCH(QVariant, stored);
    QFETCH(QRect, expected);
    if (stored.isValid()) {
        QSettings settings;
        Keys::WindowGeometry.write(settings, stored.toRect());
    }
    MainWindow window;
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.geometry(), expected);
}

void TestMainWindow::normalGeometryStored()
{
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(50, 60, 1150, 620);
        window.close();
    }
    QSettings settings;
    QCOMPARE(Keys::WindowState.read(settings), 0);
    QCOMPARE(Keys::WindowGeometry.read(settings), QRect(50, 60, 1150, 620));
    MainWindow reopened;
    QCOMPARE(reopened.geometry(), QRect(50, 60, 1150, 620));
}

void TestMainWindow::maximisedStoredAsStateOne()
{
    {
        MainWindow window;
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.isMaximized());
    } // destruction alone stores it, as when the event loop ends without a close
    QSettings settings;
    QCOMPARE(Keys::WindowState.read(settings), 1);
    QVERIFY(!Keys::WindowGeometry.isStored(settings));
    MainWindow reopened;
    QVERIFY(reopened.windowState() & Qt::WindowMaximized);
}

void TestMainWindow::fill(Fly *fly, int count)
{
    // Entries need not exist for the checks; the deleted-file check is paused by the caller.
    const UnreadPhotos photos = UnreadPhotos::make(QStringLiteral("/nowhere"), count);
    QList<Line> rows;
    for (int i = 0; i < count; ++i)
        rows.append(Line());
    QVERIFY(fly->fillFromSplit(rows, photos.entries, photos.adjs, photos.dates, BlockColumns(),
                               QString()));
}

void TestMainWindow::closingRenumbersBlocks()
{
    MainWindow window;
    for (int i = 0; i < 3; ++i)
        window.on_btn_addFly_clicked();
    const QList<Fly *> before = window.blocks();
    QCOMPARE(before.size(), 4);
    QMetaObject::invokeMethod(before.at(1), "on_btn_closeFly_clicked");
    QCOMPARE(window.blocks(), (QList<Fly *>{before.at(0), before.at(2), before.at(3)}));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(window.blocks().at(i)->number(), i + 1);
        QCOMPARE(window.blocks().at(i)->findChild<QLabel *>(QStringLiteral("lbl_block"))->text(),
                 QStringLiteral("Block #%1").arg(i + 1));
    }
}

void TestMainWindow::preChecks_data()
{
    QTest::addColumn<QList<int>>("photos"); // per block; each with as many rows
    QTest::addColumn<qint64>("available");  // -1: as much as the photos need
    QTest::addColumn<bool>("dirEmpty");
    QTest::addColumn<bool>("autoDir");
    QTest::addColumn<bool>("noCheck");
    QTest::addColumn<QString>("status"); // empty: the run starts
    const QString prefix = QStringLiteral("Processing is not possible: ");
    QTest::newRow("9999 pass") << QList<int>{5000, 4999} << qint64(1) << true << false << false
                               << "";
    QTest::newRow("10000 fail") << QList<int>{5000, 5000} << qint64(1) << true << false << false
                                << prefix + "You have selected more than 9999 files";
    QTest::newRow("bytes equal to free space")
        << QList<int>{} << qint64(-1) << true << false << false << prefix + "Not enough free space";
    QTest::newRow("non-empty folder, subdirectory wanted")
        << QList<int>{3} << qint64(1) << false << true << false << "";
    QTest::newRow("several failures in their order")
        << QList<int>{3, 0} << qint64(-1) << false << false << false
        << prefix + "Selected directory is not empty, Not enough free space, Amount of photos "
                    "and timemark rows are not match";
    QTest::newRow("no-check keeps the warnings")
        << QList<int>{5000, 5000} << qint64(1) << false << false << true
        << prefix + "Selected directory is not empty, You have selected more than 9999 files";
}

void TestMainWindow::preChecks()
{
    QFETCH(QList<int>, photos);
    QFETCH(qint64, available);
    QFETCH(bool, dirEmpty);
    QFETCH(bool, autoDir);
    QFETCH(bool, noCheck);
    QFETCH(QString, status);
    QSettings settings;
    Keys::OutputAutoCreate.write(settings, autoDir);
    // A run that starts must not write where the operator keeps files.
    QTemporaryDir out;
    Keys::OutputDir.write(settings, out.path());
    MainWindow window;
    window.setPhotoCheckPaused(true);
    if (noCheck)
        window.enableNoCheck();
    qint64 needed = 0;
    if (available < 0) {
        // One real photo gives the block bytes to need.
        QList<TimemarkRow> rows;
        const QStringList files =
            SyntheticFlight::writeFlight(m_tempDir.filePath(QStringLiteral("bytes")), 1, &rows);
        Fly *fly = window.blocks().first();
        QVERIFY(fly->fillFromSplit({Line()}, files, {Adj()}, {QDateTime()}, BlockColumns(), {}));
        needed = fly->data()->photos()->totalVolume();
        QVERIFY(needed > 0);
        available = needed;
    }
    for (int i = 0; i < photos.size(); ++i) {
        if (i > 0 || window.blocks().first()->data()->photos()->rowCount() > 0)
            window.on_btn_addFly_clicked();
        if (photos.at(i) > 0)
            fill(window.blocks().last(), photos.at(i));
    }
    window.setVolumeProbe([=](const QString &) {
        PreCheckVolume volume;
        volume.valid = true;
        volume.availableBytes = available;
        volume.dirEmpty = dirEmpty;
        return volume;
    });
    window.processingButton()->click();
    auto *label = window.findChild<QLabel *>(QStringLiteral("lbl_processStatus"));
    if (status.isEmpty()) {
        QCOMPARE(window.processingButton()->text(), QStringLiteral("Break"));
        window.job()->stop(); // the entries are no photos; starting is all this case is about
        QTRY_VERIFY(!window.jobThread()->isRunning());
        return;
    }
    QCOMPARE(label->text(), status);
    const bool tooMany = !window.checks().filesOk;
    QCOMPARE(tooMany, status.contains(QStringLiteral("9999")));
    // The free-space line is kept even when a check fails.
    QVERIFY(window.findChild<QLabel *>(QStringLiteral("lbl_freeSpace"))
                ->text()
                .startsWith(QStringLiteral("Requires ")));
    if (tooMany) {
        window.checkSpace(); // a re-check shows the count warning in red
        QCOMPARE(label->text(),
                 PreCheck::redForm(QStringLiteral("You have selected more than 9999 files")));
    }
}

void TestMainWindow::hardDiskError()
{
    MainWindow window;
    window.setVolumeProbe([](const QString &) { return PreCheckVolume(); });
    window.checkSpace();
    QCOMPARE(window.findChild<QLabel *>(QStringLiteral("lbl_freeSpace"))->text(),
             PreCheck::redForm(QStringLiteral("Hard disk error")));
}

void TestMainWindow::processingControlKeepsLastAction()
{
    MainWindow window;
    CustomToolButton *control = window.processingButton();
    QCOMPARE(control->text(), QStringLiteral("Processing"));
    QCOMPARE(control->minimumHeight(), 47);
    QAction *timemarks = control->menu()->actions().at(1);
    QCOMPARE(timemarks->text(), QStringLiteral("Only Timemarks"));
    control->triggered(timemarks);
    timemarks->trigger();
    QCOMPARE(window.workType(), TimemarksOnly);
    QCOMPARE(control->text(), QStringLiteral("Only Timemarks"));
    QCOMPARE(control->defaultAction(), timemarks);
}

void TestMainWindow::outputDirectoryFollowsStore()
{
    MainWindow window;
    auto *line = window.findChild<QLineEdit *>(QStringLiteral("line_outputDir"));
    QSettings settings;
    QCOMPARE(line->text(), Keys::OutputDir.read(settings));
    // Other windows change the folder by writing the setting; the line follows within 800 ms.
    Keys::OutputDir.write(settings, m_tempDir.path());
    QTRY_COMPARE_WITH_TIMEOUT(line->text(), m_tempDir.path(), 2000);
    // A chosen folder is stored at once.
    static_cast<ScriptedPrompts &>(UserPrompts::instance()).directory = QDir::rootPath();
    window.on_btn_outputDir_clicked();
    QCOMPARE(Keys::OutputDir.read(settings), QDir::rootPath());
    auto *prefix = window.findChild<QLineEdit *>(QStringLiteral("linePhotoPrefix"));
    QCOMPARE(prefix->text(), QStringLiteral("KES"));
    prefix->setText(QStringLiteral("FIELD7"));
    QCOMPARE(Keys::PhotoPrefix.read(settings), QStringLiteral("FIELD7"));
}

void TestMainWindow::unsavedOutputDirectoryStays_data()
{
    QTest::addColumn<bool>("typed");
    QTest::newRow("chosen") << false;
    QTest::newRow("typed") << true;
}

void TestMainWindow::unsavedOutputDirectoryStays()
{
    QFETCH(bool, typed);
    QSettings settings;
    Keys::OutputSaveDir.write(settings, false);
    Keys::OutputDir.write(settings, m_tempDir.path());
    MainWindow window;
    auto *line = window.findChild<QLineEdit *>(QStringLiteral("line_outputDir"));
    QCOMPARE(line->text(), m_tempDir.path());
    if (typed) {
        line->setText(QDir::rootPath());
    } else {
        static_cast<ScriptedPrompts &>(UserPrompts::instance()).directory = QDir::rootPath();
        window.on_btn_outputDir_clicked();
    }
    window.onOutputTimer();
    QCOMPARE(line->text(), QDir::rootPath());
    QCOMPARE(Keys::OutputDir.read(settings), m_tempDir.path());
    // A folder stored afterwards, by a block picking photos, still reaches the line.
    Keys::OutputDir.write(settings, QDir::homePath());
    window.onOutputTimer();
    QCOMPARE(line->text(), QDir::homePath());
}

void TestMainWindow::deletedPhotoLeavesItsBlock()
{
    MainWindow window;
    window.on_btn_addFly_clicked();
    QList<TimemarkRow> rows;
    const QStringList files =
        SyntheticFlight::writeFlight(m_tempDir.filePath(QStringLiteral("gone")), 3, &rows);
    Fly *second = window.blocks().at(1);
    QVERIFY(second->fillFromSplit({Line(), Line(), Line()}, files, {Adj(), Adj(), Adj()},
                                  {QDateTime(), QDateTime(), QDateTime()}, BlockColumns(), {}));
    QVERIFY(QFile::remove(files.at(1)));
    QTRY_COMPARE_WITH_TIMEOUT(second->data()->photos()->rowCount(), 2, 1000);
    QVERIFY(window.errorWindow()->isVisible());
    QCOMPARE(window.errorWindow()->windowTitle(), QStringLiteral("There are removed files"));
    QVERIFY(window.errorWindow()->html().contains(QFileInfo(files.at(1)).fileName()));
    QVERIFY(second->findChild<QLabel *>(QStringLiteral("lbl_photos"))
                ->text()
                .startsWith(QStringLiteral("Added 2 photos")));

    // Paused, as during a run, a missing file stays listed.
    window.setPhotoCheckPaused(true);
    QVERIFY(QFile::remove(files.at(0)));
    QTest::qWait(700);
    QCOMPARE(second->data()->photos()->rowCount(), 2);
}

QTEST_MAIN(TestMainWindow)
#include "testmainwindow.moc"
