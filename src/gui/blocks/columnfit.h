#pragma once

class QTableView;

/**
 * Fits a table's columns to their header and to a sample of their cells: the first rows, the
 * rows in view and the last row. Asking every row would take seconds on a flight of thousands
 * of photos, and the rows of one table are alike in width.
 */
class ColumnFit
{
public:
    static constexpr int SampleRows = 64;
    static void fit(QTableView *view);
    /// The width the table needs to show every visible column without scrolling sideways,
    /// with room for its vertical scroll bar.
    static int contentWidth(const QTableView *view);
};
