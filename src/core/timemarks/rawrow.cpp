#include "timemarks/rawrow.h"

RawRow::RawRow(const QVector<QString> &cells)
{
    int characters = 0;
    for (const QString &cell : cells)
        characters += cell.size();
    reserve(cells.size(), characters);
    for (const QString &cell : cells)
        append(cell);
}

QStringView RawRow::cellView(int column) const
{
    if (column < 0 || column >= size())
        return QStringView();
    const int from = begin(column);
    return QStringView(m_text).mid(from, m_ends[size_t(column)] - from);
}

QVector<QString> RawRow::cells() const
{
    QVector<QString> list;
    list.reserve(size());
    for (int c = 0; c < size(); ++c)
        list.append(cell(c));
    return list;
}

void RawRow::reserve(int cells, int characters)
{
    m_text.reserve(characters);
    m_ends.reserve(size_t(cells));
}

void RawRow::append(QStringView text)
{
    m_text.append(text.data(), int(text.size()));
    m_ends.push_back(m_text.size());
}

void RawRow::setCell(int column, const QString &text)
{
    if (column < 0 || column >= size())
        return;
    QVector<QString> list = cells();
    list[column] = text;
    const int line = m_line;
    *this = RawRow(list);
    m_line = line;
}

void RawRow::joinCells(int start, int end)
{
    if (start < 0 || start >= size() || end < start)
        return;
    const int last = qMin(end, size() - 1);
    QVector<QString> list = cells();
    QString joined;
    for (int c = start; c <= last; ++c)
        joined += list.at(c) + QLatin1Char(' ');
    list[start] = joined;
    list.remove(start + 1, last - start);
    const int line = m_line;
    *this = RawRow(list);
    m_line = line;
}
