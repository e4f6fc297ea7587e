#include "app/guiresources.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/customtablemodel.h"
#include "blocks/dialogonadd.h"
#include "blocks/fly.h"
#include "blocks/tableview.h"
#include "logcapture.h"
#include "photos/photomodel.h"
#include "photos/viewphoto.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"
#include "timemarks/opentimemarkdialog.h"
#include "timemarks/timemarkimport.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <functional>

namespace {

/// Plays the operator in the import dialog and in the question how to add.
struct ImportPrompts : ScriptedPrompts
{
    enum Finish
    {
        Ok, //!< the OK button, with the dialog's own check
        Cancel,
        AroundOk //!< accepted without the dialog's check: the block must check itself
    };
    QString choose; //!< file clicked in the import dialog; empty for none
    std::function<void(OpenTimeMarkDialog &)> adjust;
    Finish finish = Ok;
    int onAddIndex = 0;
    QDialogButtonBox::StandardButton onAddButton = QDialogButtonBox::Yes;
    int asked = 0;
    int imports = 0;

    int exec(QDialog &dialog) override
    {
        if (auto *import = qobject_cast<OpenTimeMarkDialog *>(&dialog)) {
            ++imports;
            import->setResult(QDialog::Rejected);
            if (!choose.isEmpty())
                import->chooseFile(choose);
            if (adjust)
                adjust(*import);
            if (finish == Ok)
                import->accept();
            else if (finish == AroundOk)
                import->done(QDialog::Accepted);
            return import->result();
        }
        if (auto *ask = qobject_cast<DialogOnAdd *>(&dialog)) {
            ++asked;
            ask->findChild<QComboBox *>(QStringLiteral("comboBox"))->setCurrentIndex(onAddIndex);
            ask->findChild<QDialogButtonBox *>(QStringLiteral("buttonBox"))
                ->button(onAddButton)
                ->click();
            return ask->result();
        }
        return QDialog::Rejected;
    }
};

} // namespace

class TestFlyTimemarks : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void secondFileByOnAdd_data();
    void secondFileByOnAdd();
    void coordinateTypeOfDialog_data();
    void coordinateTypeOfDialog();
    void fileWithBadRowChangesNothing_data();
    void fileWithBadRowChangesNothing();
    void droppedFileOpensDialog_data();
    void droppedFileOpensDialog();
    void reloadReadsWhatWasTaken_data();
    void reloadReadsWhatWasTaken();
    void photoShownInViewer_data();
    void photoShownInViewer();

private:
    Fly *block() const { return m_window->blocks().first(); }
    /// Writes "Date;Point;North;East;H;sdN;sdE;sdH" rows; row i lies i * 10 m north of
    /// @p north, or 0.0001 degrees north when @p degrees. @p bad replaces row 2's north.
    QString marks(const QString &name, int rows, double north, bool degrees = false,
                  const QByteArray &bad = QByteArray());
    void import(const QString &path);
    QList<QPointF> positions() const;
    QString metaLabel() const;

    QTemporaryDir m_dir;
    MainWindow *m_window = nullptr;
    ImportPrompts *m_prompts = nullptr;
};

void TestFlyTimemarks::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestFlyTimemarks::init()
{
    QSettings().clear();
    m_prompts = new ImportPrompts;
    UserPrompts::setInstance(m_prompts);
    m_window = new MainWindow;
    m_window->setPhotoCheckPaused(true);
}

void TestFlyTimemarks::cleanup()
{
    delete m_window;
    UserPrompts::setInstance(nullptr);
}

QString TestFlyTimemarks::marks(const QString &name, int rows, double north, bool degrees,
                                const QByteArray &bad)
{
    QByteArray text = "Date;Point;North;East;H;sdN;sdE;sdH\n";
    for (int i = 0; i < rows; ++i) {
        const QByteArray n =
            i == 2 && !bad.isNull()
                ? bad
                : QByteArray::number(north + i * (degrees ? 0.0001 : 10.0), 'f', degrees ? 7 : 3);
        text += "2024/05/17 10:00:" + QByteArray::number(10 + i) + ";P" + QByteArray::number(i) +
                ";" + n + ";" + (degrees ? "25.0" : "500000.0") + ";100.0;0.01;0.02;0.03\n";
    }
    const QString path = m_dir.filePath(name);
    if (!TestFiles::write(path, text))
        qFatal("cannot write %s", qPrintable(path));
    return path;
}

