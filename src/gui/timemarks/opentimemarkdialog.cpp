#include "timemarks/opentimemarkdialog.h"

#include "app/logcategories.h"
#include "app/screenplacement.h"
#include "app/sharedconstants.h"
#include "app/userprompts.h"
#include "blocks/tableview.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/rawtextpreview.h"
#include "timemarks/timemarkfile.h"
#include "ui_opentimemarkdialog.h"

#include <QDir>
#include <QDrag>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QPushButton>
#include <QSignalBlocker>
#include <QStandardPaths>
#include <QStyle>
#include <QTimer>

namespace {

constexpr int ResizeDelayMs = 500;
constexpr int TableFitDelayMs = 50;
constexpr int MaxFittedColumnWidth = 320;
// The data rows the column widths are fitted to; a timemark file's columns keep their width.
constexpr int FittedRows = 200;
constexpr int ExplorerWidth = 380;
// The explorer sorts a folder's rows shortly after its listing arrived.
constexpr int RevealDelayMs = 50;
const char ColumnMimeType[] = "column";

// The role containers and the colour each is drawn in.
struct RoleFrame
{
    const char *name;
    const char *colour;
};
const RoleFrame roleFrames[] = {
    {"widget_date", "#a2a2a2"}, {"widget_x", "#fef483"},    {"widget_y", "#8afffb"},
    {"widget_z", "#ff97ad"},    {"widget_accE", "#97ffad"}, {"widget_accN", "#97adff"},
    {"widget_accZ", "#c9a0dc"},
};

QStringList nameFiltersOf(const QStringList &suffixes)
{
    QStringList filters;
    for (const QString &suffix : suffixes)
        filters << QStringLiteral("*.") + suffix;
    return filters;
}

} // namespace

const QStringList &OpenTimeMarkDialog::timemarkSuffixes()
{
    static const QStringList suffixes{QStringLiteral("txt"), QStringLiteral("csv"),
                                      QStringLiteral("pos")};
    return suffixes;
}

OpenTimeMarkDialog::OpenTimeMarkDialog(GeoCalc *geoCalc, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::OpenTimeMarkDialog>()), m_geoCalc(geoCalc),
      m_model(new OpentTimeMarkTableModel(geoCalc, this)), m_file(new TimemarkFile(m_model, this)),
      m_files(new QFileSystemModel(this)), m_nameFilters(nameFiltersOf(timemarkSuffixes())),
      m_labelNames{QStringLiteral("lbl_col_date"), QStringLiteral("lbl_col_x"),
                   QStringLiteral("lbl_col_y"),    QStringLiteral("lbl_col_z"),
                   QStringLiteral("lbl_col_sx"),   QStringLiteral("lbl_col_sy"),
                   QStringLiteral("lbl_col_sz")},
      m_nameColumnTimer(new QTimer(this)), m_tableTimer(new QTimer(this)),
      m_revealTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    // A large window of its own that can be maximised, not a small box over the block.
    setWindowFlags(windowFlags() | Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    for (const RoleFrame &frame : roleFrames) {
        auto *widget = findChild<QFrame *>(QLatin1String(frame.name));
        // The style's grey for disabled text vanishes on the lighter colours.
        widget->setStyleSheet(QStringLiteral("#%1 { border: 2px solid %2; background-color: %2; } "
                                             "QLabel:disabled { color: #5a5a5a; }")
                                  .arg(QLatin1String(frame.name), QLatin1String(frame.colour)));
    }
    restoreGeometries();
    buildExplorer();

    m_ui->tableMeta->setModel(m_model);
    m_ui->tableMeta->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
    buildColumnMenu();
    connect(m_ui->tableMeta->verticalHeader(), &QHeaderView::sectionClicked, this,
            &OpenTimeMarkDialog::table_first_valueChanged);

    {
        // Filling the combo would select its first entry through the delimiter slot, storing
        // Tab over the operator's chosen delimiter before the dialog is even shown.
        const QSignalBlocker blocker(m_ui->cmb_seporator);
        m_ui->cmb_seporator->addItems(separatorList.value(0));
        // "Tab" names a key; the other delimiters are the characters themselves.
        m_ui->cmb_seporator->setItemText(0, tr("Tab"));
        m_ui->cmb_seporator->setCurrentIndex(m_file->separatorIndex());
    }
    restoreRoles();
    connect(m_file, &TimemarkFile::separatorIndexChanged, m_ui->cmb_seporator,
            &QComboBox::setCurrentIndex);

    m_ui->tableMeta->hide();
    setTableControlsEnabled(false);
    m_ui->textBrowser->show();
    updateOkButton();

    m_nameColumnTimer->setInterval(ResizeDelayMs);
    connect(m_nameColumnTimer, &QTimer::timeout, this, &OpenTimeMarkDialog::resizeNameColumn);
    m_nameColumnTimer->start();
    m_tableTimer->setInterval(ResizeDelayMs);
    connect(m_tableTimer, &QTimer::timeout, this, &OpenTimeMarkDialog::autoResizeTable);

    for (const QString &name : qAsConst(m_labelNames)) {
        auto *label = findChild<QLabel *>(name);
        label->setAccessibleName(name);
        label->setCursor(Qt::OpenHandCursor);
        label->installEventFilter(this);
    }
    TableView *table = m_ui->tableMeta;
    connect(table, &TableView::settingColDate, m_ui->spn_date, &QSpinBox::setValue);
    connect(table, &TableView::settingColX, m_ui->spn_x, &QSpinBox::setValue);
    connect(table, &TableView::settingColY, m_ui->spn_y, &QSpinBox::setValue);
    connect(table, &TableView::settingColZ, m_ui->spn_z, &QSpinBox::setValue);
    connect(table, &TableView::settingColXS, m_ui->spn_sx, &QSpinBox::setValue);
    connect(table, &TableView::settingColYS, m_ui->spn_sy, &QSpinBox::setValue);
    connect(table, &TableView::settingColZS, m_ui->spn_sz, &QSpinBox::setValue);

    switchMetresDegree();
    m_acceptedCoordinateType = Keys::CoordinateType.read(m_settings);
}

