#pragma once

#include <QString>
#include <QStringView>
#include <QVector>

#include <vector>

/**
 * One row of the raw timemark table, kept compactly: the cell texts back to back in one
 * string and the end of each cell. A large file's table then costs about its own text
 * rather than one heap string per cell.
 */
class RawRow
{
public:
    RawRow() = default;
    explicit RawRow(const QVector<QString> &cells);

    int size() const { return int(m_ends.size()); }
    /// Number (from 1) of the file line the row was read from; 0 when it came from elsewhere.
    int lineNumber() const { return m_line; }
    void setLineNumber(int line) { m_line = line; }
    /// The text of cell @p column (0-based); empty past the end. Valid while the row lives.
    QStringView cellView(int column) const;
    QString cell(int column) const { return cellView(column).toString(); }
    QVector<QString> cells() const;

    /// Reserves room for @p cells cells holding @p characters characters together.
    void reserve(int cells, int characters);
    void append(QStringView text);
    void setCell(int column, const QString &text);
    /// Replaces cells @p start ... @p end (start <= end) by one cell made of their texts,
    /// each followed by one blank; cells beyond the row are ignored.
    void joinCells(int start, int end);

private:
    int begin(int column) const { return column == 0 ? 0 : m_ends[size_t(column) - 1]; }

    QString m_text;
    std::vector<int> m_ends;
    int m_line = 0;
};
