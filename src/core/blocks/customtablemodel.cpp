#include "blocks/customtablemodel.h"

#include "blocks/filtermetaworker.h"
#include "blocks/linemetatype.h"
#include "blocks/quarantineflags.h"
#include "geo/geocalc.h"
#include "processing/outputlabelmodel.h"
#include "settings/settingsstore.h"

#include <QColor>
#include <QFont>
#include <QThread>

#include <algorithm>
#include <cmath>

namespace {

enum Field
{
    FieldDate,
    FieldNorth,
    FieldEast,
    FieldHeight,
    FieldSdN,
    FieldSdE,
    FieldSdH
};

QVariant fieldValue(const Line &line, int field, bool wgs84)
{
    switch (field) {
    case FieldDate:
        return line.date;
    case FieldNorth:
        return wgs84 ? line.lat : line.y;
    case FieldEast:
        return wgs84 ? line.lon : line.x;
    case FieldHeight:
        return line.z;
    case FieldSdN:
        return line.sy;
    case FieldSdE:
        return line.sx;
    case FieldSdH:
        return line.sz;
    default:
        return QVariant();
    }
}

QColor background(int field, bool oddRow)
{
    static const QColor odd[] = {QColor(0xa2, 0xa2, 0xa2), QColor(0xf0, 0xe7, 0x7c),
                                 QColor(0x7e, 0xe9, 0xe5), QColor(0xff, 0x89, 0xa2),
                                 QColor(0x8d, 0xf0, 0xa3), QColor(0x8d, 0xa3, 0xf0),
                                 QColor(0xc8, 0xa0, 0xdb)};
    static const QColor even[] = {QColor(0xb4, 0xb4, 0xb4), QColor(0xfe, 0xf4, 0x83),
                                  QColor(0x8a, 0xff, 0xfb), QColor(0xff, 0x97, 0xad),
                                  QColor(0x97, 0xff, 0xad), QColor(0x75, 0x87, 0xc7),
                                  QColor(0xa3, 0x82, 0xb3)};
    if (field < 0 || field >= 7)
        return oddRow ? QColor(0xd7, 0xd7, 0xd7) : QColor(Qt::white);
    return oddRow ? odd[field] : even[field];
}

double accuracy(double stored)
{
    return stored == 0.0 ? CustomTableModel::DefaultAccuracy : stored;
}

} // namespace

CustomTableModel::CustomTableModel(QObject *parent)
    : QAbstractTableModel(parent), m_labels(new OutputLabelModel(this)),
      m_worker(new FilterMetaWorker), m_filterThread(new QThread(this))
{
    registerLineMetaTypes();
    m_worker->moveToThread(m_filterThread);
    connect(m_filterThread, &QThread::started, m_worker, &FilterMetaWorker::doWork);
    connect(m_worker, &FilterMetaWorker::workFinished, this, &CustomTableModel::filterFinished);
    connect(m_worker, &FilterMetaWorker::workFinishedFail, this,
            &CustomTableModel::filterFinishedFail);
    connect(m_worker, &FilterMetaWorker::workProcess, this,
            &CustomTableModel::distanceFilterProgress);

    connect(m_labels, &QAbstractItemModel::modelReset, this, &CustomTableModel::followLabels);
    connect(m_labels, &QAbstractItemModel::rowsMoved, this, &CustomTableModel::followLabels);
    connect(m_labels, &QAbstractItemModel::rowsInserted, this, &CustomTableModel::followLabels);
    connect(m_labels, &QAbstractItemModel::rowsRemoved, this, &CustomTableModel::followLabels);
}

CustomTableModel::~CustomTableModel()
{
    m_worker->requestStop();
    m_filterThread->quit();
    m_filterThread->wait();
    delete m_worker;
}

void CustomTableModel::followLabels()
{
    beginResetModel();
    endResetModel();
}

int CustomTableModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_rows.size();
}

int CustomTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int CustomTableModel::fieldOfColumn(int column) const
{
    // Position 0 of the output order is the photo name, which has no field here.
    const QModelIndex label = m_labels->index(column + 1, 0);
    if (column < 0 || !label.isValid())
        return -1;
    const int field = m_labels->data(label, OutputLabelModel::IdRole).toInt() - 1;
    return field >= 0 ? field : -1;
}