OpenTimeMarkDialog::~OpenTimeMarkDialog()
{
    storeGeometries();
}

void OpenTimeMarkDialog::restoreGeometries()
{
    // Stored only once the dialog was closed; before that the form's size stands, centred
    // over the block. A place on a screen that is gone is not restored.
    const QVariant stored = m_settings.value(Keys::DialogGeometry);
    if (stored.isValid()) {
        const QRect rect = stored.toRect();
        if (rect.isValid() && ScreenPlacement::onSomeScreen(rect))
            setGeometry(rect);
    }
    m_ui->treeView->setGeometry(
        m_settings.value(Keys::DialogTreeGeometry, m_ui->treeView->geometry()).toRect());
    m_ui->tableMeta->setGeometry(
        m_settings.value(Keys::DialogTableGeometry, m_ui->tableMeta->geometry()).toRect());
    m_ui->textBrowser->setGeometry(
        m_settings.value(Keys::DialogTextGeometry, m_ui->textBrowser->geometry()).toRect());
    // A wider window widens the table. Sizes are shares of the splitter's width, so the
    // splitter gets its real width before the explorer gets room for long file names.
    m_ui->splitter->setStretchFactor(0, 0);
    m_ui->splitter->setStretchFactor(1, 1);
    layout()->activate();
    m_ui->splitter->setSizes({ExplorerWidth, m_ui->splitter->width() - ExplorerWidth});
    m_ui->splitter->restoreState(m_settings.value(Keys::DialogSplitter).toByteArray());
}

void OpenTimeMarkDialog::storeGeometries()
{
    m_settings.setValue(Keys::DialogGeometry, geometry());
    m_settings.setValue(Keys::DialogTreeGeometry, m_ui->treeView->geometry());
    m_settings.setValue(Keys::DialogTableGeometry, m_ui->tableMeta->geometry());
    m_settings.setValue(Keys::DialogTextGeometry, m_ui->textBrowser->geometry());
    m_settings.setValue(Keys::DialogSplitter, m_ui->splitter->saveState());
    m_settings.sync();
}

void OpenTimeMarkDialog::buildExplorer()
{
    m_files->setRootPath(QString());
    m_files->setNameFilters(m_nameFilters);
    m_files->setNameFilterDisables(false);
    QTreeView *tree = m_ui->treeView;
    tree->setModel(m_files);
    tree->setAnimated(false);
    tree->setIndentation(20);
    tree->setSortingEnabled(true);
    tree->sortByColumn(0, Qt::AscendingOrder);
    connect(m_files, &QFileSystemModel::directoryLoaded, this, &OpenTimeMarkDialog::folderListed);
    m_revealTimer->setSingleShot(true);
    m_revealTimer->setInterval(RevealDelayMs);
    connect(m_revealTimer, &QTimer::timeout, this, &OpenTimeMarkDialog::revealScrollTarget);
    navigateTo(SettingsStore::lastDir(m_settings));
}

