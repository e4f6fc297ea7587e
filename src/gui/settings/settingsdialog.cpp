#include "settings/settingsdialog.h"

#include "app/languagelist.h"
#include "app/sharedconstants.h"
#include "app/translationloader.h"
#include "processing/outputlabelmodel.h"
#include "settings/pixmap.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui_settingsdialog.h"

#include <QCloseEvent>
#include <QDir>
#include <QGraphicsScene>
#include <QGraphicsSimpleTextItem>
#include <QIcon>
#include <QLocale>
#include <QPushButton>

namespace {

// Millimetres per scene unit of the drawing: horizontal in both views, vertical in the view
// from behind.
constexpr double HorizontalScale = 0.95;
constexpr double VerticalScale = 1.3;

QMessageBox::StandardButton askWithBox(QWidget *parent, const QString &title, const QString &text,
                                       QMessageBox::StandardButtons buttons,
                                       QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Information, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

} // namespace

SettingsDialog::SettingsDialog(const QString &projErrorText, QWidget *parent,
                               const QString &translationsDirectory)
    : QDialog(parent), m_ui(new Ui::SettingsDialog),
      m_translationsDirectory(translationsDirectory.isEmpty()
                                  ? TranslationLoader::translationsDirectory()
                                  : translationsDirectory),
      m_ask(askWithBox)
{
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);

    if (!projErrorText.isEmpty())
        projError(projErrorText);

    m_ui->combo_sep->clear();
    for (int i = 0; i < separatorList.at(0).size(); ++i) {
        m_ui->combo_sep->addItem(separatorList.at(0).at(i));
        m_ui->combo_outSeporator->addItem(separatorList.at(0).at(i));
    }

