#include "app/guiresources.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "photos/photomodel.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"
#include "unreadphotos.h"

#include <QCheckBox>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QProgressBar>
#include <QScrollBar>
#include <QSplitter>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QToolButton>
#include <QUrl>
#include <QtTest>

#include <sys/stat.h>

class TestFly : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void matchShownInFrameAndMenu_data();
    void matchShownInFrameAndMenu();
    void deleteKeyRemovesPairsSelectedInPhotos();
    void quarantinedRowDisablesItsRemove_data();
    void quarantinedRowDisablesItsRemove();
    void tablesScrollAsOne();
    void photosFromDialogAndDrop();
    void selectionFollowsRowChanges_data();
    void selectionFollowsRowChanges();
    void tablesShowTheirColumns_data();
    void tablesShowTheirColumns();
    void refusedPhotosReported_data();
    void refusedPhotosReported();
    void splitMakesCheckedBlocks_data();
    void splitMakesCheckedBlocks();
    void filterPass_data();
    void filterPass();
    void quarantineNeedsEqualCounts();

private:
    Fly *block() const { return m_window->blocks().first(); }
    /// Writes @p count photos and their rows into a fresh folder; returns the photo paths.
    QStringList flight(int count, QList<Line> *lines);
    void loadPhotos(const QStringList &entries);
    /// Gives the block @p count unread entries shot at @p seconds and @p rows timemark rows.
    void fakeFlight(int count, int rows, const QList<int> &seconds = {});

    QTemporaryDir m_tempDir;
    MainWindow *m_window = nullptr;
    ScriptedPrompts *m_prompts = nullptr;
    int m_flights = 0;
};

void TestFly::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
}

void TestFly::init()
{
    QSettings().clear();
    m_prompts = new ScriptedPrompts;
    UserPrompts::setInstance(m_prompts);
    m_window = new MainWindow;
    // Photos written by a test are never deleted under it; nothing to check.
    m_window->setPhotoCheckPaused(true);
}

void TestFly::cleanup()
{
    delete m_window;
    UserPrompts::setInstance(nullptr);
}

QStringList TestFly::flight(int count, QList<Line> *lines)
{
    const QString dir = m_tempDir.filePath(QStringLiteral("flight%1").arg(++m_flights));
    QList<TimemarkRow> rows;
    const QStringList photos = SyntheticFlight::writeFlight(dir, count, &rows);
    *lines += SyntheticFlight::lines(rows);
    return photos;
}

void TestFly::loadPhotos(const QStringList &entries)
{
    QSignalSpy added(block()->data()->photos(), &PhotoModel::photosAdded);
    block()->addPhotoEntries(entries);
    QVERIFY(!block()->isEnabled()); // while the reader works
    QVERIFY(added.wait(10000));
    QVERIFY(block()->isEnabled());
}

void TestFly::matchShownInFrameAndMenu_data()
{
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("frame");
    QTest::addColumn<bool>("pairsEnabled");
    QTest::newRow("10/10") << 10 << "#03a158" << true;
    QTest::newRow("10/9") << 9 << "#df031d" << false;
}

void TestFly::matchShownInFrameAndMenu()
{
    QFETCH(int, rows);
    QFETCH(QString, frame);
    QFETCH(bool, pairsEnabled);
    QList<Line> lines;
    loadPhotos(flight(10, &lines));
    block()->data()->addTimemarks(lines.mid(0, rows), false);
    QVERIFY(block()->findChild<QFrame *>(QStringLiteral("FlyView"))->styleSheet().contains(frame));
    QVERIFY(block()
                ->findChild<QLabel *>(QStringLiteral("lbl_photos"))
                ->text()
                .startsWith(QStringLiteral("Added 10 photos, ")));
    block()->tablePhotos()->setCurrentIndex(block()->tablePhotos()->model()->index(0, 0));
    block()->on_tablePhotos_customContextMenuRequested(QPoint(1, 1));
    QCOMPARE(m_prompts->menu.value(QStringLiteral("Remove Photo(s) and Timemark(s)")),
             pairsEnabled);
    QCOMPARE(m_prompts->menu.value(QStringLiteral("Add to Quarantine")), pairsEnabled);
}

