#include "processing/outputlabelmodel.h"

#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QBrush>
#include <QColor>
#include <QMimeData>

#include <array>

namespace {

constexpr int ColumnCount = Keys::OutputColumnCount;

// The header line of the coordinate file: fixed texts that programs reading the file rely on.
// Only the tables and the settings show them in the user's language.
const std::array<const char *, ColumnCount> UtmLabels = {
    QT_TRANSLATE_NOOP("OutputLabelModel", "Name"),  QT_TRANSLATE_NOOP("OutputLabelModel", "Date"),
    QT_TRANSLATE_NOOP("OutputLabelModel", "North"), QT_TRANSLATE_NOOP("OutputLabelModel", "East"),
    QT_TRANSLATE_NOOP("OutputLabelModel", "H"),     QT_TRANSLATE_NOOP("OutputLabelModel", "sdN"),
    QT_TRANSLATE_NOOP("OutputLabelModel", "sdE"),   QT_TRANSLATE_NOOP("OutputLabelModel", "sdH")};
const std::array<const char *, ColumnCount> WgsLabels = {
    "Name",
    "Date",
    QT_TRANSLATE_NOOP("OutputLabelModel", "Lat (N)"),
    QT_TRANSLATE_NOOP("OutputLabelModel", "Lon (E)"),
    "H",
    "sdN",
    "sdE",
    "sdH"};

struct PresetEntry
{
    int id;
    bool enabled;
};

// Name, easting, northing, height: the image geolocation order Pix4D reads.
const std::array<PresetEntry, ColumnCount> Pix4dPreset = {{{OutputLabelModel::Name, true},
                                                           {OutputLabelModel::Date, false},
                                                           {OutputLabelModel::East, true},
                                                           {OutputLabelModel::North, true},
                                                           {OutputLabelModel::Height, true},
                                                           {OutputLabelModel::SdN, false},
                                                           {OutputLabelModel::SdE, false},
                                                           {OutputLabelModel::SdH, false}}};

bool isColumnId(int id)
{
    return id >= 0 && id < ColumnCount;
}

} // namespace

OutputLabelModel::OutputLabelModel(QObject *parent) : QAbstractListModel(parent)
{
    loadFromSettings();
}

int OutputLabelModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : m_items.size();
}

int OutputLabelModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 1;
}

QVariant OutputLabelModel::data(const QModelIndex &index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return QVariant();
    const LabelItem &item = m_items.at(index.row());
    switch (role) {
    case Qt::DisplayRole:
        return tr(
            qUtf8Printable(SettingsStore::isWgs84(m_settings) ? item.wgsLabel : item.utmLabel));
    case Qt::BackgroundRole:
        return QBrush(index.row() % 2 == 1 ? QColor(Qt::white) : QColor(Qt::lightGray));
    case Qt::CheckStateRole:
        return item.enabled ? Qt::Checked : Qt::Unchecked;
    case Wgs84LabelRole:
        return item.wgsLabel;
    case UtmLabelRole:
        return item.utmLabel;
    case IdRole:
        return item.id;
    default:
        return QVariant();
    }
}

bool OutputLabelModel::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    if (role == Qt::CheckStateRole) {
        m_items[index.row()].enabled = value.toInt() != 0;
        emit dataChanged(index, index, {Qt::CheckStateRole});
    }
    return true;
}

Qt::ItemFlags OutputLabelModel::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::ItemIsDropEnabled;
    return Qt::ItemIsSelectable | Qt::ItemIsDragEnabled | Qt::ItemIsUserCheckable |
           Qt::ItemIsEnabled | Qt::ItemNeverHasChildren;
}

Qt::DropActions OutputLabelModel::supportedDropActions() const
{
    return Qt::MoveAction;
}

QMap<int, QVariant> OutputLabelModel::itemData(const QModelIndex &index) const
{
    QMap<int, QVariant> roles;
    if (!index.isValid())
        return roles;
    for (int role = 0; role <= IdRole; ++role) {
        const QVariant value = data(index, role);
        if (value.isValid())
            roles.insert(role, value);
    }
    return roles;
}

bool OutputLabelModel::setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles)
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    LabelItem &item = m_items[index.row()];
    bool taken = false;
    if (roles.contains(IdRole)) {
        item.id = roles.value(IdRole).toInt();
        taken = true;
    }
    if (roles.contains(Wgs84LabelRole)) {
        item.wgsLabel = roles.value(Wgs84LabelRole).toString();
        taken = true;
    }
    if (roles.contains(UtmLabelRole)) {
        item.utmLabel = roles.value(UtmLabelRole).toString();
        taken = true;
    }
    // Moving a column must not switch it back on behind the operator's back.
    if (taken && roles.contains(Qt::CheckStateRole))
        item.enabled = roles.value(Qt::CheckStateRole).toInt() != Qt::Unchecked;
    if (taken)
        emit dataChanged(index, index);
    return taken;
}