void OpenTimeMarkDialog::buildColumnMenu()
{
    m_columnMenu = new QMenu(this);
    m_joinAction =
        m_columnMenu->addAction(tr("Join columns"), this, &OpenTimeMarkDialog::onJoinCols);
    m_columnMenu->addSeparator();
    const QStringList texts{tr("Set Date"), tr("Set Lat"),  tr("Set Lon"), tr("Set Height"),
                            tr("Set AccN"), tr("Set AccE"), tr("Set AccH")};
    for (int i = 0; i < texts.size(); ++i) {
        QAction *action = m_columnMenu->addAction(texts.at(i), this, &OpenTimeMarkDialog::onSetCol);
        action->setData(i + 1);
    }
}

void OpenTimeMarkDialog::restoreRoles()
{
    using namespace Keys;
    m_ui->spn_x->setValue(MetaPosX.read(m_settings));
    m_ui->spn_y->setValue(MetaPosY.read(m_settings));
    m_ui->spn_z->setValue(MetaPosZ.read(m_settings));
    m_ui->spn_first->setValue(MetaPosFirst.read(m_settings));
    m_ui->spn_date->setValue(MetaPosDate.read(m_settings));
    m_ui->spn_sx->setValue(MetaPosSx.read(m_settings));
    m_ui->spn_sy->setValue(MetaPosSy.read(m_settings));
    m_ui->spn_sz->setValue(MetaPosSz.read(m_settings));
    // A stored value equal to the form's own changes nothing, so the model is told here.
    m_model->setColX(m_ui->spn_x->value());
    m_model->setColY(m_ui->spn_y->value());
    m_model->setColZ(m_ui->spn_z->value());
    m_model->setFirstRow(m_ui->spn_first->value());
    m_model->setColDate(m_ui->spn_date->value());
    m_model->setAccN(m_ui->spn_sx->value());
    m_model->setAccE(m_ui->spn_sy->value());
    m_model->setAccZ(m_ui->spn_sz->value());
    m_ui->cmb_seporator->setCurrentIndex(m_file->separatorIndex());
}

int OpenTimeMarkDialog::separatorIndex() const
{
    return m_file->separatorIndex();
}

QString OpenTimeMarkDialog::separatorPattern() const
{
    return m_file->separatorPattern();
}

QString OpenTimeMarkDialog::loadedFileName() const
{
    return m_file->loadedFileName();
}

void OpenTimeMarkDialog::setCoordinateLocked(bool locked)
{
    m_coordinateLocked = locked;
    m_ui->radio_utm->setEnabled(!locked);
    m_ui->radio_wgs->setEnabled(!locked);
}

void OpenTimeMarkDialog::setGeoCalc(GeoCalc *geoCalc)
{
    m_geoCalc = geoCalc;
}

int OpenTimeMarkDialog::exec()
{
    // UserPrompts runs the modal loop by calling exec() again; that inner call is the loop.
    if (m_inModalLoop)
        return QDialog::exec();
    switchMetresDegree();
    m_inModalLoop = true;
    const int result = UserPrompts::instance().exec(*this);
    m_inModalLoop = false;
    return result;
}

void OpenTimeMarkDialog::accept()
{
    // Photos pair with rows by position: a row whose position is no number would move a
    // photo to the wrong place, and leaving it out would shift every later pair.
    LineConversionReport report;
    m_model->toLines(&report);
    if (report.hasProblems()) {
        UserPrompts::instance().warning(this, tr("Warning"),
                                        tr("The timemarks were not added.") +
                                            QStringLiteral("\n\n") + report.warningText());
        return;
    }
    QDialog::accept();
}

void OpenTimeMarkDialog::chooseFile(const QString &path)
{
    const QModelIndex index = m_files->index(path);
    if (index.isValid()) {
        m_ui->treeView->setCurrentIndex(index);
        m_ui->treeView->scrollTo(index, QAbstractItemView::PositionAtCenter);
        m_scrollTarget = m_files->filePath(index);
        m_scrollTargetListed = false;
    }
    openPath(path);
}

