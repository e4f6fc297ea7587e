#include "blocks/tableview.h"

#include "app/sharedconstants.h"

#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHash>
#include <QHeaderView>
#include <QItemSelection>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QTimer>

#include <vector>

namespace {

// What the import dialog's role labels carry under this format: their object name, Latin-1.
const QString ColumnMimeFormat = QStringLiteral("column");

} // namespace

TableView::TableView(QWidget *parent) : QTableView(parent)
{
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    setAcceptDrops(true);
    viewport()->setAcceptDrops(true);
    setDropIndicatorShown(false);
    // While a run or a filter pass holds the tables, the usual light grey text would vanish
    // on the coloured cells; a dark grey stays readable on all of them.
    QPalette shades = palette();
    shades.setColor(QPalette::Disabled, QPalette::Text, QColor(0x4a, 0x4a, 0x4a));
    setPalette(shades);
    // A row picked by its number in the vertical header (or columns in the horizontal one)
    // ends on the header's own viewport; the tables must follow that gesture too.
    horizontalHeader()->viewport()->installEventFilter(this);
    verticalHeader()->viewport()->installEventFilter(this);
}

void TableView::setModel(QAbstractItemModel *newModel)
{
    if (model())
        disconnect(model(), nullptr, this, nullptr);
    QTableView::setModel(newModel);
    m_reportedRows.clear();
    m_reportedKnown = true;
    if (!newModel)
        return;
    // Row numbers shift under the remembered list: the next gesture reports whatever it leaves.
    connect(newModel, &QAbstractItemModel::modelReset, this, &TableView::forgetReported);
    connect(newModel, &QAbstractItemModel::rowsRemoved, this, &TableView::forgetReported);
    connect(newModel, &QAbstractItemModel::rowsMoved, this, &TableView::forgetReported);
    connect(newModel, &QAbstractItemModel::layoutChanged, this, &TableView::forgetReported);
}

QList<int> TableView::selectedRows() const
{
    return selectedLines(Qt::Vertical);
}

QList<int> TableView::selectedColumns() const
{
    return selectedLines(Qt::Horizontal);
}

QList<int> TableView::selectedLines(Qt::Orientation orientation) const
{
    QList<int> lines;
    if (!model() || !selectionModel())
        return lines;
    const bool rows = orientation == Qt::Vertical;
    const int count = rows ? model()->rowCount(rootIndex()) : model()->columnCount(rootIndex());
    // Walking the ranges instead of the selected cells keeps a selection of thousands of whole
    // rows at one step per row rather than one per cell.
    std::vector<bool> seen(static_cast<size_t>(qMax(count, 0)), false);
    const QItemSelection selection = selectionModel()->selection();
    for (const QItemSelectionRange &range : selection) {
        if (!range.isValid())
            continue;
        const int first = qMax(rows ? range.top() : range.left(), 0);
        const int last = qMin(rows ? range.bottom() : range.right(), count - 1);
        for (int line = first; line <= last; ++line) {
            if (!seen[static_cast<size_t>(line)]) {
                seen[static_cast<size_t>(line)] = true;
                lines.append(line);
            }
        }
    }
    return lines;
}

void TableView::selectRows(const QList<int> &rows, bool clear)
{
    m_reportedRows = rows;
    m_reportedKnown = true;
    if (!model() || !selectionModel())
        return;
    const int rowCount = model()->rowCount(rootIndex());
    const int lastColumn = model()->columnCount(rootIndex()) - 1;
    // One range per run of consecutive rows and a single select call: row by row, the
    // selection model merges and signals once per row, which stalls on thousands of rows.
    QItemSelection selection;
    int runStart = -1;
    int runEnd = -1;
    auto closeRun = [&]() {
        if (runStart >= 0 && lastColumn >= 0)
            selection.append(QItemSelectionRange(model()->index(runStart, 0, rootIndex()),
                                                 model()->index(runEnd, lastColumn, rootIndex())));
    };
    for (int row : rows) {
        if (row < 0 || row >= rowCount)
            continue;
        if (runStart >= 0 && row == runEnd + 1) {
            runEnd = row;
            continue;
        }
        closeRun();
        runStart = runEnd = row;
    }
    closeRun();
    if (clear)
        clearSelectionQuietly();
    selectionModel()->select(selection, QItemSelectionModel::Select);
}