void TestFly::deleteKeyRemovesPairsSelectedInPhotos()
{
    QList<Line> lines;
    const QStringList photos = flight(8, &lines);
    loadPhotos(photos);
    block()->data()->addTimemarks(lines, false);
    block()->tablePhotos()->selectRows({2, 5});
    QTest::keyClick(block()->tablePhotos(), Qt::Key_Delete);
    QCOMPARE(block()->data()->photos()->rowCount(), 6);
    QCOMPARE(block()->data()->timemarks()->rowCount(), 6);
    for (int r : {0, 1, 3, 4, 6, 7}) {
        const int now = r - (r > 2) - (r > 5);
        QCOMPARE(block()->data()->photos()->entry(now), photos.at(r));
        QCOMPARE(block()->data()->timemarks()->date(now), lines.at(r).date);
    }
}

void TestFly::quarantinedRowDisablesItsRemove_data()
{
    QTest::addColumn<bool>("photoTable");
    QTest::newRow("photos") << true;
    QTest::newRow("timemarks") << false;
}

void TestFly::quarantinedRowDisablesItsRemove()
{
    QFETCH(bool, photoTable);
    QList<Line> lines;
    loadPhotos(flight(4, &lines));
    block()->data()->addTimemarks(lines, false);
    TableView *table = photoTable ? block()->tablePhotos() : block()->tableMeta();
    auto openMenu = [&] {
        // A right click makes the cell under the pointer current.
        table->setCurrentIndex(table->model()->index(1, 0));
        m_prompts->menu.clear();
        if (photoTable)
            block()->on_tablePhotos_customContextMenuRequested(QPoint(1, 1));
        else
            block()->on_tableMeta_customContextMenuRequested(QPoint(1, 1));
        return m_prompts->menu.value(QStringLiteral("Remove"));
    };
    QVERIFY(openMenu());
    block()->tableMeta()->selectRows({1});
    m_prompts->menuChoice = QStringLiteral("Add to Quarantine");
    openMenu();
    m_prompts->menuChoice.clear();
    QCOMPARE(block()->data()->quarantinedRows(), QList<int>{1});
    QVERIFY(!openMenu());
    // Any change of the lists drops every mark, and the entry comes back.
    block()->onBtnClearMarks_clicked();
    block()->data()->addTimemarks(lines, false);
    QVERIFY(block()->data()->quarantinedRows().isEmpty());
    QVERIFY(openMenu());
}

void TestFly::tablesScrollAsOne()
{
    QList<Line> lines;
    loadPhotos(flight(40, &lines));
    block()->data()->addTimemarks(lines, false);
    QSettings settings;
    Keys::FlyOutputPreview.write(settings, true);
    block()->findChild<QCheckBox *>(QStringLiteral("chkb_preview"))->setChecked(true);
    block()->on_chkb_preview_clicked();
    m_window->resize(1200, 500);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QScrollBar *photos = block()->tablePhotos()->verticalScrollBar();
    QVERIFY(photos->maximum() > 5);
    for (TableView *moved :
         {block()->tablePhotos(), block()->tableMeta(), block()->tablePreview()}) {
        const int value = moved->verticalScrollBar()->value() == 5 ? 3 : 5;
        moved->verticalScrollBar()->setValue(value);
        for (TableView *t : {block()->tablePhotos(), block()->tableMeta(), block()->tablePreview()})
            QCOMPARE(t->verticalScrollBar()->value(), value);
    }
}

