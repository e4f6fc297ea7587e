#include "app/guiresources.h"
#include "processing/coordinatefilewriter.h"
#include "processing/outputlabelmodel.h"
#include "settings/pixmap.h"
#include "settings/settingsdialog.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "testfiles.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QListView>
#include <QPushButton>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

class TestSettingsDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void closeAsksOnlyAfterAnEdit_data();
    void closeAsksOnlyAfterAnEdit();
    void okStoresEveryKey_data();
    void okStoresEveryKey();
    void sameCoordinateTypeEmitsNothing();
    void coordinateButtons_data();
    void coordinateButtons();
    void restartNoticeInChosenLanguage();
    void pix4dDisablesListAndWritesItsHeader();
    void resetShowsWhatIsStored_data();
    void resetShowsWhatIsStored();
    void drawingFollowsOffsets();

private:
    std::unique_ptr<SettingsDialog> makeDialog(const QString &projError = QString());
    template <typename T> static T *child(SettingsDialog &dialog, const char *name)
    {
        T *widget = dialog.findChild<T *>(QLatin1String(name));
        if (!widget)
            qFatal("no widget %s", name);
        return widget;
    }
    static void press(SettingsDialog &dialog, QDialogButtonBox::StandardButton which)
    {
        child<QDialogButtonBox>(dialog, "buttonBox")->button(which)->click();
    }

    QTemporaryDir m_tempDir;
    QString m_translations;
    QStringList m_asked; // "title: text" of every box the dialog showed
    QMessageBox::StandardButton m_answer = QMessageBox::Cancel;
};

void TestSettingsDialog::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
    m_translations = m_tempDir.filePath("translations");
    QVERIFY(QDir().mkpath(m_translations));
    QVERIFY(QFile::copy(QStringLiteral(KESTRIX_TEST_CATALOGUES_DIR) + "/restart_de.qm",
                        m_translations + "/de.qm"));
    QVERIFY(TestFiles::write(m_translations + "/translations.conf",
                             "# name=code\nDeutsch=de\nFrançais=fr\n"));
}

void TestSettingsDialog::init()
{
    QSettings().clear();
    m_asked.clear();
}

std::unique_ptr<SettingsDialog> TestSettingsDialog::makeDialog(const QString &projError)
{
    auto dialog = std::make_unique<SettingsDialog>(projError, nullptr, m_translations);
    dialog->setAskFunction([this](QWidget *, const QString &title, const QString &text,
                                  QMessageBox::StandardButtons, QMessageBox::StandardButton) {
        m_asked << title + ": " + text;
        return m_answer;
    });
    return dialog;
}

void TestSettingsDialog::closeAsksOnlyAfterAnEdit_data()
{
    QTest::addColumn<bool>("edit");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("asked");
    QTest::addColumn<bool>("open");  // still open after the close button
    QTest::addColumn<int>("stored"); // main/offsetX afterwards
    QTest::newRow("no edit") << false << int(QMessageBox::Yes) << false << false << 30;
    QTest::newRow("edit, Yes saves") << true << int(QMessageBox::Yes) << true << false << 55;
    QTest::newRow("edit, No drops") << true << int(QMessageBox::No) << true << false << 30;
    QTest::newRow("edit, Cancel stays") << true << int(QMessageBox::Cancel) << true << true << 30;
}

void TestSettingsDialog::closeAsksOnlyAfterAnEdit()
{
    QFETCH(bool, edit);
    QFETCH(int, answer);
    QFETCH(bool, asked);
    QFETCH(bool, open);
    QFETCH(int, stored);
    m_answer = QMessageBox::StandardButton(answer);
    auto dialog = makeDialog();
    dialog->show();
    if (edit)
        child<QSpinBox>(*dialog, "spin_offsetX")->setValue(55);
    dialog->close();
    QCOMPARE(m_asked.size(), asked ? 1 : 0);
    if (asked)
        QCOMPARE(m_asked.first(), QStringLiteral("Exit settings: Settings were not saved. Save "
                                                 "them before closing?"));
    QCOMPARE(dialog->isVisible(), open);
    QCOMPARE(Keys::OffsetX.read(QSettings()), stored);
}

