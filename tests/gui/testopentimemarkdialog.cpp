#include "app/guiresources.h"
#include "blocks/tableview.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "testfiles.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/opentimemarkdialog.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDropEvent>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QMimeData>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

namespace {

const QByteArray marks = "Date;Point;North;East;H;sdN;sdE;sdH\n"
                         "2024/05/17 10:00:00;P1;6000000.0;500000.0;100.0;0.01;0.01;0.02\n"
                         "2024/05/17 10:00:02;P2;6000010.0;500000.0;100.5;0.01;0.01;0.02\n";

template <typename T> T *child(const QObject &parent, const char *name)
{
    return parent.findChild<T *>(QLatin1String(name));
}

QPushButton *okButton(const OpenTimeMarkDialog &dialog)
{
    return child<QDialogButtonBox>(dialog, "buttonBox")->button(QDialogButtonBox::Ok);
}

void selectColumns(TableView *table, const QList<int> &columns)
{
    table->setCurrentIndex(table->model()->index(0, columns.first()));
    for (const int column : columns)
        table->selectionModel()->select(table->model()->index(0, column),
                                        QItemSelectionModel::Select | QItemSelectionModel::Columns);
}

QStringList listedNames(const QFileSystemModel *files, const QString &dir)
{
    QStringList names;
    const QModelIndex parent = files->index(dir);
    for (int r = 0; r < files->rowCount(parent); ++r)
        names << files->fileName(files->index(r, 0, parent));
    names.sort();
    return names;
}

/// Runs a dialog's modal loop with a function instead of waiting for the operator.
struct DialogPrompts : ScriptedPrompts
{
    std::function<int(OpenTimeMarkDialog &)> run;
    int exec(QDialog &dialog) override
    {
        auto *timemarks = qobject_cast<OpenTimeMarkDialog *>(&dialog);
        return run && timemarks ? run(*timemarks) : QDialog::Rejected;
    }
};

} // namespace

class TestOpenTimeMarkDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void startState();
    void reopenedFileKeepsRolesAndJoins();
    void unrecognisedFiles_data();
    void unrecognisedFiles();
    void delimiterChangeReloads();
    void storedDelimiterSurvivesOpening_data();
    void storedDelimiterSurvivesOpening();
    void geometryKept();
    void filterOffListsEveryFile();
    void columnMenu_data();
    void columnMenu();
    void droppedLabelSetsSpinBox_data();
    void droppedLabelSetsSpinBox();
    void firstRowByVerticalHeader();
    void columnsFitTheData();
    void cancelledRadioChangeIsUndone();
    void lockDisablesRadios_data();
    void lockDisablesRadios();
    void okOnlyWithNumbers();
    void realRtklibFile();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
    QSettings *m_settings = nullptr;
    DialogPrompts *m_prompts = nullptr;
};

void TestOpenTimeMarkDialog::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
    m_settings = new QSettings(this);
}

void TestOpenTimeMarkDialog::init()
{
    m_settings->clear();
    Keys::OutputAutoOutAsInp.write(*m_settings, false);
    m_settings->sync();
    m_prompts = new DialogPrompts;
    UserPrompts::setInstance(m_prompts);
}

void TestOpenTimeMarkDialog::cleanup()
{
    UserPrompts::setInstance(nullptr);
}

QString TestOpenTimeMarkDialog::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    return TestFiles::write(path, bytes) ? path : QString();
}

void TestOpenTimeMarkDialog::startState()
{
    OpenTimeMarkDialog dialog(nullptr);
    QVERIFY(!okButton(dialog)->isEnabled());
    QVERIFY(child<TableView>(dialog, "tableMeta")->isHidden());
    QVERIFY(!child<QWidget>(dialog, "widget_xyz")->isEnabled());
    // The stored roles reach the model even where they equal the form's own values.
    QCOMPARE(dialog.tableModel()->colX(), 3);
    QCOMPARE(dialog.tableModel()->colZ(), 5);
    QCOMPARE(dialog.tableModel()->firstRow(), 2);
    // The folder icons are ICO files drawn by the project; Qt decodes them by their suffix.
    for (const char *button : {"btn_user", "btn_favorites", "btn_documents", "btn_images",
                               "btn_downloads", "btn_desktop"}) {
        const QImage icon = child<QToolButton>(dialog, button)->icon().pixmap(30).toImage();
        QVERIFY2(!icon.isNull() && qAlpha(icon.pixel(15, 20)) > 0, button);
    }
}