void TestFly::photosFromDialogAndDrop()
{
    QList<Line> lines;
    const QStringList photos = flight(3, &lines);
    const QString folder = QFileInfo(photos.first()).absolutePath();
    QSettings settings;
    Keys::OutputDir.write(settings, m_tempDir.path());
    m_prompts->files = photos.mid(0, 2);
    block()->on_btn_addPhotos_clicked();
    QCOMPARE(m_prompts->fileDialogStart, QDir(m_tempDir.path()).absolutePath());
    QTRY_COMPARE(block()->data()->photos()->rowCount(), 2);
    QCOMPARE(Keys::LastDir.read(settings), folder);
    QCOMPARE(Keys::OutputDir.read(settings), folder);

    // A drop takes the photo URLs in their order, any letter case, and ignores the rest.
    QMimeData mime;
    mime.setUrls({QUrl::fromLocalFile(photos.at(2)),
                  QUrl::fromLocalFile(m_tempDir.filePath(QStringLiteral("timemarks.csv")))});
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(block(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(block(), &drop);
    QTRY_COMPARE(block()->data()->photos()->rowCount(), 3);
    QCOMPARE(block()->data()->photos()->entries().mid(0, 2), photos.mid(0, 2));

    QMimeData other;
    other.setUrls({QUrl::fromLocalFile(m_tempDir.filePath(QStringLiteral("notes.pdf")))});
    QDragEnterEvent refused(QPoint(5, 5), Qt::CopyAction, &other, Qt::LeftButton, Qt::NoModifier);
    refused.setAccepted(false);
    QApplication::sendEvent(block(), &refused);
    QVERIFY(!refused.isAccepted());
}

void TestFly::selectionFollowsRowChanges_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<bool>("kept");
    QTest::newRow("quarantine cleared") << "clear" << true;
    QTest::newRow("photos appended") << "append" << true;
    // The numbers would name the rows that moved up: on the map as in the tables.
    QTest::newRow("a pair removed") << "remove" << false;
}

void TestFly::selectionFollowsRowChanges()
{
    QFETCH(QString, change);
    QFETCH(bool, kept);
    fakeFlight(6, 6);
    block()->data()->addQuarantine({4});
    block()->selectRows({1, 2});
    QSignalSpy selections(block(), &Fly::onSelected);
    if (change == "clear")
        block()->onClearQuarantine();
    else if (change == "append")
        block()->data()->photos()->appendPhotos({"x.jpg"}, {Adj{}}, {QDateTime()});
    else
        block()->data()->removePairs({0});
    const QList<int> expected = kept ? QList<int>{1, 2} : QList<int>{};
    QCOMPARE(block()->selection(), expected);
    QCOMPARE(selections.isEmpty(), kept);
    for (TableView *table : {block()->tablePhotos(), block()->tableMeta(), block()->tablePreview()})
        QCOMPARE(table->selectedRows(), expected);
}

void TestFly::tablesShowTheirColumns_data()
{
    QTest::addColumn<bool>("preview");
    QTest::addColumn<bool>("storedSplit");
    QTest::newRow("timemarks") << false << false;
    QTest::newRow("timemarks and preview") << true << false;
    QTest::newRow("a stored split wins") << true << true;
}

void TestFly::tablesShowTheirColumns()
{
    QFETCH(bool, preview);
    QFETCH(bool, storedSplit);
    QSettings settings;
    Keys::FlyOutputPreview.write(settings, preview);
    if (storedSplit) {
        block()->findChild<QSplitter *>()->setSizes({600, 300, 200});
        settings.setValue(Keys::FlySplitter, block()->findChild<QSplitter *>()->saveState());
    }
    m_window->on_btn_addFly_clicked();
    Fly *fly = m_window->blocks().last();
    // Wide enough for the widest fonts a test may be drawn with.
    m_window->resize(1700, 700);
    m_window->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QList<Line> lines;
    const QStringList photos = flight(20, &lines);
    QVERIFY(BlockFill::addPhotos(fly, photos));
    fly->data()->addTimemarks(lines, false);
    fly->setMetaColumns(1, 1, 1, 1);
    const QList<int> before = fly->findChild<QSplitter *>()->sizes();
    fly->autoResizeTable();

    QVERIFY(fly->tablePreview()->isColumnHidden(0));
    QCOMPARE(fly->tablePreview()->isVisible(), preview);
    if (storedSplit) {
        QCOMPARE(fly->findChild<QSplitter *>()->sizes(), before);
        return;
    }
    for (TableView *table : {fly->tableMeta(), fly->tablePreview()}) {
        if (table->isVisible())
            QVERIFY2(table->horizontalHeader()->length() <= table->viewport()->width(),
                     qPrintable(table->objectName()));
    }
    TableView *paths = fly->tablePhotos();
    QCOMPARE(paths->horizontalHeader()->sectionSize(0), paths->viewport()->width());
}

void TestFly::refusedPhotosReported_data()
{
    QTest::addColumn<QString>("batch");
    QTest::addColumn<bool>("tagWarning");
    QTest::newRow("beside a good photo") << "good hostile" << false;
    QTest::newRow("nothing taken, for many reasons") << "hostile" << false;
    QTest::newRow("nothing taken, no tags") << "bare" << true;
}

void TestFly::refusedPhotosReported()
{
    QFETCH(QString, batch);
    QFETCH(bool, tagWarning);
    const QDir dir(m_tempDir.filePath(QStringLiteral("hostile%1").arg(++m_flights)));
    QVERIFY(dir.mkpath(QStringLiteral(".")));
    QList<Line> lines;
    const QString good = flight(1, &lines).first();
    const QByteArray jpeg = TestFiles::readAll(good);
    QVERIFY(!jpeg.isEmpty());
    PhotoSpec bare;
    bare.pitch.reset();
    QVERIFY(SyntheticFlight::writePhoto(dir.filePath(QStringLiteral("bare <1>.jpg")), bare));
    // Each name with the start of its reason; the content of a file, or a folder or a pipe.
    QList<std::tuple<QString, QString, QByteArray>> refused{
        {"bare <1>.jpg", "has no drone attitude", {}}};
    if (batch != "bare")
        refused << std::make_tuple("empty.jpg", "is empty", QByteArray(""))
                << std::make_tuple("notes & plans.jpg", "is not a JPEG photo", QByteArray("a;b"))
                << std::make_tuple("cut.jpg", "is cut short",
                                   jpeg.left(jpeg.indexOf("http://ns.adobe.com/xap/") + 40))
                << std::make_tuple("folder.jpg", "is a folder", QByteArray("dir"))
                << std::make_tuple("pipe.jpg", "is a FIFO", QByteArray("fifo"));
    const bool withGood = batch == "good hostile";
    QStringList entries = withGood ? QStringList{good} : QStringList();
    for (auto &[name, reason, content] : refused) {
        name = dir.filePath(name);
        entries << name;
        if (content == "dir") {
            QVERIFY(dir.mkpath(name));
        } else if (content == "fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(name), 0600) == 0);
        } else if (!content.isNull()) {
            QVERIFY(TestFiles::write(name, content));
        }
    }
    if (withGood) {
        entries << good;
        refused << std::make_tuple(good, QString("is the same photo as"), QByteArray());
    }
    loadPhotos(entries);

    QCOMPARE(block()->data()->photos()->rowCount(), withGood ? 1 : 0);
    QCOMPARE(m_prompts->warnings.size(), tagWarning ? 1 : 0);
    LogWindow *list = m_window->errorWindow();
    QVERIFY(list->isVisible());
    QCOMPARE(list->windowTitle(), QStringLiteral("Photos not added"));
    const QString text = list->findChild<QTextEdit *>()->toPlainText();
    QCOMPARE(text.count(QLatin1Char('\n')), refused.size() + 1); // the heading, a line each
    for (const auto &[name, reason, content] : qAsConst(refused))
        QVERIFY2(text.contains(name + QLatin1Char(' ') + reason), qPrintable(name));
}

void TestFly::fakeFlight(int count, int rows, const QList<int> &seconds)
{
    QList<QDateTime> dates;
    QList<Line> lines;
    const QDateTime start(QDate(2024, 5, 17), QTime(10, 0, 0));
    for (int i = 0; i < count; ++i) {
        dates << start.addSecs(seconds.value(i, 2 * i));
        if (i < rows) {
            Line line;
            line.date = dates.last().toString(Qt::ISODate);
            lines << line;
        }
    }
    const UnreadPhotos photos = UnreadPhotos::make(QStringLiteral("/nowhere"), count, dates);
    // The date and the height and east accuracies come from the file; the north one does not.
    QVERIFY(block()->fillFromSplit(lines, photos.entries, photos.adjs, photos.dates,
                                   BlockColumns{1, 0, 7, 8}, QStringLiteral(";")));
}

void TestFly::splitMakesCheckedBlocks_data()
{
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QList<int>>("seconds");
    QTest::addColumn<QList<int>>("sizes"); // photos of each block afterwards
    QTest::addColumn<QString>("message");
    QTest::newRow("90 s gap") << 60 << QList<int>{0, 2, 92, 94} << QList<int>{2, 2}
                              << "Block sliced to 1 blocks";
    QTest::newRow("threshold 0") << 0 << QList<int>{0, 2, 4} << QList<int>{0, 1, 1, 1}
                                 << "Block sliced to 3 blocks";
    QTest::newRow("no gap") << 60 << QList<int>{0, 2, 4} << QList<int>{3}
                            << "No data to split on blocks";
}

void TestFly::splitMakesCheckedBlocks()
{
    QFETCH(int, threshold);
    QFETCH(QList<int>, seconds);
    QFETCH(QList<int>, sizes);
    QFETCH(QString, message);
    QSettings settings;
    Keys::SecondsToSlice.write(settings, threshold);
    fakeFlight(seconds.size(), seconds.size(), seconds);
    QSignalSpy notes(block()->data(), &FlyData::notification);
    auto *split = block()->findChild<QToolButton *>(QStringLiteral("btn_trySplit"));
    QVERIFY(split->isEnabled());
    split->click();
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes.first().first().toString(), message);
    QCOMPARE(m_window->blocks().size(), sizes.size());
    for (int b = 0; b < sizes.size(); ++b) {
        Fly *fly = m_window->blocks().at(b);
        QCOMPARE(fly->data()->photos()->rowCount(), sizes.at(b));
        QCOMPARE(fly->data()->timemarks()->rowCount(), sizes.at(b));
        if (b == 0)
            continue;
        QCOMPARE(fly->findChild<QLabel *>(QStringLiteral("lbl_block"))->text(),
                 QStringLiteral("Block #%1").arg(b + 1));
        QVERIFY(fly->findChild<QToolButton *>(QStringLiteral("btn_trySplit"))->isEnabled());
        QVERIFY(fly->findChild<QFrame *>(QStringLiteral("FlyView"))
                    ->styleSheet()
                    .contains(QStringLiteral("#03a158")));
        QVERIFY(!fly->tableMeta()->isColumnHidden(0));
        QVERIFY(fly->tableMeta()->isColumnHidden(4));
    }
}