QVariant CustomTableModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const Line &line = m_rows.at(index.row());
    // The graph's metres belong to the first three columns whatever they show.
    if (role == MetricRole) {
        switch (index.column()) {
        case 0:
            return line.y;
        case 1:
            return line.x;
        case 2:
            return line.z;
        default:
            return QVariant();
        }
    }
    const int field = fieldOfColumn(index.column());
    if (field < 0)
        return QVariant();
    switch (role) {
    case Qt::DisplayRole:
        return fieldValue(line, field, false);
    case Qt::EditRole:
        return fieldValue(line, field, SettingsStore::isWgs84(m_settings));
    case Wgs84ValueRole:
        return fieldValue(line, field, true);
    case DecimalsRole:
        return SettingsStore::isWgs84(m_settings) && field != FieldHeight ? 9 : 3;
    case QuarantineRole:
        return m_quarantine.at(index.row());
    case Qt::FontRole:
        if (m_quarantine.at(index.row())) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return QVariant();
    case Qt::BackgroundRole:
        return background(field, index.row() % 2 == 1);
    default:
        return QVariant();
    }
}

QVariant CustomTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QString::number(section + 1);
    const QModelIndex label = m_labels->index(section + 1, 0);
    return label.isValid() ? m_labels->data(label, Qt::DisplayRole) : QVariant();
}

bool CustomTableModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (role != Qt::EditRole || !value.isValid() || !index.isValid() ||
        !checkIndex(index, CheckIndexOption::IndexIsValid))
        return false;
    const int field = fieldOfColumn(index.column());
    if (field < 0 || field > FieldSdH)
        return false;
    Line &line = m_rows[index.row()];
    if (field == FieldDate) {
        line.date = value.toString();
        emit dataChanged(index, index);
        return true;
    }
    bool ok = false;
    const double number = value.toDouble(&ok);
    // A text that is no number must not land in the table as 0.
    if (!ok || !std::isfinite(number))
        return false;
    const bool wgs84 = SettingsStore::isWgs84(m_settings);
    if (wgs84 && (field == FieldNorth || field == FieldEast)) {
        (field == FieldNorth ? line.lat : line.lon) = number;
        if (m_geoCalc && m_geoCalc->isReady()) {
            const UtmPoint utm = m_geoCalc->geoToUtm(line.lon, line.lat, line.z);
            // The height stays the row's own, also for a point outside the zones.
            line.x = utm.x;
            line.y = utm.y;
            line.zone = utm.zone;
            emit dataChanged(this->index(index.row(), 0),
                             this->index(index.row(), ColumnCount - 1));
            return true;
        }
        emit dataChanged(index, index);
        return true;
    }
    switch (field) {
    case FieldNorth:
        line.y = number;
        break;
    case FieldEast:
        line.x = number;
        break;
    case FieldHeight:
        line.z = number;
        break;
    case FieldSdN:
        line.sy = number;
        break;
    case FieldSdE:
        line.sx = number;
        break;
    default:
        line.sz = number;
        break;
    }
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags CustomTableModel::flags(const QModelIndex &index) const
{
    const Qt::ItemFlags base = QAbstractTableModel::flags(index);
    return index.isValid() ? base | Qt::ItemIsEditable : base;
}

QList<Line> CustomTableModel::rows(int first, int last) const
{
    first = qMax(0, first);
    last = qMin(last, m_rows.size() - 1);
    return first <= last ? m_rows.mid(first, last - first + 1) : QList<Line>();
}

Line CustomTableModel::row(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r) : Line();
}

UtmPoint CustomTableModel::utmPoint(int r) const
{
    if (r < 0 || r >= m_rows.size())
        return UtmPoint();
    const Line &line = m_rows.at(r);
    UtmPoint point;
    point.x = line.x;
    point.y = line.y;
    point.z = line.z;
    point.zone = line.zone;
    return point;
}

GeoPoint CustomTableModel::geoPoint(int r) const
{
    if (r < 0 || r >= m_rows.size())
        return GeoPoint();
    const Line &line = m_rows.at(r);
    GeoPoint point;
    point.lon = line.lon;
    point.lat = line.lat;
    point.h = line.z;
    return point;
}

double CustomTableModel::north(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r).y : -1.0;
}

double CustomTableModel::east(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r).x : -1.0;
}

double CustomTableModel::accuracyEast(int r) const
{
    return r >= 0 && r < m_rows.size() ? accuracy(m_rows.at(r).sx) : -1.0;
}

double CustomTableModel::accuracyNorth(int r) const
{
    return r >= 0 && r < m_rows.size() ? accuracy(m_rows.at(r).sy) : -1.0;
}

double CustomTableModel::accuracyHeight(int r) const
{
    return r >= 0 && r < m_rows.size() ? accuracy(m_rows.at(r).sz) : -1.0;
}

QString CustomTableModel::date(int r) const
{
    return r >= 0 && r < m_rows.size() ? m_rows.at(r).date : QString();
}