void TestOpenTimeMarkDialog::reopenedFileKeepsRolesAndJoins()
{
    const QString csv = write(QStringLiteral("marks.csv"), marks);
    const QString notes = write(QStringLiteral("notes.txt"), "short\nlines only\n");
    OpenTimeMarkDialog dialog(nullptr);
    auto *table = child<TableView>(dialog, "tableMeta");
    dialog.chooseFile(csv);
    QVERIFY(!table->isHidden());
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.separatorPattern(), QStringLiteral(";"));
    QCOMPARE(dialog.tableModel()->columnCount(), 8);
    dialog.tableModel()->joinCols(0, 1);
    child<QSpinBox>(dialog, "spn_date")->setValue(2);

    dialog.chooseFile(notes);
    QVERIFY(table->isHidden());
    QVERIFY(!child<QWidget>(dialog, "widget_xyz")->isEnabled());
    QVERIFY(!okButton(dialog)->isEnabled());
    QCOMPARE(child<QTextBrowser>(dialog, "textBrowser")->toPlainText(),
             QStringLiteral("short\nlines only\n"));

    dialog.chooseFile(csv);
    QVERIFY(!table->isHidden());
    QVERIFY(child<QWidget>(dialog, "widget_xyz")->isEnabled());
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.tableModel()->columnCount(), 7);
    QCOMPARE(dialog.tableModel()->colDate(), 2);
    QCOMPARE(dialog.loadedFileName(), csv);
}

void TestOpenTimeMarkDialog::unrecognisedFiles_data()
{
    QTest::addColumn<QByteArray>("bytes");
    QTest::addColumn<QString>("shownEnd");
    QByteArray big;
    while (big.size() < 2 * 1048576)
        big += "no-delimiter-in-these-lines\n";
    QTest::newRow("text") << QByteArray("a b\n") << "a b\n";
    QTest::newRow("2 MB") << big
                          << "lines\n[The rest of the file is not shown: these are the first "
                             "1.0 MB of 2.0 MB.]";
    QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16)
                            << "is not a text file.";
}

void TestOpenTimeMarkDialog::unrecognisedFiles()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, shownEnd);
    const QString path = write(QStringLiteral("other.dat"), bytes);
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(path);
    QVERIFY(!okButton(dialog)->isEnabled());
    const QString shown = child<QTextBrowser>(dialog, "textBrowser")->toPlainText();
    QVERIFY2(shown.endsWith(shownEnd), qPrintable(shown.right(100)));
    QVERIFY(shown.size() < 1048576 + 200);
}

void TestOpenTimeMarkDialog::delimiterChangeReloads()
{
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(write(QStringLiteral("marks.csv"), marks));
    auto *delimiter = child<QComboBox>(dialog, "cmb_seporator");
    QCOMPARE(delimiter->currentText(), QStringLiteral(";"));
    // No line splits at ",": an empty table that cannot be taken, its delimiter still at hand.
    delimiter->setCurrentIndex(2);
    QCOMPARE(dialog.tableModel()->rowCount(), 0);
    QVERIFY(child<QWidget>(dialog, "widget_xyz")->isEnabled());
    QVERIFY(!okButton(dialog)->isEnabled());
    QCOMPARE(Keys::MetaSeparator.read(*m_settings), 2);
    delimiter->setCurrentIndex(1);
    QCOMPARE(dialog.tableModel()->rowCount(), 3);
    QVERIFY(okButton(dialog)->isEnabled());
    QCOMPARE(dialog.separatorPattern(), QStringLiteral(";"));
}

