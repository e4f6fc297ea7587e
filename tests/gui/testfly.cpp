#include "app/guiresources.h"
#include "app/logwindow.h"
#include "app/mainwindow.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "photos/photomodel.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QCheckBox>
#include <QFrame>
#include <QLabel>
#include <QMimeData>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

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
    void refusedPhotosReported();

private:
    Fly *block() const { return m_window->blocks().first(); }
    /// Writes @p count photos and their rows into a fresh folder; returns the photo paths.
    QStringList flight(int count, QList<Line> *lines);
    void loadPhotos(const QStringList &entries);

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
    for (const TimemarkRow &row : rows) {
        Line line;
        line.date = row.date;
        line.y = row.north;
        line.x = row.east;
        line.z = row.height;
        lines->append(line);
    }
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

void TestFly::refusedPhotosReported()
{
    const QString bare = m_tempDir.filePath(QStringLiteral("bare <1>.jpg"));
    PhotoSpec spec;
    spec.pitch.reset();
    QVERIFY(SyntheticFlight::writePhoto(bare, spec));
    loadPhotos({bare});
    QCOMPARE(m_prompts->warnings,
             QStringList{"All files haven't been added because they don't contain Xmp "
                         "tags.drone-dj.Flight***Degree"});
    // With some photos taken, the refused ones are listed by name.
    QList<Line> lines;
    loadPhotos(flight(1, &lines) << bare);
    QCOMPARE(block()->data()->photos()->rowCount(), 1);
    QVERIFY(m_window->errorWindow()->isVisible());
    QCOMPARE(m_window->errorWindow()->windowTitle(), QStringLiteral("There are missing files"));
    QVERIFY(m_window->errorWindow()->html().contains(QStringLiteral("bare &lt;1&gt;.jpg")));
}

QTEST_MAIN(TestFly)
#include "testfly.moc"