void OpenTimeMarkDialog::navigateTo(const QString &folder)
{
    const QModelIndex index = m_files->index(folder);
    if (!index.isValid())
        return;
    m_ui->treeView->expand(index);
    m_ui->treeView->setCurrentIndex(index);
    m_ui->treeView->scrollTo(index, QAbstractItemView::PositionAtTop);
    m_scrollTarget = m_files->filePath(index);
    m_scrollTargetListed = false;
}

void OpenTimeMarkDialog::folderListed(const QString &folder)
{
    if (m_scrollTarget.isEmpty())
        return;
    // Folders are listed in the background and sorted after their listing arrived, which moves
    // the rows under the target; scroll to it again once each folder on its way is in place.
    const QFileInfo target(m_scrollTarget);
    const QString targetFolder = target.isDir() ? target.filePath() : target.absolutePath();
    const QString prefix = folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
    if (targetFolder != folder && !targetFolder.startsWith(prefix))
        return;
    if (targetFolder == folder)
        m_scrollTargetListed = true;
    m_revealTimer->start();
}

void OpenTimeMarkDialog::revealScrollTarget()
{
    const QModelIndex index = m_files->index(m_scrollTarget);
    if (index.isValid())
        m_ui->treeView->scrollTo(index, m_files->isDir(index)
                                            ? QAbstractItemView::PositionAtTop
                                            : QAbstractItemView::PositionAtCenter);
    if (m_scrollTargetListed)
        m_scrollTarget.clear();
}

void OpenTimeMarkDialog::on_treeView_clicked(const QModelIndex &index)
{
    m_scrollTarget.clear();
    if (index.isValid())
        openPath(m_files->filePath(index));
}

void OpenTimeMarkDialog::on_treeView_activated(const QModelIndex &index)
{
    on_treeView_clicked(index);
}

void OpenTimeMarkDialog::openPath(const QString &path)
{
    const QFileInfo info(path);
    if (path.isEmpty() || info.isDir())
        return;
    const QString loaded = m_file->loadedFileName();
    if (!loaded.isEmpty() && QFileInfo(loaded) == info) {
        // The table still holds this file with the operator's roles and joins: keep them.
        m_file->setFileName(loaded);
        showTable();
        return;
    }
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(false);
    m_detecting = true;
    const bool recognised = m_file->detectSeparator(path);
    m_detecting = false;
    if (recognised)
        loadIntoTable();
    else
        showRawText(RawTextPreview::read(path));
}

void OpenTimeMarkDialog::loadIntoTable()
{
    const bool loaded = m_file->loadTable();
    if (!loaded && m_file->loadedFileName() != m_file->fileName()) {
        // Not read at all (too large, a line too long, no text): say why instead of a table.
        showRawText(m_file->errorText());
        return;
    }
    showTable();
    m_model->setFirstRow(m_ui->spn_first->value());
    // X, Y and Z always name a column, so even an empty table leaves them one to name.
    const int cells = qMax(1, m_file->lastCellCount());
    m_ui->spn_x->setMaximum(cells);
    m_ui->spn_y->setMaximum(cells);
    m_ui->spn_z->setMaximum(cells);
    updateOkButton();
    m_tableTimer->start(TableFitDelayMs);
}

void OpenTimeMarkDialog::showTable()
{
    m_ui->tableMeta->show();
    setTableControlsEnabled(true);
    m_ui->textBrowser->hide();
    updateOkButton();
}

void OpenTimeMarkDialog::showRawText(const QString &text)
{
    m_ui->textBrowser->setPlainText(text);
    m_ui->tableMeta->hide();
    setTableControlsEnabled(false);
    m_ui->textBrowser->show();
    updateOkButton();
}

void OpenTimeMarkDialog::setTableControlsEnabled(bool enabled)
{
    m_ui->widget_xyz->setEnabled(enabled);
    m_ui->widget_reading->setEnabled(enabled);
}

void OpenTimeMarkDialog::updateOkButton()
{
    // Only a shown table with at least one row from the first row on can be taken.
    const bool ready = !m_ui->tableMeta->isHidden() && m_model->rowCount() >= m_model->firstRow();
    m_ui->buttonBox->button(QDialogButtonBox::Ok)->setEnabled(ready);
}