void TestFlyTimemarks::import(const QString &path)
{
    m_prompts->choose = path;
    block()->on_btn_openMeta_clicked();
}

QList<QPointF> TestFlyTimemarks::positions() const
{
    QList<QPointF> values;
    for (const Line &line : block()->data()->timemarks()->rows())
        values << QPointF(line.x, line.y);
    return values;
}

QString TestFlyTimemarks::metaLabel() const
{
    return block()->findChild<QLabel *>(QStringLiteral("lbl_meta"))->text();
}

void TestFlyTimemarks::secondFileByOnAdd_data()
{
    QTest::addColumn<int>("onAdd");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("button");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("stored");
    QTest::addColumn<QString>("label");
    const int yes = QDialogButtonBox::Yes;
    const int all = QDialogButtonBox::YesToAll;
    const int cancel = QDialogButtonBox::Cancel;
    QTest::newRow("2 replaces without asking") << 2 << 0 << yes << 5 << 2 << "5 rows. second.csv";
    QTest::newRow("1 adds without asking") << 1 << 1 << yes << 8 << 1 << "8 rows. second.csv";
    QTest::newRow("asked: Replace, Yes to All") << 0 << 1 << all << 5 << 2 << "5 rows. second.csv";
    QTest::newRow("asked: Add to the end, Yes") << 0 << 0 << yes << 8 << 0 << "8 rows. second.csv";
    QTest::newRow("asked: Cancel") << 0 << 1 << cancel << 3 << 0 << "3 rows. first.csv";
}

void TestFlyTimemarks::secondFileByOnAdd()
{
    QFETCH(int, onAdd);
    QFETCH(int, index);
    QFETCH(int, button);
    QFETCH(int, rows);
    QFETCH(int, stored);
    QFETCH(QString, label);
    QSettings settings;
    Keys::MetaOnAdd.write(settings, onAdd);
    m_prompts->onAddIndex = index;
    m_prompts->onAddButton = QDialogButtonBox::StandardButton(button);
    // An empty block takes the rows whatever meta/onadd says.
    import(marks(QStringLiteral("first.csv"), 3, 6000000.0));
    QCOMPARE(block()->data()->timemarks()->rowCount(), 3);
    QCOMPARE(block()->data()->delimiter(), QStringLiteral(";"));
    QVERIFY(block()->tableMeta()->isColumnHidden(4));

    QSignalSpy changed(block(), &Fly::changedMeta);
    m_prompts->adjust = [](OpenTimeMarkDialog &dialog) {
        dialog.findChild<QSpinBox *>(QStringLiteral("spn_sx"))->setValue(6);
    };
    import(marks(QStringLiteral("second.csv"), 5, 7000000.0));
    QCOMPARE(m_prompts->asked, onAdd == 0 ? 1 : 0);
    QCOMPARE(block()->data()->timemarks()->rowCount(), rows);
    QCOMPARE(positions().first().y(), rows == 5 ? 7000000.0 : 6000000.0);
    QCOMPARE(Keys::MetaOnAdd.read(settings), stored == 0 ? onAdd : stored);
    QCOMPARE(metaLabel(), "Added timemark file with " + label);
    // Even a cancelled addition shows the columns of the file just chosen.
    QCOMPARE(changed.count(), 1);
    QVERIFY(!block()->tableMeta()->isColumnHidden(4));
    QCOMPARE(block()->data()->columns().sdN, 6);
}

void TestFlyTimemarks::coordinateTypeOfDialog_data()
{
    QTest::addColumn<bool>("accept");
    QTest::addColumn<bool>("twoBlocks");
    QTest::addColumn<int>("type");
    QTest::newRow("cancelled: the stored type comes back") << false << false << 0;
    QTest::newRow("accepted: the new type stays") << true << false << 2;
    QTest::newRow("two blocks: the type is locked") << false << true << 0;
}

