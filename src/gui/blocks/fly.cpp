#include "blocks/fly.h"

#include "app/logcategories.h"
#include "app/logwindow.h"
#include "app/notyficator.h"
#include "app/sharedconstants.h"
#include "app/userprompts.h"
#include "blocks/columnfit.h"
#include "blocks/customtablemodel.h"
#include "blocks/dialogonadd.h"
#include "blocks/pairingdialog.h"
#include "blocks/pairingtext.h"
#include "blocks/tableview.h"
#include "graph/flygraph.h"
#include "photos/photomodel.h"
#include "processing/outputlabelmodel.h"
#include "processing/previewtablemodel.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "settings/tablevaluesdelegate.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/opentimemarkdialog.h"
#include "timemarks/openttimemarktablemodel.h"
#include "ui_fly.h"

#include <QAction>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QMenu>
#include <QMimeData>
#include <QScrollBar>
#include <QSplitter>
#include <QToolButton>
#include <QUrl>

#include <algorithm>
#include <utility>

namespace {

QString frameStyle(const QString &colour)
{
    return QStringLiteral("QFrame#FlyView { border: 2px solid %1; }").arg(colour);
}

} // namespace

Fly::Fly(int number, GeoCalc *geoCalc, QWidget *parent)
    : QWidget(parent), m_ui(new Ui::FlyForm), m_data(new FlyData(number, geoCalc, this))
{
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    m_ui->btn_3dflyview->hide();

    auto *clearMarks = new QToolButton(this);
    clearMarks->setObjectName(QStringLiteral("btn_clearMarks"));
    clearMarks->setText(tr("Clear Timemarks"));
    clearMarks->setToolTip(tr("Remove all timemarks from the block"));
    clearMarks->setIcon(QIcon(QStringLiteral("://FontAwersome/eraser.svg")));
    clearMarks->setIconSize(QSize(13, 13));
    clearMarks->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    m_ui->buttonLayout->insertWidget(4, clearMarks);
    connect(clearMarks, &QToolButton::clicked, this, &Fly::onBtnClearMarks_clicked);
    setBlockNumber(number);

    m_resizeTimer.setInterval(50);
    connect(&m_resizeTimer, &QTimer::timeout, this, &Fly::autoResizeTable);
    m_photoDialog = new QFileDialog(this, tr("Add photos"));
    m_photoDialog->setViewMode(QFileDialog::Detail);
    m_photoDialog->setOption(QFileDialog::ReadOnly);
    m_photoDialog->setFileMode(QFileDialog::ExistingFiles);
    m_photoDialog->setAcceptMode(QFileDialog::AcceptOpen);
    m_photoDialog->setNameFilter(tr("Photos (*.jpg *.jpeg);;All files (*.*)"));
    m_photoDialog->setDirectory(SettingsStore::lastDir(m_settings));

    m_ui->tablePhotos->setModel(m_data->photos());
    m_ui->tableMeta->setModel(m_data->timemarks());
    m_ui->tablePreview->setModel(m_data->preview());
    // One delegate per table: it keeps its cell sizes per column.
    auto *metaValues = new TableValuesDelegate(m_ui->tableMeta);
    for (int c = 1; c <= 6; ++c)
        m_ui->tableMeta->setItemDelegateForColumn(c, metaValues);
    auto *previewValues = new TableValuesDelegate(m_ui->tablePreview);
    for (int c = 1; c <= 3; ++c)
        m_ui->tablePreview->setItemDelegateForColumn(c, previewValues);
    for (TableView *table : {tablePhotos(), tableMeta(), tablePreview()}) {
        // Rows of one height in all three tables keep row i level across them, and a fixed
        // height costs nothing per row on a long flight.
        table->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
        table->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 8);
        // Highlighted headers ask the selection about every row and column shown, range by
        // range: with a filter's every-other-row selection that holds each repaint. Rows are
        // selected whole, so a highlighted column header would say nothing anyway.
        table->verticalHeader()->setHighlightSections(false);
        table->horizontalHeader()->setHighlightSections(false);
        table->horizontalHeader()->setVisible(true);
    }
    // The preview's first column carries no value.
    m_ui->tablePreview->setColumnHidden(0, true);
    // One column of paths: it fills the table, and a long path keeps its file name in view.
    m_ui->tablePhotos->horizontalHeader()->setStretchLastSection(true);
    m_ui->tablePhotos->setTextElideMode(Qt::ElideMiddle);
    restoreGeometries();

    m_ui->lbl_status->hide();
    const bool preview = Keys::FlyOutputPreview.read(m_settings);
    m_ui->tablePreview->setVisible(preview);
    m_ui->chkb_preview->setChecked(preview);

    buildMenus();

    PhotoModel *photos = m_data->photos();
    connect(photos, &PhotoModel::photosAdded, this, &Fly::photosModelAdded);
    // Every refused photo with its reason, once per batch; filesNoAdded() names only those
    // without the attitude tags, and only when some photo was taken.
    connect(photos, &PhotoModel::photosRefused, this, &Fly::onPhotosRefused);
    connect(photos, &PhotoModel::addNoPhotos, this, &Fly::on_noPhotosAdded);
    connect(photos, &PhotoModel::addProcess, m_ui->progressBar, &QProgressBar::setValue);
    connect(photos, &PhotoModel::filterProcess, m_ui->progressBar, &QProgressBar::setValue);
    connect(m_data->timemarks(), &CustomTableModel::distanceFilterProgress, m_ui->progressBar_2,
            &QProgressBar::setValue);
    // The block's data says when every pass it started has reported, which is when a poll
    // of the two filter threads would find them stopped.
    connect(m_data, &FlyData::filterRowsFound, this, &Fly::onFiltresEnded);
    connect(m_data, &FlyData::filtersFinished, this, [this] { onFiltresEnded(); });
    connect(m_data, &FlyData::notification, this, &Fly::notify);
    connect(m_data, &FlyData::slicedBlock, this, &Fly::slicedBlock);
    connect(m_ui->btn_checkPairing, &QToolButton::clicked, this, &Fly::onCheckPairing);
    // The button comes and goes with the counts; the row of labels keeps its height.
    m_ui->lbl_photos->setMinimumHeight(m_ui->btn_checkPairing->sizeHint().height());
    // A check says nothing of lists changed after it, also by an edit of a date in the table.
    m_pairingTimer.setSingleShot(true);
    m_pairingTimer.setInterval(0);
    connect(&m_pairingTimer, &QTimer::timeout, this, &Fly::showPairing);
    connect(m_data, &FlyData::pairingChanged, this, &Fly::showPairing);
    for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(m_data->photos()),
                                      static_cast<QAbstractItemModel *>(m_data->timemarks())}) {
        connect(model, &QAbstractItemModel::dataChanged, &m_pairingTimer,
                qOverload<>(&QTimer::start));
        connect(model, &QAbstractItemModel::modelReset, &m_pairingTimer,
                qOverload<>(&QTimer::start));
    }
    connect(m_ui->tablePhotos, &QAbstractItemView::doubleClicked, this, &Fly::onViewPhotosItems);
    connect(this, &Fly::toSetMetaLable, m_ui->lbl_meta, &QLabel::setText);

    const QList<TableView *> tables{tablePhotos(), tableMeta(), tablePreview()};
    for (TableView *table : tables) {
        for (TableView *other : tables) {
            if (other == table)
                continue;
            connect(table->verticalScrollBar(), &QScrollBar::valueChanged,
                    other->verticalScrollBar(), &QScrollBar::setValue);
            connect(table, &TableView::selectedRowsChanged, other,
                    [other](const QList<int> &rows) { other->selectRows(rows); });
        }
        connect(table, &TableView::selectedRowsChanged, this, &Fly::selectionRows);
    }
    // Rows gone, moved or replaced: the selected row numbers now name other rows, in the
    // tables as on the map.
    for (QAbstractItemModel *model : {static_cast<QAbstractItemModel *>(m_data->photos()),
                                      static_cast<QAbstractItemModel *>(m_data->timemarks())}) {
        connect(model, &QAbstractItemModel::rowsRemoved, this, &Fly::dropSelection);
        connect(model, &QAbstractItemModel::rowsMoved, this, &Fly::dropSelection);
        connect(model, &QAbstractItemModel::modelReset, this, &Fly::dropSelection);
        connect(model, &QAbstractItemModel::layoutChanged, this, &Fly::dropSelection);
    }
    // The preview is reset at every change, also of a quarantine flag; its rows are the other
    // tables' rows, so it shows their selection again.
    connect(m_data->preview(), &QAbstractItemModel::modelReset, this,
            [this] { m_ui->tablePreview->selectRows(m_selection, true); });
    connect(m_ui->tableMeta, &TableView::deletingRows, this, &Fly::onDeletePhotosMetaItems);
    connect(m_ui->tablePhotos, &TableView::deletingRows, this, &Fly::onDeletePhotosMetaItems);

    // FlyData has already updated its labels and dropped the quarantine marks when these come.
    connect(m_data, &FlyData::changedPhotos, this, [this] {
        showLabels();
        emit changedPhotos();
    });
    connect(m_data, &FlyData::changedMeta, this, [this] {
        showLabels();
        emit changedMeta();
    });
    m_ui->progressBar->hide();
    m_ui->progressBar_2->hide();
    showLabels();
}