void OpenTimeMarkDialog::on_cmb_seporator_currentIndexChanged(int index)
{
    if (index < 0)
        return;
    if (Keys::MetaAutosave.read(m_settings))
        Keys::MetaSeparator.write(m_settings, index);
    m_file->setSeparatorIndex(index);
    // Detection loads the file itself once it has chosen the delimiter.
    if (!m_detecting && !m_file->fileName().isEmpty())
        loadIntoTable();
}

void OpenTimeMarkDialog::on_spn_x_valueChanged(int value)
{
    Keys::MetaPosX.write(m_settings, value);
    m_model->setColX(value);
}

void OpenTimeMarkDialog::on_spn_y_valueChanged(int value)
{
    Keys::MetaPosY.write(m_settings, value);
    m_model->setColY(value);
}

void OpenTimeMarkDialog::on_spn_z_valueChanged(int value)
{
    Keys::MetaPosZ.write(m_settings, value);
    m_model->setColZ(value);
}

void OpenTimeMarkDialog::on_spn_first_valueChanged(int value)
{
    Keys::MetaPosFirst.write(m_settings, value);
    m_model->setFirstRow(value);
    updateOkButton();
}

void OpenTimeMarkDialog::on_spn_date_valueChanged(int value)
{
    Keys::MetaPosDate.write(m_settings, value);
    m_model->setColDate(value);
}

// The sdN box (sx) feeds the north accuracy, the sdE box (sy) the east one.
void OpenTimeMarkDialog::on_spn_sx_valueChanged(int value)
{
    Keys::MetaPosSx.write(m_settings, value);
    m_model->setAccN(value);
}

void OpenTimeMarkDialog::on_spn_sy_valueChanged(int value)
{
    Keys::MetaPosSy.write(m_settings, value);
    m_model->setAccE(value);
}

void OpenTimeMarkDialog::on_spn_sz_valueChanged(int value)
{
    Keys::MetaPosSz.write(m_settings, value);
    m_model->setAccZ(value);
}

void OpenTimeMarkDialog::table_first_valueChanged(int section)
{
    m_ui->spn_first->setValue(section + 1);
}

void OpenTimeMarkDialog::on_btn_user_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::HomeLocation));
}

void OpenTimeMarkDialog::on_btn_favorites_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::HomeLocation) +
               QStringLiteral("/Favorites"));
}

void OpenTimeMarkDialog::on_btn_documents_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation));
}

void OpenTimeMarkDialog::on_btn_images_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::PicturesLocation));
}

void OpenTimeMarkDialog::on_btn_downloads_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::DownloadLocation));
}

void OpenTimeMarkDialog::on_btn_desktop_clicked()
{
    navigateTo(QStandardPaths::writableLocation(QStandardPaths::DesktopLocation));
}

void OpenTimeMarkDialog::on_btn_filter_released()
{
    m_files->setNameFilters(m_ui->btn_filter->isChecked() ? m_nameFilters : QStringList());
}

QSpinBox *OpenTimeMarkDialog::roleSpinBox(int number) const
{
    switch (number) {
    case 1:
        return m_ui->spn_date;
    case 2:
        return m_ui->spn_x;
    case 3:
        return m_ui->spn_y;
    case 4:
        return m_ui->spn_z;
    case 5:
        return m_ui->spn_sx;
    case 6:
        return m_ui->spn_sy;
    case 7:
        return m_ui->spn_sz;
    default:
        return nullptr;
    }
}

void OpenTimeMarkDialog::on_tableMeta_customContextMenuRequested(const QPoint &pos)
{
    const bool joinable =
        m_ui->tableMeta->selectedColumns().size() >= 2 && m_ui->tableMeta->currentIndex().isValid();
    m_joinAction->setEnabled(joinable);
    UserPrompts::instance().execMenu(*m_columnMenu, m_ui->tableMeta->viewport()->mapToGlobal(pos));
}

void OpenTimeMarkDialog::onSetCol()
{
    const auto *action = qobject_cast<QAction *>(sender());
    const QList<int> columns = m_ui->tableMeta->selectedColumns();
    QSpinBox *spin = action ? roleSpinBox(action->data().toInt()) : nullptr;
    if (spin && !columns.isEmpty())
        spin->setValue(columns.first() + 1);
}

void OpenTimeMarkDialog::onJoinCols()
{
    QList<int> columns = m_ui->tableMeta->selectedColumns();
    if (columns.size() < 2)
        return;
    std::sort(columns.begin(), columns.end());
    m_model->joinCols(columns.first(), columns.last());
    m_tableTimer->start(TableFitDelayMs);
}