void CustomTableModel::setFlags(const QList<int> &rows, bool flag)
{
    // Only the flag and the strike-out it shows change: views keep their selection and the
    // graph its zoom, which a reset would throw away.
    const auto [first, last] = QuarantineFlags::set(m_quarantine, rows, flag);
    if (last >= 0)
        emit dataChanged(index(first, 0), index(last, ColumnCount - 1),
                         {QuarantineRole, Qt::FontRole});
}

void CustomTableModel::setQuarantine(const QList<int> &rows)
{
    setFlags(rows, true);
}

void CustomTableModel::unsetQuarantine(const QList<int> &rows)
{
    setFlags(rows, false);
}

void CustomTableModel::clearQuarantine()
{
    setFlags(quarantinedRows(), false);
}

QList<int> CustomTableModel::quarantinedRows() const
{
    return QuarantineFlags::flagged(m_quarantine);
}

bool CustomTableModel::isQuarantined(int row) const
{
    if (row == -1)
        return m_quarantine.contains(true);
    return m_quarantine.value(row, false);
}

bool CustomTableModel::startDistanceFilter(int metres)
{
    if (m_filterThread->isRunning())
        return false;
    m_worker->setData(m_rows);
    m_worker->setValSS(metres);
    m_worker->setQuarantine(m_quarantine);
    m_filterThread->start(QThread::InheritPriority);
    return true;
}

bool CustomTableModel::isDistanceFilterRunning() const
{
    return m_filterThread->isRunning();
}

void CustomTableModel::appendRow(const Line &line)
{
    const int at = m_rows.size();
    beginInsertRows(QModelIndex(), at, at);
    m_rows.append(line);
    m_quarantine.append(false);
    endInsertRows();
}

void CustomTableModel::appendRows(const QList<Line> &lines)
{
    if (lines.isEmpty())
        return;
    const int at = m_rows.size();
    beginInsertRows(QModelIndex(), at, at + lines.size() - 1);
    m_rows.append(lines);
    for (int i = 0; i < lines.size(); ++i)
        m_quarantine.append(false);
    endInsertRows();
}

bool CustomTableModel::removeRow(int row)
{
    if (row >= 0 && row < m_rows.size()) {
        beginRemoveRows(QModelIndex(), row, row);
        m_rows.removeAt(row);
        m_quarantine.removeAt(row);
        endRemoveRows();
    }
    return true;
}

bool CustomTableModel::removeRows(QList<int> rows)
{
    // Each removal shifts the rows behind it, so walk the sorted list and count only the rows
    // really removed: a repeated or out-of-range entry must not move the aim.
    const QList<int> valid = QuarantineFlags::validRows(rows, m_rows.size());
    int removed = 0;
    for (const int row : valid) {
        removeRow(row - removed);
        ++removed;
    }
    return true;
}

bool CustomTableModel::removeRows(int row, int count)
{
    QList<int> rows;
    for (int r = row; r < row + count; ++r)
        rows.append(r);
    return removeRows(rows);
}

bool CustomTableModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid())
        return false;
    return removeRows(row, count);
}

QList<QPair<int, Line>> CustomTableModel::takeRows(const QList<int> &rows)
{
    const QList<int> sorted = QuarantineFlags::validRows(rows, m_rows.size());
    QList<QPair<int, Line>> taken;
    for (const int row : qAsConst(sorted))
        taken << qMakePair(row, m_rows.at(row));
    removeRows(sorted);
    return taken;
}

void CustomTableModel::restoreRows(const QList<QPair<int, Line>> &rows)
{
    // Ascending, each lands where it was: the rows before it are back already.
    for (const auto &row : rows) {
        const int at = qBound(0, row.first, m_rows.size());
        beginInsertRows(QModelIndex(), at, at);
        m_rows.insert(at, row.second);
        m_quarantine.insert(at, false);
        endInsertRows();
    }
}

void CustomTableModel::removeRowsEnd(int start)
{
    start = qMax(0, start);
    if (start >= m_rows.size())
        return;
    beginRemoveRows(QModelIndex(), start, m_rows.size() - 1);
    m_rows.erase(m_rows.begin() + start, m_rows.end());
    m_quarantine.erase(m_quarantine.begin() + start, m_quarantine.end());
    endRemoveRows();
}

void CustomTableModel::clearRows()
{
    beginResetModel();
    m_rows.clear();
    m_quarantine.clear();
    endResetModel();
}

void CustomTableModel::filterFinished(QList<int> rows)
{
    m_filterThread->quit();
    emit distanceFilterFinished(rows);
}

void CustomTableModel::filterFinishedFail() {}
