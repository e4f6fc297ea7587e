#include "blocks/columnfit.h"

#include <QHeaderView>
#include <QScrollBar>
#include <QSet>
#include <QTableView>

void ColumnFit::fit(QTableView *view)
{
    const QAbstractItemModel *model = view->model();
    if (!model)
        return;
    const int rows = model->rowCount(view->rootIndex());
    QSet<int> sample;
    for (int r = 0; r < qMin(rows, SampleRows); ++r)
        sample.insert(r);
    const int firstShown = view->rowAt(0);
    const int lastShown = view->rowAt(view->viewport()->height() - 1);
    if (firstShown >= 0) {
        const int end = lastShown >= 0 ? lastShown : qMin(rows - 1, firstShown + SampleRows);
        for (int r = firstShown; r <= end; ++r)
            sample.insert(r);
    }
    if (rows > 0)
        sample.insert(rows - 1);

    const int grid = view->showGrid() ? 1 : 0;
    for (int c = 0; c < model->columnCount(view->rootIndex()); ++c) {
        if (view->isColumnHidden(c))
            continue;
        int width = view->horizontalHeader()->sectionSizeHint(c);
        for (int r : qAsConst(sample))
            width =
                qMax(width,
                     view->sizeHintForIndex(model->index(r, c, view->rootIndex())).width() + grid);
        view->setColumnWidth(c, width);
    }
}

int ColumnFit::contentWidth(const QTableView *view)
{
    int width = view->horizontalHeader()->length() + 2 * view->frameWidth();
    if (view->verticalHeader()->isVisible())
        width += view->verticalHeader()->sizeHint().width();
    // Counted also while the rows fit: the bar comes with the next rows and must not push a
    // column out of view then.
    return width + view->verticalScrollBar()->sizeHint().width();
}