Fly::~Fly()
{
    // Before the models it shows, so it never redraws from a half-destroyed block.
    delete m_graph;
    storeGeometries();
}

TableView *Fly::tablePhotos() const
{
    return m_ui->tablePhotos;
}

TableView *Fly::tableMeta() const
{
    return m_ui->tableMeta;
}

TableView *Fly::tablePreview() const
{
    return m_ui->tablePreview;
}

void Fly::buildMenus()
{
    auto action = [this](const QString &text, void (Fly::*slot)()) {
        auto *a = new QAction(text, this);
        connect(a, &QAction::triggered, this, slot);
        return a;
    };
    m_removePhotos = action(tr("Remove"), &Fly::onDeletePhotosItems);
    m_removeMeta = action(tr("Remove"), &Fly::onDeleteMetaItems);
    m_removePairs = action(tr("Remove Photo(s) and Timemark(s)"), &Fly::onDeletePhotosMetaItems);
    m_removePairs->setToolTip(tr("Available, if count of Photos and Timemarks is equal"));
    QAction *preview = action(tr("Preview"), &Fly::onViewPhotosItems);
    QAction *selectAll = action(tr("Select All"), &Fly::onSelectAllItems);
    QAction *deselectAll = action(tr("Deselect All"), &Fly::onDeselectAllItems);
    QAction *invert = action(tr("Invert Selection"), &Fly::onInvertSelection);
    m_addQuarantine = action(tr("Add to Quarantine"), &Fly::onAddQuarantine);
    m_removeQuarantine = action(tr("Remove from Quarantine"), &Fly::onRemoveQuarantine);
    m_checkPairing = action(tr("Check pairing"), &Fly::onCheckPairing);
    m_checkPairing->setIcon(QIcon(QStringLiteral(":/FontAwersome/link.svg")));
    m_checkPairing->setToolTip(
        tr("Find the photos and timemark rows that have no partner by time"));

    auto *filters = new QMenu(tr("Select filter"), this);
    filters->setIcon(QIcon(QStringLiteral(":/FontAwersome/filter.svg")));
    const QStringList names{tr("by distance"), tr("by GimbalPitchDegree"), tr("by ExposureTime")};
    for (int i = 0; i < names.size(); ++i) {
        QAction *a = action(names.at(i), &Fly::filterMetaSelected);
        a->setCheckable(true);
        a->setData(i + 1);
        filters->addAction(a);
        m_filterActions.append(a);
    }

    m_photoMenu = new QMenu(this);
    m_photoMenu->addActions({preview, m_removePhotos, m_removePairs, m_checkPairing});
    m_photoMenu->addSeparator();
    m_photoMenu->addActions({m_addQuarantine, m_removeQuarantine});
    m_photoMenu->addSeparator();
    m_photoMenu->addActions({selectAll, deselectAll, invert});
    m_photoMenu->addMenu(filters);

    m_metaMenu = new QMenu(this);
    m_metaMenu->addActions({m_removeMeta, m_removePairs, m_checkPairing});
    m_metaMenu->addSeparator();
    m_metaMenu->addActions({m_addQuarantine, m_removeQuarantine});
    m_metaMenu->addSeparator();
    m_metaMenu->addActions({selectAll, deselectAll, invert});
    m_metaMenu->addMenu(filters);
}