void OpenTimeMarkDialog::on_radio_utm_clicked()
{
    radioClicked();
}

void OpenTimeMarkDialog::on_radio_wgs_clicked()
{
    radioClicked();
}

void OpenTimeMarkDialog::radioClicked()
{
    const int type = m_ui->radio_wgs->isChecked() ? Keys::CoordinateTypeWgs84 : 0;
    if (type != Keys::CoordinateType.read(m_settings)) {
        Keys::CoordinateType.write(m_settings, type);
        m_settings.sync();
    }
    switchMetresDegree();
}

void OpenTimeMarkDialog::switchMetresDegree()
{
    const bool degrees = SettingsStore::isWgs84(m_settings);
    m_ui->radio_wgs->setChecked(degrees);
    m_ui->radio_utm->setChecked(!degrees);
    m_ui->lbl_col_date->setText(tr("Date"));
    m_ui->lbl_col_x->setText(degrees ? tr("Lat") : tr("N"));
    m_ui->lbl_col_y->setText(degrees ? tr("Lon") : tr("E"));
    m_ui->lbl_col_z->setText(tr("H"));
    m_ui->lbl_col_sx->setText(tr("sdN"));
    m_ui->lbl_col_sy->setText(tr("sdE"));
    m_ui->lbl_col_sz->setText(tr("sdH"));
    // The rows of a translation may be longer than the English ones: they are never squeezed.
    setMinimumSize(minimumSize().expandedTo(layout()->minimumSize()));
    // The headers and colours read the coordinate type; a reset makes the view ask again.
    m_model->setFirstRow(m_model->firstRow());
}

void OpenTimeMarkDialog::autoResizeTable()
{
    m_tableTimer->stop();
    QHeaderView *header = m_ui->tableMeta->horizontalHeader();
    // The columns fit the data from the first row on: a comment line above the data (an
    // RTKLIB header with the receiver's file paths) must not push the data columns out of
    // sight. Before a first row is known they fit what is shown.
    const int first = m_model->firstRow() - 1;
    const int end = qMin(m_model->rowCount(), first + FittedRows);
    if (first < 0 || first >= end) {
        header->resizeSections(QHeaderView::ResizeToContents);
        for (int i = 0; i < header->count(); ++i) {
            if (header->sectionSize(i) > MaxFittedColumnWidth)
                header->resizeSection(i, MaxFittedColumnWidth);
        }
        return;
    }
    const QFontMetrics metrics(m_ui->tableMeta->font());
    const int padding = 2 * m_ui->tableMeta->style()->pixelMetric(QStyle::PM_FocusFrameHMargin,
                                                                  nullptr, m_ui->tableMeta) +
                        8;
    for (int column = 0; column < header->count(); ++column) {
        int width = header->sectionSizeHint(column);
        for (int row = first; row < end; ++row) {
            const QString text = m_model->index(row, column).data().toString();
            width = qMax(width, metrics.horizontalAdvance(text) + padding);
        }
        header->resizeSection(column, qMin(width, MaxFittedColumnWidth));
    }
}

void OpenTimeMarkDialog::resizeNameColumn()
{
    m_nameColumnTimer->stop();
    m_ui->treeView->resizeColumnToContents(0);
}

void OpenTimeMarkDialog::on_treeView_expanded(const QModelIndex &)
{
    m_nameColumnTimer->start(ResizeDelayMs);
}

bool OpenTimeMarkDialog::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton) {
        auto *label = qobject_cast<QLabel *>(watched);
        if (label && m_labelNames.contains(label->accessibleName())) {
            startLabelDrag(label);
            return true;
        }
    }
    return QDialog::eventFilter(watched, event);
}

void OpenTimeMarkDialog::startLabelDrag(QLabel *label)
{
    auto *mime = new QMimeData;
    mime->setText(label->text());
    mime->setData(QLatin1String(ColumnMimeType), label->accessibleName().toLatin1());
    const qreal ratio = devicePixelRatioF();
    auto *drag = new QDrag(label);
    drag->setMimeData(mime);
    drag->setPixmap(label->grab());
    // Below and right of the pointer, so the column under it stays in sight.
    drag->setHotSpot(QPoint(qRound(10 * ratio), qRound(27 * ratio)));
    drag->exec(Qt::CopyAction);
}
