#include "app/customtoolbutton.h"
#include "app/guiresources.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "blocks/pairingdialog.h"
#include "blocks/tableview.h"
#include "photos/photomodel.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QTranslator>
#include <QTreeWidget>
#include <QtTest>

#include <functional>

namespace {

/// Hands the pairing dialog to the test while it is open.
struct PairingPrompts : ScriptedPrompts
{
    std::function<void(PairingDialog &)> inDialog;
    int dialogs = 0;

    int exec(QDialog &dialog) override
    {
        auto *pairing = qobject_cast<PairingDialog *>(&dialog);
        if (!pairing)
            return QDialog::Rejected;
        ++dialogs;
        if (inDialog)
            inDialog(*pairing);
        return QDialog::Accepted;
    }
};

QStringList column(const QTreeWidget *tree, int c)
{
    QStringList texts;
    for (int i = 0; i < tree->topLevelItemCount(); ++i)
        texts << tree->topLevelItem(i)->text(c);
    return texts;
}

} // namespace

/// The pairing check by time in the block and before a run.
class TestPairingDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void checkRemoveRestore_data();
    void checkRemoveRestore();
    void warningBeforeRun_data();
    void warningBeforeRun();
    void splitKeepsCaptureTimes();
    void wrappedTextsKeepTheirLines_data();
    void wrappedTextsKeepTheirLines();

private:
    /// Writes a timed flight and loads it into the first block; the photo paths.
    QStringList load(FlightTiming timing, TimedFlight *truth = nullptr);
    Fly *block() const { return m_window->blocks().first(); }
    template <class T> T *child(const QObject *parent, const char *name) const
    {
        return parent->findChild<T *>(QLatin1String(name));
    }

    QTemporaryDir m_dir;
    std::unique_ptr<QTemporaryDir> m_out;
    MainWindow *m_window = nullptr;
    PairingPrompts *m_prompts = nullptr;
    int m_flights = 0;
};

void TestPairingDialog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestPairingDialog::init()
{
    QSettings settings;
    // The timemark files have the date, north, east and height where the defaults look.
    settings.clear();
    Keys::CoordinateUtmZone.write(settings, 33);
    Keys::OutputAutoCreate.write(settings, false);
    m_out = std::make_unique<QTemporaryDir>(m_dir.filePath(QStringLiteral("out-XXXXXX")));
    Keys::OutputDir.write(settings, m_out->path());
    settings.sync();
    m_prompts = new PairingPrompts;
    UserPrompts::setInstance(m_prompts);
    m_window = new MainWindow;
}

void TestPairingDialog::cleanup()
{
    delete m_window;
    UserPrompts::setInstance(nullptr);
}

QStringList TestPairingDialog::load(FlightTiming timing, TimedFlight *truth)
{
    // Lines of ten shots with turns and an uneven trigger, the camera's clock two hours off.
    timing.shots = 40;
    timing.jitter = 0.2;
    timing.turnEvery = 10;
    timing.clockOffset = 7182.3;
    const QString dir = m_dir.filePath(QStringLiteral("flight%1").arg(++m_flights));
    const QStringList photos = SyntheticFlight::writeTimedFlight(
        dir, timing, SyntheticFlight::Format::Semicolon, false, PhotoSpec(), truth);
    if (!BlockFill::fill(block(), photos, dir + "/timemarks.csv"))
        qFatal("the flight could not be loaded");
    return photos;
}

void TestPairingDialog::checkRemoveRestore_data()
{
    QTest::addColumn<QList<int>>("droppedPhotos");
    QTest::addColumn<QList<int>>("droppedEvents");
    QTest::addColumn<int>("extraEvents");
    QTest::newRow("clean flight") << QList<int>{} << QList<int>{} << 0;
    QTest::newRow("missed trigger, extra event: equal counts")
        << QList<int>{} << QList<int>{17} << 1;
    QTest::newRow("missed photo, extra event: counts differ") << QList<int>{8} << QList<int>{} << 1;
}

void TestPairingDialog::checkRemoveRestore()
{
    FlightTiming timing;
    QFETCH(QList<int>, droppedPhotos);
    QFETCH(QList<int>, droppedEvents);
    QFETCH(int, extraEvents);
    timing.droppedPhotos = droppedPhotos;
    timing.droppedEvents = droppedEvents;
    timing.extraEvents = extraEvents;
    TimedFlight truth;
    const QStringList files = load(timing, &truth);
    const QByteArray sources = TestFiles::checksum(files);
    FlyData *data = block()->data();
    const QStringList entries = data->photos()->entries();
    const int rows = data->timemarks()->rowCount();
    const bool differ = entries.size() != rows;
    auto *button = child<QToolButton>(block(), "btn_checkPairing");
    QCOMPARE(button->isVisibleTo(block()), differ);

    QStringList namedPhotos;
    for (int i : truth.photosWithoutRow)
        namedPhotos << QFileInfo(entries.at(i)).fileName();
    QStringList namedRows;
    for (int i : truth.rowsWithoutPhoto)
        namedRows << QString::number(i + 1);
    const bool named = !namedPhotos.isEmpty() || !namedRows.isEmpty();
    m_prompts->inDialog = [&](PairingDialog &dialog) {
        QCOMPARE(child<QLabel>(block(), "lbl_pairing")->text(),
                 named ? "Pairing by time: unmatched" : "Pairing by time: matched");
        auto *remove = child<QPushButton>(&dialog, "btn_removeUnmatched");
        auto *restore = child<QPushButton>(&dialog, "btn_restore");
        QCOMPARE(column(child<QTreeWidget>(&dialog, "tree_photos"), 1), namedPhotos);
        QCOMPARE(column(child<QTreeWidget>(&dialog, "tree_rows"), 0), namedRows);
        QCOMPARE(remove->isEnabled(), named);
        QVERIFY(!restore->isEnabled());
        if (!named)
            return;
        remove->click();
        QCOMPARE(data->photos()->rowCount(), entries.size() - namedPhotos.size());
        QCOMPARE(data->timemarks()->rowCount(), rows - namedRows.size());
        restore->click();
        QCOMPARE(data->photos()->entries(), entries);
        QCOMPARE(data->timemarks()->rowCount(), rows);
        // Removed again, then any change of the block ends the way back.
        remove->click();
        QVERIFY(restore->isEnabled());
        data->removePhotos({0});
        QVERIFY(!restore->isEnabled());
        QVERIFY(!remove->isEnabled());
    };
    if (differ) {
        button->click();
    } else {
        m_prompts->menuChoice = QStringLiteral("Check pairing");
        block()->tablePhotos()->setCurrentIndex(data->photos()->index(0, 0));
        block()->on_tablePhotos_customContextMenuRequested(QPoint(1, 1));
    }
    QCOMPARE(m_prompts->dialogs, 1);
    QCOMPARE(TestFiles::checksum(files), sources);
}

