#pragma once

#include <QList>
#include <QTableView>

/**
 * The table of a block (photos, timemarks, preview) and of the timemark import dialog.
 *
 * Reports the rows the operator selected only when a selection gesture is complete (left
 * button released on a cell or a header, a key handled, select all, clear, invert), and only when
 * they differ from the rows it reported or was given last; the three tables of a block keep
 * each other in step through these reports. Takes drops of the import dialog's column-role
 * labels and turns them into one setting…(column + 1) signal.
 */
class TableView : public QTableView
{
    Q_OBJECT
public:
    explicit TableView(QWidget *parent = nullptr);

    void setModel(QAbstractItemModel *model) override;

    /// Distinct rows of the selected cells, in the order they were selected.
    QList<int> selectedRows() const;
    /// Distinct columns of the selected cells, in the order they were selected.
    QList<int> selectedColumns() const;
    /// The rows last reported or handed to selectRows().
    QList<int> reportedRows() const { return m_reportedRows; }

public slots:
    /// Selects exactly @p rows as whole rows (added to the selection unless @p clear) and
    /// remembers them; nothing is emitted, the caller knows the rows already.
    void selectRows(const QList<int> &rows, bool clear = true);
    /// Selects every row not selected now and reports the new rows.
    void invertSelection();
    void selectAll() override;
    /// Clears the selection and reports the now empty list.
    void clearSelection();

signals:
    void selectedRowsChanged(QList<int> rows);
    void deletingRows(QList<int> rows);
    void settingColDate(int column);
    void settingColX(int column);
    void settingColY(int column);
    void settingColZ(int column);
    void settingColXS(int column);
    void settingColYS(int column);
    void settingColZS(int column);

protected:
    void mouseReleaseEvent(QMouseEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void dragEnterEvent(QDragEnterEvent *event) override;
    void dragMoveEvent(QDragMoveEvent *event) override;
    void dropEvent(QDropEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void reportSelection();
    /// Empties the selection without reporting it.
    void clearSelectionQuietly();
    void forgetReported() { m_reportedKnown = false; }
    /// Distinct rows (or columns) of the selection ranges, in range order.
    QList<int> selectedLines(Qt::Orientation orientation) const;

    QList<int> m_reportedRows;
    /// False after the model changed under the remembered rows: the next check reports.
    bool m_reportedKnown = true;
};