void TestOpenTimeMarkDialog::storedDelimiterSurvivesOpening_data()
{
    QTest::addColumn<int>("stored");
    QTest::newRow(";") << 1;
    QTest::newRow(",") << 2;
    QTest::newRow("rtklib") << 3;
}

void TestOpenTimeMarkDialog::storedDelimiterSurvivesOpening()
{
    QFETCH(int, stored);
    Keys::MetaSeparator.write(*m_settings, stored);
    m_settings->sync();
    OpenTimeMarkDialog dialog(nullptr);
    QCOMPARE(child<QComboBox>(dialog, "cmb_seporator")->currentIndex(), stored);
    QCOMPARE(dialog.separatorIndex(), stored);
    m_settings->sync();
    QCOMPARE(Keys::MetaSeparator.read(*m_settings), stored);
}

void TestOpenTimeMarkDialog::geometryKept()
{
    const QRect placed(20, 30, 1250, 700);
    {
        OpenTimeMarkDialog dialog(nullptr);
        dialog.setGeometry(placed);
    }
    QVERIFY(m_settings->contains(Keys::DialogSplitter));
    OpenTimeMarkDialog dialog(nullptr);
    QCOMPARE(dialog.geometry(), placed);
}

void TestOpenTimeMarkDialog::filterOffListsEveryFile()
{
    QTemporaryDir dir;
    for (const char *name : {"a.txt", "b.csv", "c.pos", "d.jpg", "e.doc"})
        QVERIFY(TestFiles::write(dir.filePath(QLatin1String(name)), QByteArray()));
    Keys::LastDir.write(*m_settings, dir.path());
    OpenTimeMarkDialog dialog(nullptr);
    const auto *files = dialog.findChild<QFileSystemModel *>();
    QTRY_COMPARE(listedNames(files, dir.path()), (QStringList{"a.txt", "b.csv", "c.pos"}));
    auto *filter = child<QToolButton>(dialog, "btn_filter");
    QVERIFY(filter->isChecked());
    QTest::mouseClick(filter, Qt::LeftButton);
    QTRY_COMPARE(listedNames(files, dir.path()),
                 (QStringList{"a.txt", "b.csv", "c.pos", "d.jpg", "e.doc"}));
    QTest::mouseClick(filter, Qt::LeftButton);
    QTRY_COMPARE(listedNames(files, dir.path()), (QStringList{"a.txt", "b.csv", "c.pos"}));
}

void TestOpenTimeMarkDialog::columnMenu_data()
{
    QTest::addColumn<QList<int>>("columns"); // 0-based, as selected
    QTest::addColumn<QString>("action");
    QTest::addColumn<QString>("spinBox"); // empty: a join
    QTest::addColumn<int>("value");       // spin value, or column count after the join
    QTest::newRow("join 2 and 5") << QList<int>{1, 4} << "Join columns" << QString() << 5;
    QTest::newRow("Set Lat in metric mode") << QList<int>{2} << "Set Lat"
                                            << "spn_x" << 3;
    QTest::newRow("Set AccN") << QList<int>{6} << "Set AccN"
                              << "spn_sx" << 7;
    QTest::newRow("Set Date") << QList<int>{0} << "Set Date"
                              << "spn_date" << 1;
}

void TestOpenTimeMarkDialog::columnMenu()
{
    QFETCH(QList<int>, columns);
    QFETCH(QString, action);
    QFETCH(QString, spinBox);
    QFETCH(int, value);
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(write(QStringLiteral("marks.csv"), marks));
    auto *table = child<TableView>(dialog, "tableMeta");
    selectColumns(table, columns);
    m_prompts->menuChoice = action;
    table->customContextMenuRequested(QPoint(5, 5));
    QCOMPARE(m_prompts->menu.value(QStringLiteral("Join columns")), columns.size() >= 2);
    if (spinBox.isEmpty()) {
        QCOMPARE(dialog.tableModel()->columnCount(), value);
        QCOMPARE(dialog.tableModel()->rowCells(1).at(1),
                 QStringLiteral("P1 6000000.0 500000.0 100.0 "));
    } else {
        QCOMPARE(dialog.findChild<QSpinBox *>(spinBox)->value(), value);
    }
    QCOMPARE(Keys::MetaPosX.read(*m_settings), spinBox == "spn_x" ? value : 3);
}