void TestSettingsDialog::okStoresEveryKey_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("key");
    QTest::addColumn<QVariant>("stored");
    const auto row = [](const char *control, const QVariant &value, const char *key,
                        const QVariant &stored) {
        QTest::newRow(control) << control << value << key << stored;
    };
    row("spin_x", 7, "meta/posx", 7);
    row("spin_y", 8, "meta/posy", 8);
    row("spin_z", 9, "meta/posz", 9);
    row("spin_first", 5, "meta/posfirst", 5);
    row("combo_sep", 3, "meta/separator", 3);
    row("combo_addTimes", 2, "meta/onadd", 2);
    row("chkb_saveOutputDir", false, "output/savedir", false);
    row("chkb_autoDir", false, "output/autoCreate", false);
    row("chkb_openDir", false, "output/openDir", false);
    row("line_outputDir", "/srv/survey", "output/dir", "/srv/survey");
    row("chkbAutoOutputAsInput", false, "output/autoOutAsInp", false);
    row("chkb_clearFlys", true, "output/clearFly", true);
    row("chkb_splitFolders", true, "output/splitFoldersBlock", true);
    row("combo_outSeporator", 4, "meta/outSeparator", 4);
    row("chkb_pix4d", true, "output/pix4dLabel", true);
    row("list_outputLabel", false, "meta/header/0/enabled", false);
    row("combo_language", 1, "main/translation", "de");
    row("combo_logging", 5, "main/logging", 5);
    row("cmb_numberFormat", 1, "meta/numberformat", 1);
    row("spn_minutsSlice", 12, "main/secundsToSlice", 12);
    row("chkb_useDesktopOpenGL", false, "main/useDesktopOpenGL", false);
    row("chkb_hiDpiScale", false, "main/useHiDpiScale", false);
    row("radio_wgs", true, "coordinate/type", 2);
    row("spin_utmZone", 12, "coordinate/utmZone", 12);
    row("combo_utmHemisphere", 1, "coordinate/utmZone", -33);
    row("spin_offsetX", 45, "main/offsetX", 45);
    row("spin_offsetY", -20, "main/offsetY", -20);
    row("spin_offsetZ", -150, "main/offsetZ", -150);
    row("chkb_leverArmDesign", true, "main/leverArmDesign", true);
}

void TestSettingsDialog::okStoresEveryKey()
{
    QFETCH(QString, control);
    QFETCH(QVariant, value);
    QFETCH(QString, key);
    QFETCH(QVariant, stored);
    {
        QSettings settings;
        Keys::CoordinateUtmZone.write(settings, 33);
    }
    m_answer = QMessageBox::Ok;
    auto dialog = makeDialog();
    QWidget *widget = dialog->findChild<QWidget *>(control);
    QVERIFY(widget);
    if (auto *spin = qobject_cast<QSpinBox *>(widget))
        spin->setValue(value.toInt());
    else if (auto *combo = qobject_cast<QComboBox *>(widget))
        combo->setCurrentIndex(value.toInt());
    else if (auto *line = qobject_cast<QLineEdit *>(widget))
        line->setText(value.toString());
    else if (auto *button = qobject_cast<QAbstractButton *>(widget))
        button->click();
    else if (auto *list = qobject_cast<QListView *>(widget))
        list->model()->setData(list->model()->index(0, 0), Qt::Unchecked, Qt::CheckStateRole);
    // Every edit counts, or closing the window would drop it without a question.
    QVERIFY(dialog->isChanged());
    press(*dialog, QDialogButtonBox::Ok);
    QCOMPARE(dialog->result(), int(QDialog::Accepted));
    QCOMPARE(QSettings().value(key).toString(), stored.toString());
}