void TestFlyTimemarks::coordinateTypeOfDialog()
{
    QFETCH(bool, accept);
    QFETCH(bool, twoBlocks);
    QFETCH(int, type);
    if (twoBlocks)
        m_window->on_btn_addFly_clicked();
    m_prompts->finish = accept ? ImportPrompts::Ok : ImportPrompts::Cancel;
    m_prompts->adjust = [](OpenTimeMarkDialog &dialog) {
        dialog.findChild<QRadioButton *>(QStringLiteral("radio_wgs"))->click();
    };
    import(marks(QStringLiteral("degrees.csv"), 3, 60.0, true));
    OpenTimeMarkDialog *dialog = block()->timemarkDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->isCoordinateLocked(), twoBlocks);
    QSettings settings;
    QCOMPARE(Keys::CoordinateType.read(settings), type);
    QCOMPARE(dialog->acceptedCoordinateType(), type);
    const QList<Line> rows = block()->data()->timemarks()->rows();
    QCOMPARE(rows.size(), type == 2 ? 3 : 0);
    if (type == 2)
        QCOMPARE(rows.first().zone, 35);
}

void TestFlyTimemarks::fileWithBadRowChangesNothing_data()
{
    QTest::addColumn<int>("finish");
    QTest::addColumn<QByteArray>("bad");
    QTest::newRow("OK refuses a word") << int(ImportPrompts::Ok) << QByteArray("n/a");
    QTest::newRow("OK refuses an empty cell") << int(ImportPrompts::Ok) << QByteArray("");
    QTest::newRow("OK refuses no position") << int(ImportPrompts::Ok) << QByteArray("99000000.0");
    QTest::newRow("the block refuses what OK let through")
        << int(ImportPrompts::AroundOk) << QByteArray("n/a");
    QTest::newRow("the block refuses no position")
        << int(ImportPrompts::AroundOk) << QByteArray("99000000.0");
}

void TestFlyTimemarks::fileWithBadRowChangesNothing()
{
    QFETCH(int, finish);
    QFETCH(QByteArray, bad);
    QSettings settings;
    Keys::MetaOnAdd.write(settings, 2);
    import(marks(QStringLiteral("good.csv"), 3, 6000000.0));
    const QList<QPointF> before = positions();
    QSignalSpy changed(block(), &Fly::changedMeta);
    m_prompts->finish = ImportPrompts::Finish(finish);
    import(marks(QStringLiteral("bad.csv"), 6, 7000000.0, false, bad));
    QCOMPARE(positions(), before);
    QCOMPARE(changed.count(), 0);
    QCOMPARE(metaLabel(), QStringLiteral("Added timemark file with 3 rows. good.csv"));
    QCOMPARE(m_prompts->warnings.size(), 1);
    // The third data row is the file's fourth line, below the header.
    QVERIFY2(
        m_prompts->warnings.first().contains(QRegularExpression(QStringLiteral("(row|line) 4\\b"))),
        qPrintable(m_prompts->warnings.first()));
}

void TestFlyTimemarks::droppedFileOpensDialog_data()
{
    QTest::addColumn<QStringList>("names");
    QTest::addColumn<bool>("opens");
    QTest::newRow("one timemark file") << QStringList{QStringLiteral("dropped.CSV")} << true;
    QTest::newRow("two timemark files")
        << QStringList{QStringLiteral("dropped.CSV"), QStringLiteral("other.txt")} << false;
}

