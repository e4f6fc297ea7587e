#include "blocks/pairingdialog.h"

#include "blocks/flydata.h"
#include "blocks/pairingtext.h"
#include "photos/photomodel.h"
#include "ui_pairingdialog.h"

#include <QFileInfo>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidgetItem>

namespace {

void setColour(QWidget *widget, const QColor &colour)
{
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QColor verdictColour(PairingResult::Verdict verdict)
{
    switch (verdict) {
    case PairingResult::Matched:
        return QColor(0x03, 0xa1, 0x58);
    case PairingResult::Unmatched:
        return QColor(0xdf, 0x03, 0x1d);
    case PairingResult::Ambiguous:
        return QColor(0xb3, 0x5f, 0x00);
    case PairingResult::NoDates:
        break;
    }
    return QColor(0x5a, 0x5a, 0x5a);
}

} // namespace

PairingDialog::PairingDialog(FlyData *fly, QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::PairingDialog>()), m_fly(fly),
      m_result(fly->lastPairing())
{
    m_ui->setupUi(this);
    setWindowTitle(tr("Check pairing - Block #%1").arg(fly->number()));
    connect(m_ui->btn_removeUnmatched, &QPushButton::clicked, this,
            &PairingDialog::removeUnmatched);
    connect(m_ui->btn_restore, &QPushButton::clicked, this, &PairingDialog::restore);
    connect(m_ui->btn_close, &QPushButton::clicked, this, &QDialog::accept);
    // A photo file deleted meanwhile changes the block under the dialog.
    connect(fly, &FlyData::changedPhotos, this, &PairingDialog::updateState);
    connect(fly, &FlyData::changedMeta, this, &PairingDialog::updateState);
    connect(fly, &FlyData::pairingChanged, this, &PairingDialog::updateState);
    showResult();
    updateState();
}

PairingDialog::~PairingDialog() = default;

void PairingDialog::showResult()
{
    const PairingResult &r = m_result;
    m_ui->lbl_verdict->setText(tr("Pairing by time: %1").arg(PairingText::verdictName(r.verdict)));
    setColour(m_ui->lbl_verdict, verdictColour(r.verdict));
    QStringList detail;
    switch (r.verdict) {
    case PairingResult::Matched:
        detail << PairingText::detail(r) + QLatin1Char('.');
        break;
    case PairingResult::Unmatched:
        //: %1 is "38 pairs by time", %2 "40 photos", %3 "39 timemark rows"
        detail << tr("%1 among %2 and %3.")
                      .arg(tr("%n pairs by time", nullptr, r.pairs),
                           tr("%n photos", "the pairs were found among them", r.photoCount),
                           tr("%n timemark rows", "the pairs were found among them", r.rowCount));
        break;
    case PairingResult::Ambiguous:
        detail << tr("The check cannot tell: %1.").arg(r.reason);
        break;
    case PairingResult::NoDates:
        detail << tr("The check cannot run: %1.").arg(r.reason);
        break;
    }
    if (r.isClear())
        detail << tr("Clock offset: %1.").arg(PairingText::clock(r));
    m_ui->lbl_detail->setText(detail.join(QLatin1Char('\n')));

    // Names are taken now: once the items are removed, the same indexes hold other photos.
    PhotoModel *photos = m_fly->photos();
    for (const PairingItem &item : r.photosWithoutRow) {
        const QString path = photos->entry(item.index);
        auto *row = new QTreeWidgetItem(m_ui->tree_photos, {QString::number(item.index + 1),
                                                            QFileInfo(path).fileName(), item.time});
        row->setToolTip(1, path);
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    for (const PairingItem &item : r.rowsWithoutPhoto) {
        auto *row =
            new QTreeWidgetItem(m_ui->tree_rows, {QString::number(item.index + 1), item.time});
        row->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    }
    m_ui->lbl_photosTitle->setText(
        tr("%n photos without a timemark row", nullptr, r.photosWithoutRow.size()));
    m_ui->lbl_rowsTitle->setText(
        tr("%n timemark rows without a photo", nullptr, r.rowsWithoutPhoto.size()));
    for (QTreeWidget *tree : {m_ui->tree_photos, m_ui->tree_rows}) {
        for (int c = 0; c < tree->columnCount(); ++c)
            tree->resizeColumnToContents(c);
    }
    m_ui->listsArea->setVisible(r.verdict == PairingResult::Unmatched);
}

void PairingDialog::fitHeight()
{
    // The size hints do not know how many lines a wrapped label takes at this width, and a
    // translation wraps to more lines than the English: ask the layout for this width.
    QLayout *box = layout();
    box->activate();
    const int needed =
        box->hasHeightForWidth() ? box->totalHeightForWidth(width()) : sizeHint().height();
    // Without lists the verdict and its reason are all there is: no empty space below them.
    if (!m_ui->listsArea->isVisibleTo(this) || height() < needed)
        resize(width(), needed);
}

void PairingDialog::updateState()
{
    const bool named = !m_result.photosWithoutRow.isEmpty() || !m_result.rowsWithoutPhoto.isEmpty();
    // The dialog is made right after the check, so the block's last check is the one shown.
    const bool current = m_fly->isPairingCurrent();
    const bool canRestore = m_fly->canRestoreUnmatched();
    m_ui->btn_removeUnmatched->setEnabled(current && m_result.isClear() && named);
    m_ui->btn_restore->setEnabled(canRestore);

    QString state;
    if (m_removedHere) {
        const int photos = m_result.photosWithoutRow.size();
        const int rows = m_result.rowsWithoutPhoto.size();
        const QString photoText = tr("%n photos", "taken out", photos);
        const QString rowText = tr("%n timemark rows", "taken out", rows);
        //: %1 is "1 photo", "2 timemark rows" or "1 photo and 2 timemark rows"
        state = tr("Taken out of the block's lists: %1; their files stay on disk.")
                    .arg(photos && rows ? tr("%1 and %2", "taken out").arg(photoText, rowText)
                                        : (photos ? photoText : rowText)) +
                QLatin1Char(' ') +
                (canRestore ? tr("\"Restore\" puts them back while the block stays unchanged.")
                            : tr("The block has changed since, so they can no longer be "
                                 "restored."));
    } else if (canRestore) {
        state = tr("Photos and rows taken out by \"Remove unmatched\" can still be put back with "
                   "\"Restore\".");
    } else if (!current) {
        state = tr("The block has changed since the check: check it again before you remove "
                   "anything.");
    } else if (m_result.verdict == PairingResult::Unmatched) {
        state = tr("\"Remove unmatched\" takes the photos and rows listed here out of the block's "
                   "lists; their files stay on disk.");
    }
    m_ui->lbl_state->setText(state);
    m_ui->lbl_state->setVisible(!state.isEmpty());
    fitHeight();
    // What is out of the lists is struck through, so the lists still say what was found.
    for (QTreeWidget *tree : {m_ui->tree_photos, m_ui->tree_rows}) {
        for (int i = 0; i < tree->topLevelItemCount(); ++i) {
            QTreeWidgetItem *item = tree->topLevelItem(i);
            for (int c = 0; c < tree->columnCount(); ++c) {
                QFont font = item->font(c);
                font.setStrikeOut(m_removedHere);
                item->setFont(c, font);
            }
        }
    }
}

void PairingDialog::removeUnmatched()
{
    m_removedHere = m_fly->removeUnmatched();
    updateState();
}

void PairingDialog::restore()
{
    if (m_fly->restoreUnmatched()) {
        m_removedHere = false;
        // Opened after an earlier removal, the dialog showed a check without the items that
        // are back now; the block holds the check that named them again.
        if (m_fly->lastPairing().rowOfPhoto != m_result.rowOfPhoto ||
            m_fly->lastPairing().verdict != m_result.verdict) {
            m_result = m_fly->lastPairing();
            m_ui->tree_photos->clear();
            m_ui->tree_rows->clear();
            showResult();
        }
    }
    updateState();
}