void Fly::setNoCheck(bool noCheck)
{
    m_data->setNoCheck(noCheck);
    showLabels();
}

bool Fly::updateLabels()
{
    m_data->updateLabels();
    showLabels();
    return m_data->countsMatch();
}

void Fly::showLabels()
{
    m_ui->lbl_photos->setText(m_data->photosLabel());
    m_ui->lbl_meta->setText(m_data->metaLabel());
    m_ui->lbl_status->setText(m_data->statusLabel());
    m_removePairs->setEnabled(m_data->pairEditingAllowed());
    m_ui->tableMeta->setEditTriggers(m_data->pairEditingAllowed()
                                         ? QAbstractItemView::DoubleClicked |
                                               QAbstractItemView::EditKeyPressed |
                                               QAbstractItemView::AnyKeyPressed
                                         : QAbstractItemView::NoEditTriggers);
    showPairing();
    m_resizeTimer.start();
}

void Fly::showPairing()
{
    const int photos = m_data->photos()->rowCount();
    const int rows = m_data->timemarks()->rowCount();
    // Equal counts are checked before a run; differing ones are where the operator needs it.
    m_ui->btn_checkPairing->setVisible(photos > 0 && rows > 0 && photos != rows);
    QLabel *label = m_ui->lbl_pairing;
    QString text;
    QString tip;
    QColor colour(0x5a, 0x5a, 0x5a);
    if (m_data->isPairingCurrent()) {
        const PairingResult &r = m_data->lastPairing();
        // Short, so that the row of labels fits the narrowest window; the tool tip tells more.
        text = tr("Pairing by time: %1").arg(PairingText::verdictName(r.verdict));
        tip = PairingText::headline(r);
        if (r.verdict == PairingResult::Matched)
            colour = QColor(0x03, 0xa1, 0x58);
        else if (r.verdict == PairingResult::Unmatched)
            colour = QColor(0xdf, 0x03, 0x1d);
    } else if (m_data->canRestoreUnmatched()) {
        text = tr("Unmatched photos and rows taken out");
        tip = tr("\"Check pairing\" can put them back while the block stays unchanged");
    }
    // The block's style sheet would override a palette; a new sheet repolishes the label.
    const QString sheet = QStringLiteral("color: %1;").arg(colour.name());
    if (label->styleSheet() != sheet)
        label->setStyleSheet(sheet);
    label->setText(text);
    label->setToolTip(tip);
    label->setVisible(!text.isEmpty());
}