void TableView::invertSelection()
{
    if (!model())
        return;
    const int rowCount = model()->rowCount(rootIndex());
    std::vector<bool> selected(static_cast<size_t>(qMax(rowCount, 0)), false);
    for (int row : selectedRows())
        selected[static_cast<size_t>(row)] = true;
    QList<int> inverted;
    for (int row = 0; row < rowCount; ++row) {
        if (!selected[static_cast<size_t>(row)])
            inverted.append(row);
    }
    selectRows(inverted, true);
    emit selectedRowsChanged(inverted);
}

void TableView::selectAll()
{
    // Only these modes select anything; the others keep their selection.
    if (selectionMode() == MultiSelection || selectionMode() == ExtendedSelection)
        clearSelectionQuietly();
    QTableView::selectAll();
    m_reportedRows = selectedRows();
    m_reportedKnown = true;
    emit selectedRowsChanged(m_reportedRows);
}

void TableView::clearSelection()
{
    QTableView::clearSelection();
    m_reportedRows = selectedRows();
    m_reportedKnown = true;
    emit selectedRowsChanged(m_reportedRows);
}

void TableView::clearSelectionQuietly()
{
    // Replacing one selection of many ranges by another makes the selection model compare every
    // old range with every new one (seconds for thousands of rows); against an empty selection
    // it compares nothing.
    if (selectionModel())
        selectionModel()->clearSelection();
}

void TableView::reportSelection()
{
    const QList<int> rows = selectedRows();
    if (m_reportedKnown && rows == m_reportedRows)
        return;
    m_reportedRows = rows;
    m_reportedKnown = true;
    emit selectedRowsChanged(rows);
}

void TableView::mouseReleaseEvent(QMouseEvent *event)
{
    QTableView::mouseReleaseEvent(event);
    if (event->button() == Qt::LeftButton)
        reportSelection();
}

void TableView::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Delete) {
        const QList<int> rows = selectedRows();
        if (!rows.isEmpty())
            emit deletingRows(rows);
        event->accept();
        return;
    }
    // Arrows, paging, Space and a typed first letter all may move the selection.
    QTableView::keyPressEvent(event);
    reportSelection();
}

void TableView::dragEnterEvent(QDragEnterEvent *event)
{
    if (event->mimeData()->hasText())
        event->acceptProposedAction();
    else
        event->ignore();
}

void TableView::dragMoveEvent(QDragMoveEvent *event)
{
    if (event->mimeData()->hasText() && columnAt(event->pos().x()) >= 0)
        event->acceptProposedAction();
    else
        event->ignore();
}

void TableView::dropEvent(QDropEvent *event)
{
    const int column = columnAt(event->pos().x());
    const QString label = QString::fromLatin1(event->mimeData()->data(ColumnMimeFormat));
    using Setter = void (TableView::*)(int);
    static const QHash<QString, Setter> setters = {
        {QStringLiteral("lbl_col_date"), &TableView::settingColDate},
        {QStringLiteral("lbl_col_x"), &TableView::settingColX},
        {QStringLiteral("lbl_col_y"), &TableView::settingColY},
        {QStringLiteral("lbl_col_z"), &TableView::settingColZ},
        {QStringLiteral("lbl_col_sx"), &TableView::settingColXS},
        {QStringLiteral("lbl_col_sy"), &TableView::settingColYS},
        {QStringLiteral("lbl_col_sz"), &TableView::settingColZS}};
    const Setter setter = setters.value(label, nullptr);
    if (column < 0 || !setter) {
        event->ignore();
        return;
    }
    if (event->source() == this) {
        event->setDropAction(Qt::MoveAction);
        event->accept();
    } else {
        event->acceptProposedAction();
    }
    emit(this->*setter)(column + 1);
}

bool TableView::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(event)->button() == Qt::LeftButton &&
        (watched == horizontalHeader()->viewport() || watched == verticalHeader()->viewport())) {
        // The header updates the selection after this filter has seen the release.
        QTimer::singleShot(0, this, &TableView::reportSelection);
    }
    return QTableView::eventFilter(watched, event);
}
