#include "timemarks/openttimemarktablemodel.h"

#include "geo/geocalc.h"
#include "settings/settingsstore.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/marktime.h"
#include "timemarks/positionlimits.h"
#include "timemarks/timemarknumber.h"

#include <QColor>
#include <QFont>

#include <algorithm>
#include <cmath>

namespace {

// Roles in the order in which a column takes its colour.
enum ColourRole
{
    ColourX,
    ColourY,
    ColourZ,
    ColourAccE,
    ColourAccN,
    ColourAccZ,
    ColourDate
};

const QColor &roleColour(int role, bool oddRow)
{
    static const QColor odd[] = {QColor(0xf0, 0xe7, 0x7c), QColor(0x7e, 0xe9, 0xe5),
                                 QColor(0xff, 0x89, 0xa2), QColor(0x8d, 0xa3, 0xf0),
                                 QColor(0x8d, 0xf0, 0xa3), QColor(0xc8, 0xa0, 0xdb),
                                 QColor(0xa2, 0xa2, 0xa2), QColor(0xd7, 0xd7, 0xd7)};
    static const QColor even[] = {QColor(0xfe, 0xf4, 0x83), QColor(0x8a, 0xff, 0xfb),
                                  QColor(0xff, 0x97, 0xad), QColor(0x75, 0x87, 0xc7),
                                  QColor(0x97, 0xff, 0xad), QColor(0xa3, 0x82, 0xb3),
                                  QColor(0xb4, 0xb4, 0xb4), QColor(Qt::white)};
    return oddRow ? odd[role] : even[role];
}

// Spreadsheet exports wrap cells in double quotes ("6000000.0"); the value is inside them.
bool isQuoted(QStringView cell)
{
    const QStringView trimmed = cell.trimmed();
    return trimmed.size() >= 2 && trimmed.front() == QLatin1Char('"') &&
           trimmed.back() == QLatin1Char('"');
}

double readNumber(QStringView cell, bool degrees, bool *ok)
{
    if (isQuoted(cell))
        return TimemarkNumber::parse(OpentTimeMarkTableModel::unquoted(cell), ok, degrees);
    return TimemarkNumber::parse(cell, ok, degrees);
}

// Reads the cells of one row for toLines(), keeping the first cell that is not a number.
class CellReader
{
public:
    explicit CellReader(const RawRow &cells) : m_cells(cells) {}
    QString text(int column) const
    {
        return OpentTimeMarkTableModel::unquoted(m_cells.cellView(column - 1));
    }
    double number(int column, bool degrees = false)
    {
        if (column < 1)
            return 0.0;
        const QStringView cell = m_cells.cellView(column - 1);
        bool ok = false;
        const double value = readNumber(cell, degrees, &ok);
        if (!ok && m_badColumn == 0) {
            m_badColumn = column;
            m_badText = cell.toString();
        }
        return value;
    }
    int badColumn() const { return m_badColumn; }
    QString badText() const { return m_badText; }
    QString problem() const
    {
        if (m_badColumn == 0)
            return QString();
        if (m_badText.trimmed().isEmpty())
            return OpentTimeMarkTableModel::tr("column %1 is empty").arg(m_badColumn);
        return OpentTimeMarkTableModel::tr("column %1 holds \"%2\", which is not a number")
            .arg(m_badColumn)
            .arg(m_badText);
    }

private:
    const RawRow &m_cells;
    int m_badColumn = 0;
    QString m_badText;
};

// One row that is no position, for the report.
struct RowProblem
{
    int row = 0; // index in the table
    int column = 0;
    QString text;
    QString reason;
};

} // namespace

OpentTimeMarkTableModel::OpentTimeMarkTableModel(GeoCalc *geoCalc, QObject *parent)
    : QAbstractTableModel(parent), m_metricLabels{tr("Date"), tr("North"), tr("East"), tr("Z"),
                                                  tr("sdN"),  tr("sdE"),   tr("sdH")},
      m_degreeLabels{tr("Date"), tr("Lat (N)"), tr("Lon (E)"), tr("H"),
                     tr("sdN"),  tr("sdE"),     tr("sdH")},
      m_geoCalc(geoCalc)
{
}

OpentTimeMarkTableModel::~OpentTimeMarkTableModel() = default;

int OpentTimeMarkTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int OpentTimeMarkTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_columnCount;
}