bool OutputLabelModel::insertRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || row > m_items.size() || count < 1)
        return false;
    beginInsertRows(parent, row, row + count - 1);
    m_items.insert(row, count, LabelItem());
    endInsertRows();
    return true;
}

bool OutputLabelModel::removeRows(int row, int count, const QModelIndex &parent)
{
    if (parent.isValid() || row < 0 || count < 1 || row + count > m_items.size())
        return false;
    beginRemoveRows(parent, row, row + count - 1);
    m_items.remove(row, count);
    endRemoveRows();
    emit movedRow();
    return true;
}

bool OutputLabelModel::moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                                const QModelIndex &destinationParent, int destinationChild)
{
    if (sourceParent.isValid() || destinationParent.isValid() || count < 1 || sourceRow < 0 ||
        sourceRow + count > m_items.size() || destinationChild < 0 ||
        destinationChild > m_items.size())
        return false;
    // Refuses moves into the moved range itself.
    if (!beginMoveRows(sourceParent, sourceRow, sourceRow + count - 1, destinationParent,
                       destinationChild))
        return false;
    const QVector<LabelItem> moving = m_items.mid(sourceRow, count);
    m_items.remove(sourceRow, count);
    const int target = destinationChild > sourceRow ? destinationChild - count : destinationChild;
    for (int i = 0; i < count; ++i)
        m_items.insert(target + i, moving.at(i));
    endMoveRows();
    emit movedRow();
    return true;
}

bool OutputLabelModel::dropMimeData(const QMimeData *data, Qt::DropAction action, int row,
                                    int column, const QModelIndex &parent)
{
    Q_UNUSED(column)
    if (action == Qt::IgnoreAction)
        return true;
    if (!data || action != Qt::MoveAction)
        return false;
    // A drop onto an item lands before it, a drop onto empty space at the end.
    if (parent.isValid())
        row = parent.row();
    if (row < 0 || row > m_items.size())
        row = m_items.size();
    return QAbstractListModel::dropMimeData(data, action, row, 0, QModelIndex());
}

const QVector<OutputLabelModel::LabelItem> &OutputLabelModel::items() const
{
    return m_items;
}

QString OutputLabelModel::label(int id, bool wgs84)
{
    if (!isColumnId(id))
        return QString();
    return QString::fromLatin1(wgs84 ? WgsLabels[id] : UtmLabels[id]);
}

void OutputLabelModel::loadFromSettings()
{
    beginResetModel();
    m_items.clear();
    bool seen[ColumnCount] = {};
    QVector<int> repeated;
    for (int p = 0; p < ColumnCount; ++p) {
        LabelItem item;
        item.id = Keys::metaHeader(p).read(m_settings);
        if (!isColumnId(item.id))
            item.id = p;
        item.enabled = Keys::metaHeaderEnabled(p).read(m_settings);
        if (seen[item.id])
            repeated.append(p);
        seen[item.id] = true;
        m_items.append(item);
    }
    // A store holding one column twice would write it twice and drop another one (perhaps
    // the photo name); the columns nobody holds take over the repeated places instead.
    int missing = 0;
    for (int p : repeated) {
        while (seen[missing])
            ++missing;
        m_items[p].id = missing;
        seen[missing] = true;
    }
    for (LabelItem &item : m_items) {
        item.utmLabel = label(item.id, false);
        item.wgsLabel = label(item.id, true);
    }
    endResetModel();
}

void OutputLabelModel::saveToSettings()
{
    for (int p = 0; p < m_items.size() && p < ColumnCount; ++p) {
        Keys::metaHeader(p).write(m_settings, m_items.at(p).id);
        Keys::metaHeaderEnabled(p).write(m_settings, m_items.at(p).enabled);
    }
    m_settings.sync();
}

void OutputLabelModel::resetToDefaults()
{
    for (int p = 0; p < ColumnCount; ++p) {
        Keys::metaHeader(p).write(m_settings, p);
        Keys::metaHeaderEnabled(p).write(m_settings, true);
    }
    m_settings.sync();
    loadFromSettings();
}

void OutputLabelModel::applyPix4dPreset()
{
    for (int p = 0; p < ColumnCount; ++p) {
        Keys::metaHeader(p).write(m_settings, Pix4dPreset[p].id);
        Keys::metaHeaderEnabled(p).write(m_settings, Pix4dPreset[p].enabled);
    }
    m_settings.sync();
    loadFromSettings();
}