void Fly::onCheckPairing()
{
    m_data->checkPairing();
    PairingDialog dialog(m_data, this);
    UserPrompts::instance().exec(dialog);
}

void Fly::setBlockNumber(int number)
{
    m_data->setNumber(number);
    m_ui->lbl_block->setText(tr("Block #%1").arg(number));
    if (m_graph)
        m_graph->setBlockNumber(number);
}

void Fly::setBlockChecked(bool checked)
{
    m_ui->btn_trySplit->setEnabled(checked);
    // Every pre-check comes here; a new sheet repolishes the whole block.
    const QString sheet =
        frameStyle(checked ? QStringLiteral("#03a158") : QStringLiteral("#df031d"));
    if (m_ui->FlyView->styleSheet() != sheet)
        m_ui->FlyView->setStyleSheet(sheet);
}

void Fly::setMetaColumns(int colDate, int colSX, int colSY, int colSZ)
{
    BlockColumns columns{colDate, colSX, colSY, colSZ};
    if (m_timemarkDialog) {
        const OpentTimeMarkTableModel *table = m_timemarkDialog->tableModel();
        columns =
            BlockColumns{table->colDate(), table->colAccN(), table->colAccE(), table->colAccZ()};
    }
    showColumns(columns);
    m_data->setColumns(columns);
}

void Fly::showColumns(const BlockColumns &columns)
{
    // By field, not by position: the operator may have put the columns in another order.
    const bool absent[CustomTableModel::ColumnCount] = {
        columns.date == 0, false,           false, false, columns.sdN == 0,
        columns.sdE == 0,  columns.sdH == 0};
    const CustomTableModel *model = m_data->timemarks();
    for (int c = 0; c < CustomTableModel::ColumnCount; ++c) {
        const int field = model->fieldOfColumn(c);
        m_ui->tableMeta->setColumnHidden(c, field >= 0 && field < CustomTableModel::ColumnCount &&
                                                absent[field]);
    }
}

void Fly::reloadTimemarks()
{
    // Read again from what the block took, not from the dialog's table: the dialog may have
    // shown another file since, in an import that was cancelled.
    LineConversionReport report;
    QString file;
    // Also without a dialog: the demo and blocks filled without one keep their imports too.
    switch (m_data->reloadTimemarks(&report, &file)) {
    case FlyData::Reload::Done:
        showColumns(m_data->columns());
        break;
    case FlyData::Reload::NoImport:
        notify(tr("Failed to update data"));
        break;
    case FlyData::Reload::Edited:
        notify(tr("Failed to update data: timemarks were removed or edited in the block since "
                  "they were read, so they are kept as they are"));
        break;
    case FlyData::Reload::Refused:
        UserPrompts::instance().warning(
            this, tr("Warning"),
            tr("The timemarks of %1 were not read again in the new coordinate system; the "
               "block keeps them as they were read.")
                    .arg(QFileInfo(file).fileName()) +
                QStringLiteral("\n\n") + report.warningText());
        break;
    }
}

void Fly::on_btn_openMeta_clicked()
{
    openTimemarks();
}

void Fly::openTimemarks(const QString &path)
{
    if (!m_timemarkDialog)
        m_timemarkDialog = new OpenTimeMarkDialog(m_data->geoCalc(), this);
    m_timemarkDialog->setCoordinateLocked(m_data->multipleBlocks());
    if (!path.isEmpty())
        m_timemarkDialog->chooseFile(path);
    if (m_timemarkDialog->exec() != QDialog::Accepted) {
        // A metric/degree change made in a cancelled dialog does not last.
        Keys::CoordinateType.write(m_settings, m_timemarkDialog->acceptedCoordinateType());
        m_settings.sync();
        return;
    }
    m_timemarkDialog->setAcceptedCoordinateType(Keys::CoordinateType.read(m_settings));
    takeImport(m_timemarkDialog);
}

void Fly::takeImport(OpenTimeMarkDialog *dialog)
{
    bool replace = false;
    int storedChoice = 0;
    switch (m_data->onAddChoice()) {
    case FlyData::OnAdd::Append:
        break;
    case FlyData::OnAdd::Replace:
        replace = true;
        break;
    case FlyData::OnAdd::Ask: {
        DialogOnAdd ask(this);
        if (ask.exec() != QDialog::Accepted) {
            // Nothing is added, yet the block shows the columns of the file just chosen.
            setMetaColumns(0, 0, 0, 0);
            m_data->refreshTimemarks();
            return;
        }
        replace = ask.choice() == DialogOnAdd::Replace;
        if (ask.storesChoice())
            storedChoice = ask.onAddValue();
        break;
    }
    }
    LineConversionReport report;
    if (!m_data->importTimemarks(*dialog->tableModel(), replace, dialog->loadedFileName(),
                                 dialog->separatorPattern(), &report)) {
        UserPrompts::instance().warning(this, tr("Warning"),
                                        tr("The timemarks were not added.") +
                                            QStringLiteral("\n\n") + report.warningText());
        return;
    }
    if (storedChoice != 0) {
        Keys::MetaOnAdd.write(m_settings, storedChoice);
        m_settings.sync();
    }
    setMetaColumns(0, 0, 0, 0);
}