QString OpentTimeMarkTableModel::cellText(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()))
        return QString();
    return m_rows[size_t(row)].cell(column);
}

int OpentTimeMarkTableModel::roleColourIndex(int column) const
{
    const int number = column + 1;
    const int roles[] = {m_colX, m_colY, m_colZ, m_colAccE, m_colAccN, m_colAccZ, m_colDate};
    for (int i = 0; i < 7; ++i) {
        if (roles[i] == number)
            return i;
    }
    return 7;
}

QVariant OpentTimeMarkTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return cellText(index.row(), index.column());
    case Qt::BackgroundRole:
        if (index.row() < m_firstRow - 1)
            return QColor(Qt::white);
        return roleColour(roleColourIndex(index.column()), index.row() % 2 == 1);
    default:
        return QVariant();
    }
}

bool OpentTimeMarkTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !value.isValid() || !index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    RawRow &cells = m_rows[size_t(index.row())];
    if (index.column() >= cells.size())
        return false;
    cells.setCell(index.column(), value.toString());
    emit dataChanged(index, index, {Qt::DisplayRole, Qt::EditRole});
    return true;
}

QVariant OpentTimeMarkTableModel::headerData(int section, Qt::Orientation orientation,
                                             int role) const
{
    if (orientation == Qt::Vertical) {
        const bool first = section == m_firstRow - 1;
        if (role == Qt::DisplayRole)
            return first ? QStringLiteral("\u27a4") : QString::number(section + 1);
        if (role == Qt::FontRole && first) {
            QFont font;
            font.setBold(true);
            return font;
        }
        return QVariant();
    }
    if (role != Qt::DisplayRole)
        return QVariant();
    const QStringList &labels =
        SettingsStore::isWgs84(m_settings) ? m_degreeLabels : m_metricLabels;
    const int number = section + 1;
    const int roles[] = {m_colDate, m_colX, m_colY, m_colZ, m_colAccN, m_colAccE, m_colAccZ};
    for (int i = 0; i < 7; ++i) {
        if (roles[i] == number)
            return labels.at(i);
    }
    return QString();
}

Qt::ItemFlags OpentTimeMarkTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable : base;
}

Qt::DropActions OpentTimeMarkTableModel::supportedDropActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

Qt::DropActions OpentTimeMarkTableModel::supportedDragActions() const
{
    return Qt::CopyAction | Qt::MoveAction;
}

bool OpentTimeMarkTableModel::canDropMimeData(const QMimeData *, Qt::DropAction, int, int,
                                              const QModelIndex &) const
{
    return true;
}

bool OpentTimeMarkTableModel::dropMimeData(const QMimeData *, Qt::DropAction, int, int,
                                           const QModelIndex &)
{
    return true;
}

QVector<QString> OpentTimeMarkTableModel::rowCells(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].cells() : QVector<QString>();
}

void OpentTimeMarkTableModel::setColumn(int *member, int value)
{
    beginResetModel();
    *member = value;
    endResetModel();
}

void OpentTimeMarkTableModel::setColX(int column)
{
    setColumn(&m_colX, column);
}
void OpentTimeMarkTableModel::setColY(int column)
{
    setColumn(&m_colY, column);
}
void OpentTimeMarkTableModel::setColZ(int column)
{
    setColumn(&m_colZ, column);
}
void OpentTimeMarkTableModel::setFirstRow(int row)
{
    setColumn(&m_firstRow, qMax(1, row));
}
void OpentTimeMarkTableModel::setAccE(int column)
{
    setColumn(&m_colAccE, qMax(0, column));
}
void OpentTimeMarkTableModel::setAccN(int column)
{
    setColumn(&m_colAccN, qMax(0, column));
}
void OpentTimeMarkTableModel::setAccZ(int column)
{
    setColumn(&m_colAccZ, qMax(0, column));
}
void OpentTimeMarkTableModel::setColDate(int column)
{
    setColumn(&m_colDate, qMax(0, column));
}

// Column changes are announced as such, so a view never holds more sections than the model.
void OpentTimeMarkTableModel::adoptColumnCount(int count)
{
    if (count > m_columnCount) {
        beginInsertColumns(QModelIndex(), m_columnCount, count - 1);
        m_columnCount = count;
        endInsertColumns();
    } else if (count < m_columnCount) {
        beginRemoveColumns(QModelIndex(), count, m_columnCount - 1);
        m_columnCount = count;
        endRemoveColumns();
    }
}

