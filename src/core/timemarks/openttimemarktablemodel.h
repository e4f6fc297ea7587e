#pragma once

#include "blocks/line.h"
#include "timemarks/rawrow.h"

#include <QAbstractTableModel>
#include <QList>
#include <QSettings>
#include <QString>
#include <QVector>

#include <vector>

class GeoCalc;
struct LineConversionReport;

/**
 * The raw timemark table of the import dialog: one row of text cells per accepted file
 * line, the column roles the operator assigns (numbered from 1, 0 = none) and the first
 * data row (from 1). toLines() turns the rows from the first data row on into Line records.
 *
 * Rows keep their own cell count; the column count is that of the row appended last.
 * Rows are held compactly (RawRow); rowCells() gives a row as a list of texts.
 */
class OpentTimeMarkTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    explicit OpentTimeMarkTableModel(GeoCalc *geoCalc, QObject *parent = nullptr);
    ~OpentTimeMarkTableModel() override;

    /// A cell's text without the double quotes a spreadsheet export wraps it in ("" inside
    /// stands for one quote); other cells as they are.
    static QString unquoted(QStringView cell);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    Qt::DropActions supportedDragActions() const override;
    bool canDropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                         const QModelIndex &parent) const override;
    /// Role labels are dropped on the view, which handles them; the table itself never changes.
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    int colX() const { return m_colX; }
    int colY() const { return m_colY; }
    int colZ() const { return m_colZ; }
    int colAccE() const { return m_colAccE; }
    int colAccN() const { return m_colAccN; }
    int colAccZ() const { return m_colAccZ; }
    int colDate() const { return m_colDate; }
    int firstRow() const { return m_firstRow; }
    /// The cells of row @p row (empty past the end).
    QVector<QString> rowCells(int row) const;

    /**
     * Merges the cells @p start ... @p end (0-based) of every row into cell @p start, each
     * followed by one blank ("2020/05/17 10:22:33.000 "); the cells behind move left.
     */
    void joinCols(int start, int end);

    /**
     * Line records of the rows from the first data row on, in the coordinate system stored
     * now (degrees are converted to UTM when the converter is ready). Cells wrapped in double
     * quotes are read without them. When @p report is given it tells which rows are no usable
     * position; a file with any such row must not be taken (see LineConversionReport).
     */
    QList<Line> toLines(LineConversionReport *report = nullptr) const;

    /// Number (from 1) of the file line row @p row (from 0) was read from; 0 when not known.
    int lineNumber(int row) const;
    /// The table row (from 1) read from file line @p line, or from the first line after it
    /// that became a row; 0 when there is none.
    int rowOfLine(int line) const;
    /**
     * The table row (from 1) where the data begins, 0 when none does: in an RTKLIB solution
     * the first row after its "%" header, in any other file the first row whose X, Y and Z
     * cells are numbers.
     */
    int firstDataRow() const;

    /// Appends rows in their compact form (the loader's path).
    void appendRows(std::vector<RawRow> &&rows);

    /// Takes the rows, column roles and first row of @p other (a block keeps what it took
    /// from the import dialog, whose table moves on to other files).
    void copyFrom(const OpentTimeMarkTableModel &other);

public slots:
    void setColX(int column);
    void setColY(int column);
    void setColZ(int column);
    void setFirstRow(int row);
    void setAccE(int column);
    void setAccN(int column);
    void setAccZ(int column);
    void setColDate(int column);

    /// Takes ownership of @p row.
    void appendRow(QVector<QString> *row);
    /// Takes ownership of every row.
    void appendRows(const QList<QVector<QString> *> &rows);
    bool removeRow(int row);
    bool removeRows(QList<int> rows);
    void clearRows();

private:
    void setColumn(int *member, int value);
    void adoptColumnCount(int count);
    QString cellText(int row, int column) const;
    int roleColourIndex(int column) const;

    std::vector<RawRow> m_rows;
    int m_columnCount = 0;
    int m_colX = 0;
    int m_colY = 0;
    int m_colZ = 0;
    int m_colAccE = 0;
    int m_colAccN = 0;
    int m_colAccZ = 0;
    int m_colDate = 0;
    int m_firstRow = 1;
    const QStringList m_metricLabels;
    const QStringList m_degreeLabels;
    GeoCalc *m_geoCalc;
    QSettings m_settings;
};