void Fly::applySettings()
{
    // Reloading the column order resets the timemark table, which drops the selection; the
    // rows stay where they were, so it comes back.
    const QList<int> selected = m_selection;
    m_data->timemarks()->labelModel()->loadFromSettings();
    showColumns(m_data->columns());
    m_data->preview()->resetData();
    for (TableView *table : {tableMeta(), tablePreview()}) {
        for (int c = 0; c < table->model()->columnCount(); ++c) {
            if (auto *delegate =
                    qobject_cast<TableValuesDelegate *>(table->itemDelegateForColumn(c)))
                delegate->reloadSettings();
        }
    }
    m_selection = selected;
    selectInTables(selected, true);
    emit onSelected(m_selection);
    autoResizeTable();
}

bool Fly::fillFromSplit(const QList<Line> &rows, const QStringList &photos, const QList<Adj> &adjs,
                        const QList<QDateTime> &dates, const BlockColumns &columns,
                        const QString &delimiter, const QList<CaptureTime> &captures)
{
    if (!m_data->fillFromSplit(rows, photos, adjs, dates, columns, delimiter, captures))
        return false;
    setMetaColumns(columns.date, columns.sdN, columns.sdE, columns.sdH);
    autoResizeTable();
    return true;
}

void Fly::notify(const QString &text)
{
    qCDebug(lcInfo).noquote() << QStringLiteral("Block %1: %2").arg(number()).arg(text);
    if (m_notifier)
        m_notifier->notify(text);
}

LogWindow *Fly::errorWindow()
{
    if (m_errorWindow)
        return m_errorWindow;
    if (!m_ownErrorWindow) {
        m_ownErrorWindow = new LogWindow(this);
        m_ownErrorWindow->setWindowFlag(Qt::Window);
    }
    return m_ownErrorWindow;
}

void Fly::on_btn_addPhotos_clicked()
{
    m_photoDialog->setDirectory(SettingsStore::lastDir(m_settings));
    const QStringList files = UserPrompts::instance().runFileDialog(*m_photoDialog);
    if (files.isEmpty())
        return;
    const QString folder = QFileInfo(files.first()).absolutePath();
    Keys::LastDir.write(m_settings, folder);
    if (Keys::OutputAutoOutAsInp.read(m_settings))
        Keys::OutputDir.write(m_settings, folder);
    m_settings.sync();
    addPhotoEntries(files);
}

void Fly::addPhotoEntries(const QStringList &entries)
{
    if (entries.isEmpty())
        return;
    m_ui->progressBar->setValue(0);
    m_ui->progressBar->show();
    setEnabled(false);
    if (!m_data->addPhotos(entries)) {
        // A batch is still being read; its end enables the block again.
        qCDebug(lcWarning) << "Photos not added: the block is still reading photos";
    }
}

void Fly::photosModelAdded()
{
    m_ui->progressBar->hide();
    setEnabled(true);
    autoResizeTable();
    selectInTables(m_selection, true);
}

void Fly::on_noPhotosAdded()
{
    // The error list names what else kept a batch out; this warning tells only this reason.
    const PhotoModel *photos = m_data->photos();
    if (photos->noTagEntries().isEmpty() ||
        photos->noTagEntries().size() != photos->refusedEntries().size())
        return;
    UserPrompts::instance().warning(this, tr("Warning"),
                                    tr("All files haven't been added because they don't contain "
                                       "Xmp tags.drone-dj.Flight***Degree"));
}

void Fly::on_noFilesAdded(const QStringList &files)
{
    LogWindow *window = errorWindow();
    window->setNoTagPhotos(files);
    window->setModal(true);
    window->show();
}

void Fly::onPhotosRefused(const QStringList &entries, const QStringList &reasons)
{
    LogWindow *window = errorWindow();
    window->setRefusedPhotos(entries, reasons);
    window->setModal(true);
    window->show();
}

void Fly::on_btn_clearPhotos_clicked()
{
    m_data->clearPhotos();
}

void Fly::onBtnClearMarks_clicked()
{
    m_data->clearTimemarks();
}

void Fly::on_btn_closeFly_clicked()
{
    emit closing();
}

void Fly::on_btn_trySplit_clicked()
{
    m_data->split();
}

void Fly::onDeletePhotosItems()
{
    m_data->removePhotos(m_ui->tablePhotos->selectedRows());
}

void Fly::onDeleteMetaItems()
{
    m_data->removeTimemarks(m_ui->tableMeta->selectedRows());
}