void OpentTimeMarkTableModel::appendRow(QVector<QString> *row)
{
    if (!row)
        return;
    std::vector<RawRow> rows;
    rows.emplace_back(*row);
    delete row;
    appendRows(std::move(rows));
}

void OpentTimeMarkTableModel::appendRows(const QList<QVector<QString> *> &rows)
{
    std::vector<RawRow> values;
    values.reserve(size_t(rows.size()));
    for (QVector<QString> *row : rows) {
        if (!row)
            continue;
        values.emplace_back(*row);
        delete row;
    }
    appendRows(std::move(values));
}

void OpentTimeMarkTableModel::appendRows(std::vector<RawRow> &&rows)
{
    if (rows.empty())
        return;
    adoptColumnCount(rows.back().size());
    const int first = int(m_rows.size());
    beginInsertRows(QModelIndex(), first, first + int(rows.size()) - 1);
    if (m_rows.empty()) {
        m_rows = std::move(rows);
    } else {
        std::move(rows.begin(), rows.end(), std::back_inserter(m_rows));
    }
    endInsertRows();
    rows.clear();
}

bool OpentTimeMarkTableModel::removeRow(int row)
{
    if (row >= 0 && row < int(m_rows.size())) {
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.erase(m_rows.begin() + row);
        endRemoveRows();
    }
    return true;
}

bool OpentTimeMarkTableModel::removeRows(QList<int> rows)
{
    // Each removal shifts the rows behind it, so walk the sorted list and count only the rows
    // really removed: a repeated or out-of-range entry must not move the aim.
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    const int count = int(m_rows.size());
    int removed = 0;
    for (const int row : qAsConst(rows)) {
        if (row < 0 || row >= count)
            continue;
        removeRow(row - removed);
        ++removed;
    }
    return true;
}

void OpentTimeMarkTableModel::clearRows()
{
    beginResetModel();
    m_rows.clear();
    m_rows.shrink_to_fit();
    endResetModel();
}

void OpentTimeMarkTableModel::joinCols(int start, int end)
{
    if (start > end)
        std::swap(start, end);
    start = qMax(0, start);
    beginResetModel();
    for (RawRow &cells : m_rows)
        cells.joinCells(start, end);
    if (!m_rows.empty())
        m_columnCount = m_rows.back().size();
    endResetModel();
}

QList<Line> OpentTimeMarkTableModel::toLines(LineConversionReport *report) const
{
    const bool degrees = SettingsStore::isWgs84(m_settings);
    const bool convert = degrees && m_geoCalc && m_geoCalc->isReady();
    LineConversionReport local;
    LineConversionReport *out = report ? report : &local;
    *out = LineConversionReport();

    QList<Line> lines;
    std::vector<RowProblem> problems;
    // Rows that passed every other check, for the distance from the file's median position.
    QVector<PositionLimits::Point> points;
    QVector<int> pointRows;
    const int start = qMax(0, m_firstRow - 1);
    if (start < int(m_rows.size()))
        lines.reserve(int(m_rows.size()) - start);
    for (int r = start; r < int(m_rows.size()); ++r) {
        const RawRow &row = m_rows[size_t(r)];
        CellReader cells(row);
        Line line;
        line.date = cells.text(m_colDate);
        if (m_colDate > 0)
            line.dateTail = MarkTime::dateTail(line.date, cells.text(m_colDate + 1));
        const double north = cells.number(m_colX, degrees);
        const double east = cells.number(m_colY, degrees);
        line.z = cells.number(m_colZ);
        line.sy = cells.number(m_colAccN);
        line.sx = cells.number(m_colAccE);
        line.sz = cells.number(m_colAccZ);
        RowProblem problem{r, cells.badColumn(), cells.badText(), cells.problem()};
        auto check = [&problem, &row](const QString &reason, int column) {
            if (!problem.reason.isEmpty() || reason.isEmpty())
                return;
            problem.reason = reason;
            problem.column = column;
            problem.text = row.cell(column - 1);
        };
        if (degrees) {
            line.lat = north;
            line.lon = east;
            check(PositionLimits::degreeProblem(north, east),
                  std::isfinite(north) && std::abs(north) <= 90.0 ? m_colY : m_colX);
        } else {
            line.x = east;
            line.y = north;
            check(PositionLimits::metricProblem(east, north),
                  std::isfinite(east) && east >= PositionLimits::MinEasting &&
                          east <= PositionLimits::MaxEasting
                      ? m_colX
                      : m_colY);
        }
        check(PositionLimits::heightProblem(line.z), m_colZ);
        if (convert && problem.reason.isEmpty()) {
            const UtmPoint utm = m_geoCalc->geoToUtm(line.lon, line.lat, line.z);
            // The height is the file's own; a point outside the zones keeps it.
            line.x = utm.x;
            line.y = utm.y;
            line.zone = utm.zone;
            if (utm.zone == 0)
                check(tr("latitude %1, longitude %2 cannot be converted to UTM")
                          .arg(line.lat, 0, 'g', 12)
                          .arg(line.lon, 0, 'g', 12),
                      m_colX);
        }
        if (problem.reason.isEmpty()) {
            points << (degrees ? PositionLimits::Point{line.lon, line.lat}
                               : PositionLimits::Point{line.x, line.y});
            pointRows << r;
        } else {
            problems.push_back(problem);
        }
        lines.append(line);
    }

    const QVector<double> distances = PositionLimits::distancesFromMedian(points, degrees);
    for (int i = 0; i < distances.size(); ++i) {
        const QString reason = PositionLimits::outlierProblem(distances.at(i));
        if (!reason.isEmpty()) {
            const int r = pointRows.at(i);
            problems.push_back({r, m_colX, m_rows[size_t(r)].cell(m_colX - 1), reason});
        }
    }

    out->convertedRows = lines.size();
    out->invalidRows = int(problems.size());
    if (!problems.empty()) {
        const RowProblem &first = *std::min_element(
            problems.begin(), problems.end(),
            [](const RowProblem &a, const RowProblem &b) { return a.row < b.row; });
        out->firstInvalidRow = first.row + 1;
        out->firstInvalidLine = m_rows[size_t(first.row)].lineNumber();
        out->firstInvalidColumn = first.column;
        out->firstInvalidText = first.text;
        out->firstReason = first.reason;
    }
    return lines;
}