void TestOpenTimeMarkDialog::droppedLabelSetsSpinBox_data()
{
    QTest::addColumn<QString>("label");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("spinBox");
    QTest::newRow("E") << "lbl_col_y" << 2 << "spn_y";
    QTest::newRow("sdH") << "lbl_col_sz" << 7 << "spn_sz";
    QTest::newRow("Date") << "lbl_col_date" << 1 << "spn_date";
}

void TestOpenTimeMarkDialog::droppedLabelSetsSpinBox()
{
    QFETCH(QString, label);
    QFETCH(int, column);
    QFETCH(QString, spinBox);
    OpenTimeMarkDialog dialog(nullptr);
    dialog.show();
    dialog.chooseFile(write(QStringLiteral("marks.csv"), marks));
    auto *table = child<TableView>(dialog, "tableMeta");
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    // What the label's drag carries; QDrag::exec itself would wait for a real pointer.
    QMimeData mime;
    mime.setText(dialog.findChild<QLabel *>(label)->text());
    mime.setData(QStringLiteral("column"), label.toLatin1());
    const QPoint at = table->visualRect(table->model()->index(0, column)).center();
    QDragEnterEvent enter(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &enter);
    QDropEvent drop(at, Qt::CopyAction, &mime, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(table->viewport(), &drop);
    QVERIFY(drop.isAccepted());
    QCOMPARE(dialog.findChild<QSpinBox *>(spinBox)->value(), column + 1);
}

void TestOpenTimeMarkDialog::firstRowByVerticalHeader()
{
    OpenTimeMarkDialog dialog(nullptr);
    dialog.show();
    dialog.chooseFile(write(QStringLiteral("marks.csv"), marks));
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QHeaderView *rows = child<TableView>(dialog, "tableMeta")->verticalHeader();
    QTest::mouseClick(
        rows->viewport(), Qt::LeftButton, {},
        QPoint(rows->width() / 2, rows->sectionViewportPosition(2) + rows->sectionSize(2) / 2));
    QCOMPARE(child<QSpinBox>(dialog, "spn_first")->value(), 3);
    QCOMPARE(dialog.tableModel()->firstRow(), 3);
    QCOMPARE(Keys::MetaPosFirst.read(*m_settings), 3);
    QCOMPARE(dialog.tableModel()->headerData(2, Qt::Vertical).toString(), QStringLiteral("\u27a4"));
}

void TestOpenTimeMarkDialog::columnsFitTheData()
{
    // A header line with a long path in the north column, as RTKLIB writes its input files.
    Keys::MetaPosFirst.write(*m_settings, 3);
    OpenTimeMarkDialog dialog(nullptr);
    dialog.show();
    dialog.chooseFile(
        write(QStringLiteral("marks.csv"),
              "% inp file;:;/home/surveyor/" + QByteArray(200, 'a') + ".obs\n" + marks));
    QHeaderView *columns = child<TableView>(dialog, "tableMeta")->horizontalHeader();
    // Fitted once the dates have widened their column beyond the default.
    QTRY_VERIFY(columns->sectionSize(0) > columns->defaultSectionSize());
    const int number = columns->fontMetrics().horizontalAdvance(QStringLiteral("6000010.0"));
    QVERIFY(columns->sectionSize(2) >= number);
    QVERIFY(columns->sectionSize(2) < 2 * number);
}

void TestOpenTimeMarkDialog::cancelledRadioChangeIsUndone()
{
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(write(QStringLiteral("marks.csv"), marks));
    QCOMPARE(dialog.acceptedCoordinateType(), 0);
    m_prompts->run = [](OpenTimeMarkDialog &d) {
        QTest::mouseClick(child<QRadioButton>(d, "radio_wgs"), Qt::LeftButton);
        // The change takes effect at once: labels and headers speak of degrees.
        if (child<QLabel>(d, "lbl_col_x")->text() != QLatin1String("Lat") ||
            d.tableModel()->headerData(2, Qt::Horizontal).toString() != QLatin1String("Lat (N)"))
            return -1;
        d.reject();
        return d.result();
    };
    QCOMPARE(dialog.exec(), int(QDialog::Rejected));
    QCOMPARE(Keys::CoordinateType.read(*m_settings), 2);
    QCOMPARE(dialog.acceptedCoordinateType(), 0);
    // What the block does after a cancel; the next opening shows the metric system again.
    Keys::CoordinateType.write(*m_settings, dialog.acceptedCoordinateType());
    m_prompts->run = [](OpenTimeMarkDialog &d) {
        return child<QRadioButton>(d, "radio_utm")->isChecked() &&
                       child<QLabel>(d, "lbl_col_x")->text() == QLatin1String("N")
                   ? 1
                   : -1;
    };
    QCOMPARE(dialog.exec(), 1);
}

void TestOpenTimeMarkDialog::lockDisablesRadios_data()
{
    QTest::addColumn<int>("type");
    QTest::newRow("metric") << 0;
    QTest::newRow("degrees") << 2;
}

void TestOpenTimeMarkDialog::lockDisablesRadios()
{
    QFETCH(int, type);
    Keys::CoordinateType.write(*m_settings, type);
    OpenTimeMarkDialog dialog(nullptr);
    QCOMPARE(child<QRadioButton>(dialog, "radio_wgs")->isChecked(), type == 2);
    dialog.setCoordinateLocked(true);
    QVERIFY(!child<QRadioButton>(dialog, "radio_utm")->isEnabled());
    QVERIFY(!child<QRadioButton>(dialog, "radio_wgs")->isEnabled());
    dialog.setCoordinateLocked(false);
    QVERIFY(child<QRadioButton>(dialog, "radio_utm")->isEnabled());
}

void TestOpenTimeMarkDialog::okOnlyWithNumbers()
{
    QByteArray bad = marks;
    bad.replace("6000010.0", "6000O10.0");
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(write(QStringLiteral("bad.csv"), bad));
    QVERIFY(okButton(dialog)->isEnabled());
    okButton(dialog)->click();
    QCOMPARE(dialog.result(), int(QDialog::Rejected));
    LineConversionReport report;
    dialog.tableModel()->toLines(&report);
    QCOMPARE(report.invalidRows, 1);
    QCOMPARE(m_prompts->warnings.size(), 1);
    QVERIFY2(m_prompts->warnings.first().contains(report.warningText()),
             qPrintable(m_prompts->warnings.first()));

    const QString good = write(QStringLiteral("good.csv"), marks);
    m_prompts->run = [&](OpenTimeMarkDialog &d) {
        d.chooseFile(good);
        okButton(d)->click();
        return d.result();
    };
    QCOMPARE(dialog.exec(), int(QDialog::Accepted));
    QCOMPARE(dialog.loadedFileName(), good);
    QCOMPARE(dialog.tableModel()->toLines().size(), 2);
}

void TestOpenTimeMarkDialog::realRtklibFile()
{
    if (TestEnv::testDataDir().isEmpty())
        QSKIP("the real-world samples are absent");
    OpenTimeMarkDialog dialog(nullptr);
    dialog.chooseFile(TestEnv::testDataDir() + QStringLiteral("/pos/demo5_b34f_f.pos"));
    QCOMPARE(dialog.separatorPattern(), QStringLiteral("\\s+"));
    QVERIFY(dialog.tableModel()->rowCount() >= 4521);
    QCOMPARE(child<QSpinBox>(dialog, "spn_x")->maximum(), 15);
}

QTEST_MAIN(TestOpenTimeMarkDialog)
#include "testopentimemarkdialog.moc"