void Fly::onDeletePhotosMetaItems()
{
    if (!m_data->pairEditingAllowed())
        return;
    QList<int> rows = m_ui->tablePhotos->selectedRows();
    if (rows.isEmpty())
        rows = m_ui->tableMeta->selectedRows();
    m_data->removePairs(rows);
}

void Fly::onViewPhotosItems()
{
    const QModelIndex current = m_ui->tablePhotos->currentIndex();
    if (current.isValid())
        emit toViewPhoto(m_data->photos()->entry(current.row()));
}

void Fly::showMenu(QMenu *menu, TableView *table, const QPoint &pos)
{
    if (table->model()->rowCount() == 0 || !table->currentIndex().isValid())
        return;
    const bool equal = m_data->photos()->rowCount() == m_data->timemarks()->rowCount();
    m_addQuarantine->setEnabled(equal);
    m_removeQuarantine->setEnabled(equal);
    m_removePhotos->setEnabled(!m_data->photos()->isQuarantined());
    m_removeMeta->setEnabled(!m_data->timemarks()->isQuarantined());
    m_removePairs->setEnabled(m_data->pairEditingAllowed());
    m_checkPairing->setEnabled(m_data->photos()->rowCount() > 0 &&
                               m_data->timemarks()->rowCount() > 0);
    for (int i = 0; i < m_filterActions.size(); ++i)
        m_filterActions.at(i)->setChecked(m_data->isFilterEnabled(FlyData::Filter(i)));
    UserPrompts::instance().execMenu(*menu, table->viewport()->mapToGlobal(pos));
}

void Fly::on_tablePhotos_customContextMenuRequested(const QPoint &pos)
{
    showMenu(m_photoMenu, m_ui->tablePhotos, pos);
}

void Fly::on_tableMeta_customContextMenuRequested(const QPoint &pos)
{
    showMenu(m_metaMenu, m_ui->tableMeta, pos);
}

void Fly::selectInTables(const QList<int> &rows, bool clear)
{
    for (TableView *table : {tablePhotos(), tableMeta(), tablePreview()})
        table->selectRows(rows, clear);
}

void Fly::clearTableSelections()
{
    selectInTables(QList<int>(), true);
}

void Fly::resetSelection()
{
    clearTableSelections();
    m_selection.clear();
    emit onSelected(m_selection);
}

void Fly::dropSelection()
{
    // Called once per row of a long removal: cheap once nothing is selected any more.
    bool tablesSelect = false;
    for (TableView *table : {tablePhotos(), tableMeta(), tablePreview()})
        tablesSelect = tablesSelect || table->selectionModel()->hasSelection();
    if (tablesSelect)
        clearTableSelections();
    if (m_selection.isEmpty())
        return;
    m_selection.clear();
    emit onSelected(m_selection);
}

void Fly::selectionRows(const QList<int> &rows)
{
    if (rows == m_selection)
        return;
    m_selection = rows;
    emit onSelected(m_selection);
}

void Fly::selectRows(const QList<int> &rows)
{
    if (rows == m_selection)
        return;
    m_selection = rows;
    selectInTables(rows, true);
    scrollToRow(rows);
    emit onSelected(m_selection);
}

void Fly::scrollToRow(const QList<int> &rows)
{
    // A point picked on the map may be thousands of rows down; the operator wants to see its
    // row without searching for it.
    if (rows.isEmpty())
        return;
    TableView *table = m_ui->tableMeta;
    const int row = *std::min_element(rows.cbegin(), rows.cend());
    if (row >= table->model()->rowCount() || table->model()->columnCount() == 0)
        return;
    const int top = table->rowViewportPosition(row);
    if (top >= 0 && top + table->rowHeight(row) <= table->viewport()->height())
        return;
    // At the top rather than just in view, so the rows picked after it show below it; only up
    // and down, the columns the operator scrolled to stay where they are.
    const int across = table->horizontalScrollBar()->value();
    table->scrollTo(table->model()->index(row, 0), QAbstractItemView::PositionAtTop);
    table->horizontalScrollBar()->setValue(across);
}

void Fly::on_btn_flyView_clicked()
{
    if (!m_graph)
        createGraph();
    else
        m_graph->fullUpdateGrah();
    m_graph->show();
    if (m_graph->isMinimized())
        m_graph->setWindowState(m_graph->windowState() & ~Qt::WindowMinimized);
    m_graph->raise();
    m_graph->activateWindow();
}