void TestSettingsDialog::sameCoordinateTypeEmitsNothing()
{
    {
        QSettings settings;
        Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    }
    auto dialog = makeDialog();
    QSignalSpy changed(dialog.get(), &SettingsDialog::coordinateSystemChanged);
    child<QAbstractButton>(*dialog, "radio_wgs")->click();
    press(*dialog, QDialogButtonBox::Apply);
    QCOMPARE(changed.count(), 0);
    child<QAbstractButton>(*dialog, "radio_utm")->click();
    press(*dialog, QDialogButtonBox::Apply);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(Keys::CoordinateType.read(QSettings()), 0);
}

void TestSettingsDialog::coordinateButtons_data()
{
    QTest::addColumn<bool>("converterFailed");
    QTest::addColumn<int>("blocks");
    QTest::addColumn<bool>("utmEnabled");
    QTest::addColumn<bool>("wgsEnabled");
    QTest::newRow("one block") << false << 1 << true << true;
    QTest::newRow("two blocks") << false << 2 << false << false;
    QTest::newRow("one block, converter failed") << true << 1 << true << false;
    QTest::newRow("two blocks, converter failed") << true << 2 << false << false;
}

void TestSettingsDialog::coordinateButtons()
{
    QFETCH(bool, converterFailed);
    QFETCH(int, blocks);
    QFETCH(bool, utmEnabled);
    QFETCH(bool, wgsEnabled);
    {
        QSettings settings;
        Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    }
    auto dialog = makeDialog();
    QSignalSpy changed(dialog.get(), &SettingsDialog::coordinateSystemChanged);
    if (converterFailed)
        dialog->projError(QStringLiteral("proj.db not found"));
    dialog->blockSystem();
    if (blocks == 1)
        dialog->unblockSystem();
    auto *utm = child<QAbstractButton>(*dialog, "radio_utm");
    auto *wgs = child<QAbstractButton>(*dialog, "radio_wgs");
    QCOMPARE(utm->isEnabled(), utmEnabled);
    QCOMPARE(wgs->isEnabled(), wgsEnabled);
    // Without a converter only the metric system is left, stored at once and kept by OK.
    QCOMPARE(changed.count(), converterFailed ? 1 : 0);
    QCOMPARE(utm->isChecked(), converterFailed);
    press(*dialog, QDialogButtonBox::Ok);
    QCOMPARE(Keys::CoordinateType.read(QSettings()), converterFailed ? 0 : 2);
}

void TestSettingsDialog::restartNoticeInChosenLanguage()
{
    m_answer = QMessageBox::Ok;
    auto dialog = makeDialog();
    auto *languages = child<QComboBox>(*dialog, "combo_language");
    // "Français" has no catalogue and is not offered.
    QCOMPARE(languages->count(), 2);
    QCOMPARE(languages->itemText(1), QStringLiteral("Deutsch"));
    QSignalSpy changed(dialog.get(), &SettingsDialog::languageChanged);
    languages->setCurrentIndex(1);
    press(*dialog, QDialogButtonBox::Apply);
    QCOMPARE(m_asked, QStringList{QStringLiteral(
                          "Neustart erforderlich: Starten Sie das Programm neu, um die Sprache "
                          "zu übernehmen")});
    QCOMPARE(changed.count(), 1);
    // The rest of the program keeps its language until the next start.
    QCOMPARE(QCoreApplication::translate("SettingsDialog", "Restart requires"),
             QStringLiteral("Restart requires"));
    // Saving again without changing the language says nothing more.
    child<QSpinBox>(*dialog, "spin_x")->setValue(9);
    press(*dialog, QDialogButtonBox::Apply);
    QCOMPARE(m_asked.size(), 1);
    QCOMPARE(changed.count(), 1);
}