void TestFlyTimemarks::droppedFileOpensDialog()
{
    QFETCH(QStringList, names);
    QFETCH(bool, opens);
    QList<QUrl> urls;
    for (const QString &name : names)
        urls << QUrl::fromLocalFile(marks(name, 4, 6000000.0));
    QMimeData mime;
    mime.setUrls(urls);
    QDragEnterEvent enter(QPoint(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    enter.setAccepted(false);
    QApplication::sendEvent(block(), &enter);
    QCOMPARE(enter.isAccepted(), opens);
    QDropEvent drop(QPointF(5, 5), Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(block(), &drop);
    if (opens) {
        QTRY_COMPARE(m_prompts->imports, 1);
        QCOMPARE(block()->timemarkDialog()->loadedFileName(), urls.first().toLocalFile());
        QCOMPARE(metaLabel(), QStringLiteral("Added timemark file with 4 rows. dropped.CSV"));
    } else {
        QTest::qWait(50);
        QCOMPARE(m_prompts->imports, 0);
    }
}

void TestFlyTimemarks::reloadReadsWhatWasTaken_data()
{
    QTest::addColumn<QString>("before");
    QTest::addColumn<int>("changes");
    QTest::addColumn<QString>("notice"); // empty: none
    QTest::newRow("rows of no import: nothing to read")
        << "rows" << 0 << "Block 1: Failed to update data";
    QTest::newRow("another file cancelled since") << "cancelled" << 1 << "";
    QTest::newRow("degrees taken, metres now") << "switched" << 0 << "";
    QTest::newRow("taken without the dialog") << "nodialog" << 1 << "";
    QTest::newRow("a pair removed since") << "removed" << 0 << "were removed or edited";
}

void TestFlyTimemarks::reloadReadsWhatWasTaken()
{
    QFETCH(QString, before);
    QFETCH(int, changes);
    QFETCH(QString, notice);
    QSettings settings;
    if (before == "rows") {
        block()->data()->addTimemarks(QList<Line>{Line(), Line()}, false);
    } else if (before == "cancelled") {
        import(marks(QStringLiteral("first.csv"), 3, 6000000.0));
        m_prompts->finish = ImportPrompts::Cancel;
        import(marks(QStringLiteral("second.csv"), 2, 7000000.0));
    } else if (before == "switched") {
        Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
        import(marks(QStringLiteral("degrees.csv"), 3, 60.0, true));
        Keys::CoordinateType.write(settings, 0);
    } else if (before == "nodialog") {
        QString error;
        QVERIFY2(TimemarkImport::intoBlock(block()->data(),
                                           marks(QStringLiteral("direct.csv"), 3, 6000000.0), false,
                                           &error),
                 qPrintable(error));
    } else {
        import(marks(QStringLiteral("first.csv"), 3, 6000000.0));
        block()->data()->removeTimemarks({1});
    }
    // Degrees read as metres are no position: the block keeps the rows it has and says why.
    const QList<QPointF> expected = positions();
    const bool refused = before == "switched";
    QSignalSpy changed(block(), &Fly::changedMeta);
    LogCapture log;
    block()->reloadTimemarks();
    QCOMPARE(positions(), expected);
    QCOMPARE(changed.count(), changes);
    const QString logged = log.lines().join('\n');
    QCOMPARE(logged.contains(QStringLiteral("Failed to update data")), !notice.isEmpty());
    if (!notice.isEmpty())
        QVERIFY2(logged.contains(notice), qPrintable(logged));
    QCOMPARE(m_prompts->warnings.size(), refused ? 1 : 0);
    if (refused)
        QVERIFY(m_prompts->warnings.first().contains(QStringLiteral("degrees.csv")));
}

void TestFlyTimemarks::photoShownInViewer_data()
{
    QTest::addColumn<bool>("byMenu");
    QTest::newRow("double-click") << false;
    QTest::newRow("Preview") << true;
}

void TestFlyTimemarks::photoShownInViewer()
{
    QFETCH(bool, byMenu);
    m_window->show();
    QList<TimemarkRow> rows;
    const QStringList photos =
        SyntheticFlight::writeFlight(m_dir.filePath(QStringLiteral("viewed")), 2, &rows);
    QVERIFY(BlockFill::addPhotos(block(), photos));
    TableView *table = block()->tablePhotos();
    const QModelIndex second = table->model()->index(1, 0);
    table->setCurrentIndex(second);
    if (byMenu) {
        m_prompts->menuChoice = QStringLiteral("Preview");
        block()->on_tablePhotos_customContextMenuRequested(table->visualRect(second).center());
    } else {
        const QPoint at = table->visualRect(second).center();
        QTest::mouseClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
        QTest::mouseDClick(table->viewport(), Qt::LeftButton, Qt::NoModifier, at);
    }
    ViewPhoto *viewer = m_window->photoViewer();
    QVERIFY(viewer && viewer->isVisible());
    QCOMPARE(viewer->windowTitle(), "Preview - " + block()->data()->photos()->entry(1));
    QVERIFY(!viewer->photo().isNull());
    QVERIFY(!viewer->tagModel()
                 ->findItems(QStringLiteral("drone-dji.FlightPitchDegree"),
                             Qt::MatchContains | Qt::MatchRecursive)
                 .isEmpty());
}

QTEST_MAIN(TestFlyTimemarks)
#include "testflytimemarks.moc"