void Fly::createGraph()
{
    // A child window of the block: it goes with the block, and it is disabled with the block
    // while a run reads the block's lists, so no quarantine can change under the run.
    m_graph = new FlyGraph(number(), this);
    m_graph->setModel(m_data->timemarks());
    connect(this, &Fly::onSelected, m_graph, &FlyGraph::setSelected);
    connect(m_graph, &FlyGraph::acceptFilter, this, &Fly::activateFiltres);
    connect(m_graph, &FlyGraph::cancelFilter, this, &Fly::deactivateFiltres);
    connect(m_graph, &FlyGraph::intoQuarantine, this, &Fly::onAddQuarantine);
    connect(m_graph, &FlyGraph::fromQuarantine, this, &Fly::onRemoveQuarantine);
    connect(m_graph, &FlyGraph::clearQuarantine, this, &Fly::onClearQuarantine);
    connect(m_graph, &FlyGraph::toSelectAll, this, &Fly::onSelectAllItems);
    connect(m_graph, &FlyGraph::toDeselectAll, this, &Fly::onDeselectAllItems);
    connect(m_graph, &FlyGraph::swichEnabledFilter, this, &Fly::swichEnabledFilter);
    connect(m_graph, &FlyGraph::toSelectDesel, this, &Fly::onGraphSelectDeselect);
    connect(m_graph, &FlyGraph::toSelect, this, &Fly::selectRows);
    if (!m_selection.isEmpty())
        m_graph->setSelected(m_selection);
}

void Fly::onGraphSelectDeselect(int index, double North, double East)
{
    Q_UNUSED(North)
    Q_UNUSED(East)
    if (index < 0)
        return;
    if (m_selection.contains(index))
        m_selection.removeAll(index);
    else
        m_selection.append(index);
    selectInTables(m_selection, true);
}

void Fly::onSelectAllItems()
{
    m_ui->tablePhotos->selectAll();
    m_ui->tableMeta->selectAll();
}

void Fly::onDeselectAllItems()
{
    m_ui->tablePhotos->clearSelection();
    m_ui->tableMeta->clearSelection();
}

void Fly::onInvertSelection()
{
    if (m_data->timemarks()->rowCount() > m_data->photos()->rowCount())
        m_ui->tableMeta->invertSelection();
    else
        m_ui->tablePhotos->invertSelection();
}

void Fly::onAddQuarantine()
{
    if (m_data->addQuarantine(m_ui->tableMeta->selectedRows()))
        quarantineChanged();
}

void Fly::onRemoveQuarantine()
{
    if (m_data->removeQuarantine(m_ui->tableMeta->selectedRows()))
        quarantineChanged();
}

void Fly::quarantineChanged()
{
    resetSelection();
    m_quarantine = m_data->quarantinedRows();
    emit onQurantined(m_quarantine);
}

void Fly::onClearQuarantine()
{
    if (!m_data->clearQuarantine())
        return;
    m_quarantine.clear();
    emit onQurantined(m_quarantine);
}

void Fly::swichEnabledFilter(int index, bool on)
{
    if (index >= 0 && index < 3)
        m_data->setFilterEnabled(FlyData::Filter(index), on);
}

void Fly::filterMetaSelected()
{
    const auto *a = qobject_cast<QAction *>(sender());
    if (!a)
        return;
    const auto filter = FlyData::Filter(a->data().toInt() - 1);
    m_data->setFilterEnabled(filter, !m_data->isFilterEnabled(filter));
    activateFiltres();
}

void Fly::activateFiltres()
{
    // A pass selects what it finds, not that on top of an older selection: the map would
    // show rows the tables no longer do, and a quarantine would take only the tables' rows.
    m_foundRows.clear();
    resetSelection();
    if (m_data->runFilters())
        setFiltering(true);
}

void Fly::deactivateFiltres()
{
    for (int i = 0; i < 3; ++i)
        m_data->setFilterEnabled(FlyData::Filter(i), false);
    resetSelection();
}

bool Fly::isFiltering() const
{
    return m_data->isFiltering();
}

void Fly::setFiltering(bool on)
{
    // The frame holds the three tables: disabling it disables them too.
    m_ui->FlyView->setEnabled(!on);
    // One bar per pass that runs: a bar standing still at 0 would look like a pass that hangs.
    const bool photoPass = m_data->isFilterEnabled(FlyData::ByGimbalPitch) ||
                           m_data->isFilterEnabled(FlyData::ByExposureTime);
    const bool distancePass = m_data->isFilterEnabled(FlyData::ByDistance);
    // Reset while still hidden: a visible progress bar repaints the whole window at once.
    if (on) {
        m_ui->progressBar->setValue(0);
        m_ui->progressBar_2->setValue(0);
    }
    m_ui->progressBar->setVisible(on && photoPass);
    m_ui->progressBar_2->setVisible(on && distancePass);
}

void Fly::onFiltresEnded(const QList<int> &rows)
{
    // The tables are disabled while a pass runs, so rows found meanwhile wait for its end:
    // the window then repaints a long flight's tables once instead of once per result.
    m_foundRows += rows;
    if (m_data->isFiltering())
        return;
    setFiltering(false);
    const QList<int> found = std::exchange(m_foundRows, QList<int>());
    if (found.isEmpty())
        return;
    // The rows join those selected since the pass began (on the map, or after a cancel),
    // selected anew as one sorted whole: a selection model holding two fragmented parts
    // merges them on every repaint.
    QList<int> all = m_selection + found;
    std::sort(all.begin(), all.end());
    all.erase(std::unique(all.begin(), all.end()), all.end());
    selectInTables(all, true);
    m_selection = all;
    emit onSelected(m_selection);
}