void TestSettingsDialog::pix4dDisablesListAndWritesItsHeader()
{
    auto dialog = makeDialog();
    auto *list = child<QListView>(*dialog, "list_outputLabel");
    QVERIFY(list->isEnabled());
    child<QAbstractButton>(*dialog, "chkb_pix4d")->click();
    QVERIFY(!list->isEnabled());
    press(*dialog, QDialogButtonBox::Ok);

    const QSettings settings;
    const OutputLabelModel labels;
    CoordinateFileWriter writer(labels, 0, false, QStringLiteral(";"), false,
                                Keys::OutputPix4dLabel.read(settings));
    QTemporaryDir out;
    QVERIFY(writer.open(out.path(), 1));
    writer.close();
    QFile file(out.filePath("fileData_Pix4d.txt"));
    QVERIFY(file.open(QIODevice::ReadOnly));
    QCOMPARE(file.readLine().trimmed(), QByteArray("Name;East;North;H"));
}

void TestSettingsDialog::resetShowsWhatIsStored_data()
{
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("offsetX"); // shown and stored afterwards
    QTest::addColumn<int>("columnY");
    QTest::newRow("reset") << int(QMessageBox::Yes) << 30 << 4;
    QTest::newRow("not reset") << int(QMessageBox::No) << 99 << 9;
}

void TestSettingsDialog::resetShowsWhatIsStored()
{
    QFETCH(int, answer);
    QFETCH(int, offsetX);
    QFETCH(int, columnY);
    {
        QSettings settings;
        Keys::OffsetX.write(settings, 99);
        Keys::Translation.write(settings, QStringLiteral("de"));
        Keys::LeverArmDesign.write(settings, true);
    }
    m_answer = QMessageBox::StandardButton(answer);
    auto dialog = makeDialog();
    child<QSpinBox>(*dialog, "spin_y")->setValue(9); // not saved
    press(*dialog, QDialogButtonBox::Reset);
    const bool reset = answer == QMessageBox::Yes;
    QCOMPARE(child<QSpinBox>(*dialog, "spin_offsetX")->value(), offsetX);
    QCOMPARE(Keys::OffsetX.read(QSettings()), offsetX);
    QCOMPARE(child<QSpinBox>(*dialog, "spin_y")->value(), columnY);
    QCOMPARE(child<QComboBox>(*dialog, "combo_language")->currentIndex(), reset ? 0 : 1);
    QCOMPARE(child<QAbstractButton>(*dialog, "chkb_leverArmDesign")->isChecked(), !reset);
    QCOMPARE(dialog->isChanged(), !reset);
    QCOMPARE(
        child<QDialogButtonBox>(*dialog, "buttonBox")->button(QDialogButtonBox::Apply)->isEnabled(),
        !reset);
}

void TestSettingsDialog::drawingFollowsOffsets()
{
    for (const char *name :
         {"://img/offset/Ant_top_d-min.png", "://img/offset/Antenna_front-min.png",
          "://img/offset/background_300600_arrows-min.png", ":/img/UTM-min.png",
          ":/img/WGS-min.png", ":/img/system_utm-min.png", ":/img/system_wgs-min.png"})
        QVERIFY2(!QPixmap(QString::fromLatin1(name)).isNull(), name);

    auto dialog = makeDialog();
    Pixmap *top = nullptr;
    Pixmap *front = nullptr;
    for (QGraphicsItem *item : child<QGraphicsView>(*dialog, "graphicsView")->scene()->items()) {
        if (auto *picture = dynamic_cast<Pixmap *>(item))
            (picture->offset() == QPointF(437, 98) ? top : front) = picture;
    }
    QVERIFY(top && front);
    QCOMPARE(front->offset(), QPointF(141, 178));
    QCOMPARE(top->pixmap().size(), QSize(20, 20));
    QCOMPARE(front->pixmap().size(), QSize(20, 36));
    child<QSpinBox>(*dialog, "spin_offsetX")->setValue(95);
    child<QSpinBox>(*dialog, "spin_offsetY")->setValue(-95);
    child<QSpinBox>(*dialog, "spin_offsetZ")->setValue(130);
    QCOMPARE(top->pos(), QPointF(-100, 100));
    QCOMPARE(front->pos(), QPointF(100, 100));
}

QTEST_MAIN(TestSettingsDialog)
#include "testsettingsdialog.moc"