    const auto picture = [](const char *path, int width, int height) {
        return QPixmap(QString::fromLatin1(path))
            .scaled(width, height, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    };
    m_antennaTop = new Pixmap(picture("://img/offset/Ant_top_d-min.png", 20, 20));
    m_antennaFront = new Pixmap(picture("://img/offset/Antenna_front-min.png", 20, 36));

    m_labelModel = new OutputLabelModel(this);
    m_ui->list_outputLabel->setModel(m_labelModel);
    connect(m_labelModel, &OutputLabelModel::dataChanged, this,
            &SettingsDialog::outputLabelsChange);
    connect(m_labelModel, &OutputLabelModel::movedRow, this, &SettingsDialog::onAnyChange);
    // Controls beyond the named slots still count as edits, or closing would drop them unasked.
    connect(m_ui->chkbAutoOutputAsInput, &QCheckBox::toggled, this, &SettingsDialog::onAnyChange);
    connect(m_ui->chkb_leverArmDesign, &QCheckBox::toggled, this, &SettingsDialog::onAnyChange);
    connect(m_ui->spin_utmZone, QOverload<int>::of(&QSpinBox::valueChanged), this,
            [this](int zone) {
                m_ui->combo_utmHemisphere->setEnabled(zone != 0);
                onAnyChange();
            });
    connect(m_ui->combo_utmHemisphere, QOverload<int>::of(&QComboBox::currentIndexChanged), this,
            &SettingsDialog::onAnyChange);

    fillLanguages();
    loadControls();
    m_languageIndex = m_savedLanguageIndex = m_ui->combo_language->currentIndex();
    m_changed = false;

    buildDrawing();
    retranslateExtras();

    QListView *list = m_ui->list_outputLabel;
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->setDragEnabled(true);
    list->setDropIndicatorShown(true);
    list->setAcceptDrops(true);
    list->setDefaultDropAction(Qt::MoveAction);
    list->setDragDropMode(QAbstractItemView::InternalMove);

    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
}

SettingsDialog::~SettingsDialog() = default;

void SettingsDialog::setAskFunction(AskFunction ask)
{
    m_ask = std::move(ask);
}

void SettingsDialog::fillLanguages()
{
    m_languageCodes = QStringList{QStringLiteral("sys")};
    for (const LanguageList::Language &language : LanguageList::read(m_translationsDirectory)) {
        m_ui->combo_language->addItem(QIcon(language.iconPath), language.name);
        m_languageCodes << language.code;
    }
}

void SettingsDialog::loadControls()
{
    using namespace Keys;
    const QSettings &s = m_settings;
    m_ui->spin_x->setValue(MetaPosX.read(s));
    m_ui->spin_y->setValue(MetaPosY.read(s));
    m_ui->spin_z->setValue(MetaPosZ.read(s));
    m_ui->spin_first->setValue(MetaPosFirst.read(s));
    m_ui->combo_sep->setCurrentIndex(MetaSeparator.read(s));
    m_ui->combo_addTimes->setCurrentIndex(MetaOnAdd.read(s));

    m_ui->chkb_saveOutputDir->setChecked(OutputSaveDir.read(s));
    m_ui->chkb_autoDir->setChecked(OutputAutoCreate.read(s));
    m_ui->chkb_openDir->setChecked(OutputOpenDir.read(s));
    m_ui->line_outputDir->setText(OutputDir.read(s));
    m_ui->chkbAutoOutputAsInput->setChecked(OutputAutoOutAsInp.read(s));
    m_ui->chkb_clearFlys->setChecked(OutputClearFly.read(s));
    m_ui->chkb_splitFolders->setChecked(OutputSplitFoldersBlock.read(s));
    m_ui->combo_outSeporator->setCurrentIndex(MetaOutSeparator.read(s));
    m_ui->chkb_pix4d->setChecked(OutputPix4dLabel.read(s));
    m_ui->list_outputLabel->setEnabled(!m_ui->chkb_pix4d->isChecked());

    const int language = m_languageCodes.indexOf(Translation.read(s));
    m_ui->combo_language->setCurrentIndex(qMax(0, language));
    m_ui->combo_logging->setCurrentIndex(Logging.read(s));
    m_ui->cmb_numberFormat->setCurrentIndex(MetaNumberFormat.read(s));
    m_ui->spn_minutsSlice->setValue(SecondsToSlice.read(s));
    m_ui->chkb_useDesktopOpenGL->setChecked(UseDesktopOpenGL.read(s));
    m_ui->chkb_hiDpiScale->setChecked(UseHiDpiScale.read(s));

    m_ui->spin_offsetX->setValue(OffsetX.read(s));
    m_ui->spin_offsetY->setValue(OffsetY.read(s));
    m_ui->spin_offsetZ->setValue(OffsetZ.read(s));
    m_ui->chkb_leverArmDesign->setChecked(LeverArmDesign.read(s));
    const int zone = CoordinateUtmZone.read(s);
    m_ui->spin_utmZone->setValue(qAbs(zone) <= 60 ? qAbs(zone) : 0);
    m_ui->combo_utmHemisphere->setCurrentIndex(zone < 0 ? 1 : 0);
    m_ui->combo_utmHemisphere->setEnabled(m_ui->spin_utmZone->value() != 0);

    if (SettingsStore::isWgs84(s))
        m_ui->radio_wgs->setChecked(true);
    else
        m_ui->radio_utm->setChecked(true);
    updateColumnLabels();
}

void SettingsDialog::buildDrawing()
{
    m_scene = new QGraphicsScene(0, 0, 600, 300, this);
    m_antennaTop->setOffset(437, 98);
    m_antennaFront->setOffset(141, 178);
    m_scene->addItem(m_antennaTop);
    m_scene->addItem(m_antennaFront);
    for (int i = 0; i < 6; ++i) {
        auto *caption = m_scene->addSimpleText(QString());
        caption->setBrush(QColor(i < 2 ? 0x31363b : 0x1d6fa5));
        m_captions << caption;
    }
    QGraphicsView *view = m_ui->graphicsView;
    view->setScene(m_scene);
    view->setBackgroundBrush(
        QImage(QStringLiteral("://img/offset/background_300600_arrows-min.png")));
    view->setCacheMode(QGraphicsView::CacheBackground);
    view->setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
    // The background is one picture of the scene's size: a larger view would show it tiled.
    view->setMaximumSize(view->minimumSize());
}

void SettingsDialog::updateColumnLabels()
{
    const bool wgs = m_ui->radio_wgs->isChecked();
    m_ui->lbl_def_col_x->setText(wgs ? tr("Column Lat") : tr("Column North"));
    m_ui->lbl_def_col_y->setText(wgs ? tr("Column Lon") : tr("Column East"));
    m_ui->lbl_def_col_z->setText(tr("Column H"));
}

void SettingsDialog::retranslateExtras()
{
    updateColumnLabels();
    // "Tab" names a key; the other delimiters are the characters themselves.
    m_ui->combo_sep->setItemText(0, tr("Tab"));
    m_ui->combo_outSeporator->setItemText(2, tr("Tab"));

    const QString pictureTip = QStringLiteral("<p align=\"center\"><img src=\"%1\"/><br/>%2</p>");
    m_ui->radio_utm->setToolTip(
        pictureTip.arg(QStringLiteral(":/img/system_utm-min.png"), tr("Metric system")));
    m_ui->radio_wgs->setToolTip(
        pictureTip.arg(QStringLiteral(":/img/system_wgs-min.png"), tr("Degree system")));
    const QString zoneTip =
        tr("The UTM zone of timemarks given in metres (easting and northing), and whether it "
           "lies north or south of the equator. The geotags of the photo copies need it to turn "
           "metres into latitude and longitude; while it is unknown, the copies keep the "
           "camera's own position. The antenna offset is turned into the grid of this zone "
           "too. Timemarks in degrees bring their own zone.");
    for (QWidget *widget :
         {static_cast<QWidget *>(m_ui->lbl_utmZone), static_cast<QWidget *>(m_ui->spin_utmZone),
          static_cast<QWidget *>(m_ui->combo_utmHemisphere)})
        widget->setToolTip(zoneTip);
    m_ui->chkb_leverArmDesign->setToolTip(
        tr("Turn the antenna offset with the formula of earlier versions. That formula turned "
           "yaw and roll the wrong way for the drone's own attitude convention: heading east "
           "put the camera west of the antenna. It is therefore no longer the default; use it "
           "only to reproduce results made with an earlier version."));

    m_ui->graphicsView->setToolTip(
        tr("The antenna moves as the offsets change; the red cross marks the camera."));
    if (m_captions.size() != 6)
        return;
    // The arrows are part of the background picture; their words sit beside them.
    const QString texts[] = {tr("Seen from behind"), tr("Seen from below"),
                             tr("B right"),          tr("Z up"),
                             tr("A forward"),        tr("B right")};
    for (int i = 0; i < 6; ++i)
        m_captions[i]->setText(texts[i]);
    const auto rightAligned = [this](int i, double right, double y) {
        m_captions[i]->setPos(right - m_captions[i]->boundingRect().width(), y);
    };
    m_captions[0]->setPos(10, 4);
    m_captions[1]->setPos(310, 4);
    m_captions[2]->setPos(86, 272);
    m_captions[3]->setPos(33, 220);
    rightAligned(4, 567, 240);
    rightAligned(5, 514, 272);
}

QMessageBox::StandardButton SettingsDialog::ask(const QString &title, const QString &text,
                                                QMessageBox::StandardButtons buttons,
                                                QMessageBox::StandardButton defaultButton)
{
    return m_ask(this, title, text, buttons, defaultButton);
}

void SettingsDialog::markChanged()
{
    m_changed = true;
    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(true);
}

void SettingsDialog::projError(const QString &text)
{
    Q_UNUSED(text) // the main window's error list shows it
    m_projFailed = true;
    m_ui->radio_wgs->setEnabled(false);
    // A checked but disabled degree button would be saved again by the next OK.
    if (m_ui->radio_wgs->isChecked()) {
        m_ui->radio_utm->setChecked(true);
        updateColumnLabels();
    }
    Keys::CoordinateType.write(m_settings, 0);
    m_settings.sync();
    emit coordinateSystemChanged();
}

void SettingsDialog::blockSystem()
{
    m_ui->radio_utm->setEnabled(false);
    m_ui->radio_wgs->setEnabled(false);
}

void SettingsDialog::unblockSystem()
{
    m_ui->radio_utm->setEnabled(true);
    m_ui->radio_wgs->setEnabled(!m_projFailed);
}

void SettingsDialog::on_buttonBox_clicked(QAbstractButton *button)
{
    const QDialogButtonBox::StandardButton which = m_ui->buttonBox->standardButton(button);
    if (which == QDialogButtonBox::Ok || which == QDialogButtonBox::Apply) {
        m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
        save_settings();
    } else if (which == QDialogButtonBox::Reset) {
        const QString text =
            tr("Reset every setting to its default? This includes the antenna offsets, the "
               "default columns and the output directory.");
        if (ask(tr("Reset settings"), text, QMessageBox::Yes | QMessageBox::No, QMessageBox::No) ==
            QMessageBox::Yes)
            reset_settings();
    }
}

void SettingsDialog::save_settings()
{
    using namespace Keys;
    QSettings &s = m_settings;
    m_changed = false;
    OutputAutoCreate.write(s, m_ui->chkb_autoDir->isChecked());
    const QString dir = m_ui->line_outputDir->text();
    if (dir != OutputDir.read(s)) {
        OutputDir.write(s, dir);
        emit outputDirChanged();
    }
    OutputSaveDir.write(s, m_ui->chkb_saveOutputDir->isChecked());
    OutputOpenDir.write(s, m_ui->chkb_openDir->isChecked());
    MetaOutSeparator.write(s, m_ui->combo_outSeporator->currentIndex());
    OutputClearFly.write(s, m_ui->chkb_clearFlys->isChecked());
    OutputSplitFoldersBlock.write(s, m_ui->chkb_splitFolders->isChecked());
    OutputAutoOutAsInp.write(s, m_ui->chkbAutoOutputAsInput->isChecked());
    OutputPix4dLabel.write(s, m_ui->chkb_pix4d->isChecked());
    MetaAutosave.write(s, true);
    MetaPosX.write(s, m_ui->spin_x->value());
    MetaPosY.write(s, m_ui->spin_y->value());
    MetaPosZ.write(s, m_ui->spin_z->value());
    MetaPosFirst.write(s, m_ui->spin_first->value());
    MetaSeparator.write(s, m_ui->combo_sep->currentIndex());
    MetaOnAdd.write(s, m_ui->combo_addTimes->currentIndex());
    MetaNumberFormat.write(s, m_ui->cmb_numberFormat->currentIndex());
    Logging.write(s, m_ui->combo_logging->currentIndex());
    OffsetZ.write(s, m_ui->spin_offsetZ->value());
    OffsetX.write(s, m_ui->spin_offsetX->value());
    OffsetY.write(s, m_ui->spin_offsetY->value());
    LeverArmDesign.write(s, m_ui->chkb_leverArmDesign->isChecked());
    const int language = m_ui->combo_language->currentIndex();
    Translation.write(s, m_languageCodes.value(language, QStringLiteral("sys")));
    UseDesktopOpenGL.write(s, m_ui->chkb_useDesktopOpenGL->isChecked());
    UseHiDpiScale.write(s, m_ui->chkb_hiDpiScale->isChecked());
    SecondsToSlice.write(s, m_ui->spn_minutsSlice->value());
    const int zone = m_ui->spin_utmZone->value();
    CoordinateUtmZone.write(s, m_ui->combo_utmHemisphere->currentIndex() == 1 ? -zone : zone);

    const int type = m_ui->radio_wgs->isChecked() ? CoordinateTypeWgs84 : 0;
    if (type != CoordinateType.read(s)) {
        CoordinateType.write(s, type);
        emit coordinateSystemChanged();
    }
    if (m_ui->chkb_pix4d->isChecked())
        m_labelModel->applyPix4dPreset();
    else
        m_labelModel->saveToSettings();
    s.sync();

    // The notice comes once per change away from the language the program runs in.
    if (language != m_languageIndex && language != m_savedLanguageIndex) {
        applyLanguage();
        emit languageChanged();
    }
    m_savedLanguageIndex = language;
    emit autoResizeChanged();
}

void SettingsDialog::reset_settings()
{
    SettingsStore::resetToDefaults(m_settings);
    m_labelModel->resetToDefaults();
    m_settings.sync();
    // Show what is stored now, or a following OK would write the old values back.
    loadControls();
    m_changed = false;
    m_ui->buttonBox->button(QDialogButtonBox::Apply)->setEnabled(false);
    const int language = m_ui->combo_language->currentIndex();
    if (language != m_languageIndex && language != m_savedLanguageIndex)
        applyLanguage();
    m_savedLanguageIndex = language;
    emit coordinateSystemChanged();
    emit outputDirChanged();
    emit autoResizeChanged();
}

void SettingsDialog::applyLanguage()
{
    // Only this dialog and its notice switch now; the rest of the program at the next start.
    TranslationLoader loader;
    loader.install(m_translationsDirectory, QLocale::system().name(),
                   TranslationLoader::systemQtTranslationsDirectory());
    m_ui->retranslateUi(this);
    retranslateExtras();
    ask(tr("Restart requires"), tr("To apply the language you must restart the App"),
        QMessageBox::Ok, QMessageBox::Ok);
}

void SettingsDialog::closeEvent(QCloseEvent *event)
{
    if (!m_changed) {
        QDialog::closeEvent(event);
        return;
    }
    switch (ask(tr("Exit settings"), tr("Settings were not saved. Save them before closing?"),
                QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, QMessageBox::Yes)) {
    case QMessageBox::Yes:
        save_settings();
        accept();
        event->accept();
        break;
    case QMessageBox::No:
        QDialog::closeEvent(event);
        break;
    default:
        event->ignore();
        break;
    }
}

void SettingsDialog::on_chkb_saveOutputDir_stateChanged(int)
{
    markChanged();
}
void SettingsDialog::on_chkb_autoDir_stateChanged(int)
{
    markChanged();
}
void SettingsDialog::on_chkb_openDir_stateChanged(int)
{
    markChanged();
}
void SettingsDialog::on_line_outputDir_textChanged(const QString &)
{
    markChanged();
}
void SettingsDialog::on_chkb_clearFlys_stateChanged(int)
{
    markChanged();
}
void SettingsDialog::on_combo_outSeporator_currentIndexChanged(int)
{
    markChanged();
}
void SettingsDialog::on_spin_x_valueChanged(int)
{
    markChanged();
}
void SettingsDialog::on_spin_y_valueChanged(int)
{
    markChanged();
}
void SettingsDialog::on_spin_z_valueChanged(int)
{
    markChanged();
}
void SettingsDialog::on_spin_first_valueChanged(int)
{
    markChanged();
}
void SettingsDialog::on_combo_sep_currentIndexChanged(int)
{
    markChanged();
}
void SettingsDialog::on_combo_logging_currentIndexChanged(int)
{
    markChanged();
}

void SettingsDialog::on_spin_offsetX_valueChanged(int value)
{
    m_antennaTop->setPos(m_antennaTop->x(), value / HorizontalScale);
    markChanged();
}

void SettingsDialog::on_spin_offsetY_valueChanged(int value)
{
    m_antennaTop->setPos(value / HorizontalScale, m_antennaTop->y());
    m_antennaFront->setPos(-value / HorizontalScale, m_antennaFront->y());
    markChanged();
}

void SettingsDialog::on_spin_offsetZ_valueChanged(int value)
{
    m_antennaFront->setPos(m_antennaFront->x(), value / VerticalScale);
    markChanged();
}

void SettingsDialog::on_combo_language_currentIndexChanged(int)
{
    markChanged();
}
void SettingsDialog::on_combo_addTimes_currentIndexChanged(int)
{
    markChanged();
}
void SettingsDialog::outputLabelsChange(const QModelIndex &, const QModelIndex &,
                                        const QVector<int> &)
{
    markChanged();
}
void SettingsDialog::on_cmb_numberFormat_currentIndexChanged(int)
{
    markChanged();
}
void SettingsDialog::on_chkb_useDesktopOpenGL_clicked()
{
    markChanged();
}
void SettingsDialog::on_chkb_hiDpiScale_clicked()
{
    markChanged();
}

void SettingsDialog::on_radio_utm_clicked()
{
    updateColumnLabels();
    markChanged();
}

void SettingsDialog::on_radio_wgs_clicked()
{
    updateColumnLabels();
    markChanged();
}

void SettingsDialog::onAnyChange()
{
    markChanged();
}

void SettingsDialog::on_btn_resetDefColumns_clicked()
{
    using namespace Keys;
    MetaAutosave.write(m_settings, true);
    m_ui->spin_x->setValue(MetaPosX.defaultValue());
    m_ui->spin_y->setValue(MetaPosY.defaultValue());
    m_ui->spin_z->setValue(MetaPosZ.defaultValue());
    m_ui->spin_first->setValue(MetaPosFirst.defaultValue());
    MetaPosDate.write(m_settings, MetaPosDate.defaultValue());
    for (const auto *key : {&MetaPosSx, &MetaPosSy, &MetaPosSz})
        key->write(m_settings, 0);
    markChanged();
}

void SettingsDialog::on_spn_minutsSlice_valueChanged(int)
{
    markChanged();
}
void SettingsDialog::on_chkb_splitFolders_clicked()
{
    markChanged();
}

void SettingsDialog::on_chkb_pix4d_clicked()
{
    markChanged();
    m_ui->list_outputLabel->setEnabled(!m_ui->chkb_pix4d->isChecked());
}