void Fly::autoResizeTable()
{
    m_resizeTimer.stop();
    // The photo table's one column is stretched to the table's width.
    for (TableView *table : {tableMeta(), tablePreview()})
        ColumnFit::fit(table);
    fitSplitter();
}

void Fly::fitSplitter()
{
    if (!m_autoSplit)
        return;
    QSplitter *splitter = m_ui->splitter;
    const bool preview = !m_ui->tablePreview->isHidden();
    const int total = splitter->width() - splitter->handleWidth() * (preview ? 2 : 1);
    int meta = ColumnFit::contentWidth(m_ui->tableMeta);
    int shown = preview ? ColumnFit::contentWidth(m_ui->tablePreview) : 0;
    // The paths keep a sixth of the width; the numbers give up room to them, in proportion.
    const int photos = qMax(total / 6, total - meta - shown);
    if (meta + shown > total - photos) {
        const double scale = double(total - photos) / (meta + shown);
        meta = int(meta * scale);
        shown = total - photos - meta;
    }
    splitter->setSizes({photos, meta, preview ? shown : 0});
}

void Fly::updateFly() {}

void Fly::on_btn_3dflyview_clicked() {}

void Fly::on_chkb_preview_clicked()
{
    const bool on = m_ui->chkb_preview->isChecked();
    Keys::FlyOutputPreview.write(m_settings, on);
    m_settings.sync();
    m_ui->tablePreview->setVisible(on);
    autoResizeTable();
}

QStringList Fly::photoUrls(const QMimeData *mime)
{
    QStringList entries;
    if (!mime || !mime->hasUrls())
        return entries;
    for (const QUrl &url : mime->urls()) {
        // Cameras write ".JPG": the suffix is matched in any letter case.
        const QString text = url.toString();
        const QString lower = text.toLower();
        if (lower.contains(QLatin1String(".jpg")) || lower.contains(QLatin1String(".jpeg")) ||
            lower.contains(QLatin1String(".png")))
            entries.append(text);
    }
    return entries;
}

QString Fly::timemarkFileOf(const QMimeData *mime)
{
    if (!mime || !mime->hasUrls() || mime->urls().size() != 1)
        return QString();
    const QUrl url = mime->urls().first();
    if (!url.isLocalFile())
        return QString();
    const QString path = url.toLocalFile();
    if (OpenTimeMarkDialog::timemarkSuffixes().contains(QFileInfo(path).suffix().toLower()))
        return path;
    return QString();
}

void Fly::dragEnterEvent(QDragEnterEvent *event)
{
    if (!photoUrls(event->mimeData()).isEmpty() || !timemarkFileOf(event->mimeData()).isEmpty())
        event->acceptProposedAction();
}

void Fly::dropEvent(QDropEvent *event)
{
    const QString timemarks = timemarkFileOf(event->mimeData());
    if (!timemarks.isEmpty()) {
        event->acceptProposedAction();
        // The drag's source waits until the drop returns: the dialog runs after it.
        QTimer::singleShot(0, this, [this, timemarks] { openTimemarks(timemarks); });
        return;
    }
    const QStringList entries = photoUrls(event->mimeData());
    if (entries.isEmpty())
        return;
    event->acceptProposedAction();
    addPhotoEntries(entries);
}

void Fly::restoreGeometries()
{
    const QList<QPair<QWidget *, QString>> tables{
        {m_ui->tablePhotos, Keys::FlyTablePhotosGeometry},
        {m_ui->tableMeta, Keys::FlyTableMetaGeometry},
        {m_ui->tablePreview, Keys::FlyTablePreviewGeometry}};
    for (const auto &t : tables)
        t.first->setGeometry(m_settings.value(t.second, t.first->geometry()).toRect());
    // A wider window widens the paths; the numbers have their width already.
    m_ui->splitter->setStretchFactor(0, 1);
    m_ui->splitter->setStretchFactor(1, 0);
    m_ui->splitter->setStretchFactor(2, 0);
    m_ui->splitter->setSizes({400, 600, 300});
    const QByteArray splitter = m_settings.value(Keys::FlySplitter).toByteArray();
    if (!splitter.isEmpty())
        m_autoSplit = !m_ui->splitter->restoreState(splitter);
    connect(m_ui->splitter, &QSplitter::splitterMoved, this, [this] { m_autoSplit = false; });
}

void Fly::storeGeometries()
{
    m_settings.setValue(Keys::FlyTablePhotosGeometry, m_ui->tablePhotos->geometry());
    m_settings.setValue(Keys::FlyTableMetaGeometry, m_ui->tableMeta->geometry());
    m_settings.setValue(Keys::FlyTablePreviewGeometry, m_ui->tablePreview->geometry());
    m_settings.setValue(Keys::FlySplitter, m_ui->splitter->saveState());
}
