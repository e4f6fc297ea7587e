#include "photos/viewphoto.h"

#include "app/sharedconstants.h"
#include "photos/photopicture.h"
#include "photos/phototagtable.h"
#include "ui_viewphoto.h"

#include <QCloseEvent>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QHeaderView>
#include <QPixmap>
#include <QScreen>
#include <QStandardItemModel>
#include <QTimer>

namespace {

constexpr int RescaleDelayMs = 100;
constexpr int TagColumnWidth = 185;
constexpr int ValueColumnWidth = 245;
// The cell's text margins on both sides and the grid line.
constexpr int CellMargin = 5;
// A date or a signed angle with its decimals still fits when a long tag name widens its column.
constexpr int MinValueColumnWidth = 160;

// No window grows past the largest screen, so a photo decoded to that size loses nothing.
QSize largestScreen()
{
    QSize largest;
    for (const QScreen *screen : QGuiApplication::screens()) {
        const QSize size = screen->size() * screen->devicePixelRatio();
        largest = largest.expandedTo(size);
    }
    return largest;
}

QStandardItem *readOnlyItem(const QString &text)
{
    auto *item = new QStandardItem(text);
    item->setEditable(false);
    return item;
}

} // namespace

ViewPhoto::ViewPhoto(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::ViewPhoto>()),
      m_tags(new QStandardItemModel(this)), m_rescaleTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    m_ui->progressBar->hide();
    m_ui->table_exif->setModel(m_tags);
    // Rows as high as their text: the table is a long list to be scanned.
    QHeaderView *rows = m_ui->table_exif->verticalHeader();
    rows->setSectionResizeMode(QHeaderView::Fixed);
    rows->setMinimumSectionSize(0);
    rows->setDefaultSectionSize(fontMetrics().height() + 4);

    m_rescaleTimer->setObjectName(QStringLiteral("rescaleTimer"));
    m_rescaleTimer->setInterval(RescaleDelayMs);
    m_rescaleTimer->setSingleShot(true);
    connect(m_rescaleTimer, &QTimer::timeout, this, &ViewPhoto::onTransferTimer);
}

ViewPhoto::~ViewPhoto()
{
    releasePicture();
}

void ViewPhoto::showPhoto(const QString &entry)
{
    setWindowTitle(tr("Preview - %1").arg(entry));
    m_photo = PhotoPicture::decode(entry, largestScreen());
    if (m_photo.isNull()) {
        releasePicture();
    } else {
        m_ui->lbl_image->setText(QString());
        scalePicture(Qt::SmoothTransformation);
    }
    fillTags(entry);
}

void ViewPhoto::fillTags(const QString &entry)
{
    m_tags->clear();
    m_tags->setHorizontalHeaderLabels({tr("Tag"), tr("Value")});
    const QList<PhotoTagRow> rows = PhotoTagTable::build(entry);
    const QFontMetrics metrics(m_ui->table_exif->font());
    int widestTag = 0;
    for (const PhotoTagRow &row : rows) {
        QStandardItem *value = nullptr;
        if (row.isSection) {
            value = readOnlyItem(row.value);
            QFont font = value->font();
            font.setWeight(QFont::Bold);
            value->setFont(font);
        } else {
            value = new QStandardItem(row.value);
            value->setToolTip(row.value.left(2000));
        }
        // Long tag names and values do not fit their columns; the tool tip shows them whole.
        QStandardItem *tag = readOnlyItem(row.tag);
        tag->setToolTip(row.tag);
        m_tags->appendRow({tag, value});
        widestTag = qMax(widestTag, metrics.horizontalAdvance(row.tag));
    }
    // The drone's tag names (drone-dji.GimbalPitchDegree) are what the operator looks for, so
    // their column takes from the values' what it needs, within the same total width.
    const int total = TagColumnWidth + ValueColumnWidth;
    const int tagWidth =
        qBound(TagColumnWidth, widestTag + 2 * CellMargin, total - MinValueColumnWidth);
    m_ui->table_exif->setColumnWidth(0, tagWidth);
    m_ui->table_exif->setColumnWidth(1, total - tagWidth);
}

void ViewPhoto::scalePicture(Qt::TransformationMode mode)
{
    if (m_photo.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize target = m_ui->lbl_image->size() * ratio;
    if (target.isEmpty())
        return;
    QPixmap pixmap = QPixmap::fromImage(m_photo.scaled(target, Qt::KeepAspectRatio, mode),
                                        Qt::NoFormatConversion);
    pixmap.setDevicePixelRatio(ratio);
    m_ui->lbl_image->setPixmap(pixmap);
    emit pictureScaled(mode == Qt::SmoothTransformation);
}

void ViewPhoto::onTransferTimer()
{
    m_rescaleTimer->stop();
    scalePicture(Qt::SmoothTransformation);
}

void ViewPhoto::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (m_photo.isNull())
        return;
    scalePicture(Qt::FastTransformation);
    m_rescaleTimer->start();
}

void ViewPhoto::closeEvent(QCloseEvent *event)
{
    releasePicture();
    QDialog::closeEvent(event);
}

void ViewPhoto::releasePicture()
{
    m_rescaleTimer->stop();
    m_photo = QImage();
    m_ui->lbl_image->setPixmap(QPixmap());
    m_ui->lbl_image->setText(tr("No image"));
}