int OpentTimeMarkTableModel::lineNumber(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].lineNumber() : 0;
}

int OpentTimeMarkTableModel::rowOfLine(int line) const
{
    for (int r = 0; r < int(m_rows.size()); ++r) {
        if (m_rows[size_t(r)].lineNumber() >= line)
            return r + 1;
    }
    return 0;
}

int OpentTimeMarkTableModel::firstDataRow() const
{
    // An RTKLIB solution: its data begins right after the "%" header. A damaged first data
    // line is no reason to skip it; it is reported instead.
    int r = 0;
    while (r < int(m_rows.size()) &&
           m_rows[size_t(r)].cellView(0).trimmed().startsWith(QLatin1Char('%')))
        ++r;
    if (r > 0)
        return r < int(m_rows.size()) ? r + 1 : 0;
    // Any other file: its first row whose coordinate cells are numbers (a header row of
    // labels is not).
    const bool degrees = SettingsStore::isWgs84(m_settings);
    for (r = 0; r < int(m_rows.size()); ++r) {
        const RawRow &row = m_rows[size_t(r)];
        bool numbers = true;
        for (const int column : {m_colX, m_colY, m_colZ}) {
            bool ok = true;
            if (column > 0)
                readNumber(row.cellView(column - 1), degrees && column != m_colZ, &ok);
            numbers = numbers && ok;
        }
        if (numbers)
            return r + 1;
    }
    return 0;
}

void OpentTimeMarkTableModel::copyFrom(const OpentTimeMarkTableModel &other)
{
    if (&other == this)
        return;
    beginResetModel();
    m_rows = other.m_rows;
    m_columnCount = other.m_columnCount;
    m_colX = other.m_colX;
    m_colY = other.m_colY;
    m_colZ = other.m_colZ;
    m_colAccE = other.m_colAccE;
    m_colAccN = other.m_colAccN;
    m_colAccZ = other.m_colAccZ;
    m_colDate = other.m_colDate;
    m_firstRow = other.m_firstRow;
    endResetModel();
}

QString OpentTimeMarkTableModel::unquoted(QStringView cell)
{
    if (!isQuoted(cell))
        return cell.toString();
    const QStringView trimmed = cell.trimmed();
    return trimmed.mid(1, trimmed.size() - 2)
        .toString()
        .replace(QLatin1String("\"\""), QLatin1String("\""));
}