void TestPairingDialog::warningBeforeRun_data()
{
    QTest::addColumn<bool>("lost"); // a photo and an event, as many photos as rows
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("runs");
    QTest::newRow("pairs by time: no question") << false << int(QMessageBox::No) << true;
    QTest::newRow("by index only, accepted") << true << int(QMessageBox::Yes) << true;
    QTest::newRow("by index only, refused") << true << int(QMessageBox::No) << false;
}

void TestPairingDialog::warningBeforeRun()
{
    QFETCH(bool, lost);
    QFETCH(int, answer);
    QFETCH(bool, runs);
    FlightTiming timing;
    if (lost) {
        timing.droppedPhotos = {7};
        timing.droppedEvents = {23};
    }
    load(timing);
    QVERIFY(block()->countsMatch());
    m_prompts->answer = QMessageBox::StandardButton(answer);
    m_window->processingButton()->click();
    QCOMPARE(m_prompts->questions.size(), lost ? 1 : 0);
    if (lost)
        QVERIFY(m_prompts->questions.first().contains(
            QStringLiteral("Block 1: photos without a row: 1, rows without a photo: 1")));
    QTRY_VERIFY_WITH_TIMEOUT(!m_window->jobThread()->isRunning(), 20000);
    QTRY_VERIFY(!m_window->processingButton()->isBusy());
    QCOMPARE(TestFiles::filesBelow(m_out->path()).contains(QStringLiteral("fileData.txt")), runs);
    if (!runs)
        QVERIFY(child<QLabel>(m_window, "lbl_processStatus")
                    ->text()
                    .contains(QStringLiteral("Processing was not started")));
}

void TestPairingDialog::splitKeepsCaptureTimes()
{
    FlightTiming timing;
    timing.turnGap = 90.0; // beyond the 60 s at which a block is split
    load(timing);
    const QList<CaptureTime> before = block()->data()->photos()->captureTimes();
    child<QToolButton>(block(), "btn_trySplit")->click();
    QCOMPARE(m_window->blocks().size(), 4);
    QList<CaptureTime> after;
    for (Fly *fly : m_window->blocks())
        after += fly->data()->photos()->captureTimes();
    QCOMPARE(after.size(), before.size());
    for (int i = 0; i < before.size(); ++i) {
        QCOMPARE(after.at(i).time, before.at(i).time);
        QCOMPARE(after.at(i).resolutionMs, before.at(i).resolutionMs);
    }
    QVERIFY(m_window->blocks().last()->data()->checkPairing().verdict != PairingResult::NoDates);
}

void TestPairingDialog::wrappedTextsKeepTheirLines_data()
{
    QTest::addColumn<QString>("language");
    for (const char *language : {"en", "de", "ru"})
        QTest::newRow(language) << QString::fromLatin1(language);
}

void TestPairingDialog::wrappedTextsKeepTheirLines()
{
    // A translation wraps to more lines than the English: each text keeps the lines it needs.
    QFETCH(QString, language);
    QTranslator translator;
    QVERIFY(translator.load(language, QStringLiteral(KESTRIX_TRANSLATIONS_BUILD_DIR)));
    QCoreApplication::installTranslator(&translator);
    FlightTiming timing;
    timing.droppedEvents = {17};
    timing.extraEvents = 1;
    load(timing);
    block()->data()->checkPairing();
    QVERIFY(block()->data()->removeUnmatched());
    // Checked again: the verdict, its clocks and the way back, without lists.
    m_prompts->inDialog = [&](PairingDialog &dialog) {
        dialog.show();
        QVERIFY(QTest::qWaitForWindowExposed(&dialog));
        int bottom = -1;
        for (const char *name : {"lbl_verdict", "lbl_detail", "lbl_state"}) {
            auto *label = child<QLabel>(&dialog, name);
            QVERIFY2(label->isVisible(), name);
            QVERIFY2(label->height() >= label->heightForWidth(label->width()), name);
            QVERIFY2(label->y() > bottom, name);
            bottom = label->geometry().bottom();
        }
    };
    block()->onCheckPairing();
    QCoreApplication::removeTranslator(&translator);
    QCOMPARE(m_prompts->dialogs, 1);
}

QTEST_MAIN(TestPairingDialog)
#include "testpairingdialog.moc"