void TestFly::filterPass_data()
{
    QTest::addColumn<QString>("how");
    QTest::addColumn<QList<int>>("selected");
    QTest::newRow("gimbal from the menu") << "menu" << QList<int>{2};
    QTest::newRow("results after deactivateFiltres still select") << "deactivated" << QList<int>{2};
    QTest::newRow("all switches off starts nothing") << "off" << QList<int>{};
}

void TestFly::filterPass()
{
    QFETCH(QString, how);
    QFETCH(QList<int>, selected);
    const QString dir = m_tempDir.filePath(QStringLiteral("gimbal%1").arg(++m_flights));
    QDir().mkpath(dir);
    QStringList photos;
    QList<Line> lines;
    for (int i = 0; i < 4; ++i) {
        PhotoSpec spec;
        spec.gimbalPitch = i == 2 ? -60.0 : -90.0;
        photos << QStringLiteral("%1/DJI_%2.JPG").arg(dir).arg(i);
        QVERIFY(SyntheticFlight::writePhoto(photos.last(), spec));
        Line line;
        line.y = 6000000.0 + 10 * i;
        lines << line;
    }
    loadPhotos(photos);
    block()->data()->addTimemarks(lines, false);
    QSignalSpy selections(block(), &Fly::onSelected);
    auto *photoBar = block()->findChild<QProgressBar *>(QStringLiteral("progressBar"));
    auto *distanceBar = block()->findChild<QProgressBar *>(QStringLiteral("progressBar_2"));
    if (how == "off") {
        block()->activateFiltres();
    } else {
        QMenu *filters = block()->photoMenu()->actions().last()->menu();
        filters->actions().at(1)->trigger(); // "by GimbalPitchDegree"
        QVERIFY(block()->isFiltering());
        QVERIFY(!block()->tablePhotos()->isEnabled());
        QVERIFY(!block()->findChild<QFrame *>(QStringLiteral("FlyView"))->isEnabled());
        QVERIFY(photoBar->isVisibleTo(block()));
        QVERIFY(!distanceBar->isVisibleTo(block()));
        if (how == "deactivated")
            block()->deactivateFiltres();
    }
    QTRY_VERIFY_WITH_TIMEOUT(!block()->isFiltering(), 10000);
    QVERIFY(block()->tablePhotos()->isEnabled());
    QVERIFY(!photoBar->isVisibleTo(block()));
    QCOMPARE(block()->selection(), selected);
    QCOMPARE(block()->tableMeta()->selectedRows(), selected);
    QCOMPARE(selections.last().first().value<QList<int>>(), selected);
}

void TestFly::quarantineNeedsEqualCounts()
{
    fakeFlight(10, 9);
    QSignalSpy notes(block()->data(), &FlyData::notification);
    QSignalSpy quarantined(block(), &Fly::onQurantined);
    block()->tableMeta()->selectRows({1});
    block()->onAddQuarantine();
    QCOMPARE(notes.size(), 1);
    QCOMPARE(notes.first().first().toString(),
             QStringLiteral("Count photos and timemarks must be equal"));
    QVERIFY(quarantined.isEmpty());
    QVERIFY(block()->data()->quarantinedRows().isEmpty());
}

QTEST_MAIN(TestFly)
#include "testfly.moc"
