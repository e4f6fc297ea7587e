#include "processing/previewtablemodel.h"

#include "blocks/customtablemodel.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "settings/settingsstore.h"

#include <QColor>
#include <QFont>

PreviewTableModel::PreviewTableModel(QObject *parent, CustomTableModel *timemarks,
                                     PhotoModel *photos)
    : QAbstractTableModel(parent), m_timemarks(timemarks),
      m_photos(photos), m_utmLabels{tr("North"), tr("East"), tr("H"),
                                    tr("sdN"),   tr("sdE"),  tr("sdH")},
      m_wgsLabels{tr("Lat (N)"), tr("Lon (E)"), tr("H"), tr("sdN"), tr("sdE"), tr("sdH")}
{
}

int PreviewTableModel::rowCount(const QModelIndex &parent) const
{
    if (parent.isValid() || !m_timemarks || !m_photos)
        return 0;
    return qMin(m_timemarks->rowCount(), m_photos->rowCount());
}

int PreviewTableModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : 4;
}

QVariant PreviewTableModel::data(const QModelIndex &index, int role) const
{
    // The colour tables are indexed by column: an index of another model must not reach them.
    if (!index.isValid() || !checkIndex(index, CheckIndexOption::IndexIsValid))
        return QVariant();
    const int r = index.row();
    const int c = index.column();
    switch (role) {
    case Qt::FontRole:
        if (m_timemarks->isQuarantined(r)) {
            QFont font;
            font.setStrikeOut(true);
            return font;
        }
        return QVariant();
    case QuarantineRole:
        return m_timemarks->isQuarantined(r);
    case DecimalsRole:
        return SettingsStore::isWgs84(m_settings) && c != 3 ? 9 : 3;
    case Qt::BackgroundRole: {
        static const char *even[] = {"#ffffff", "#fef483", "#8afffb", "#ff97ad"};
        static const char *odd[] = {"#d7d7d7", "#f0e77c", "#7ee9e5", "#ff89a2"};
        return QColor(r % 2 == 0 ? even[c] : odd[c]);
    }
    case Qt::DisplayRole:
    case Wgs84ValueRole: {
        if (c < 1 || c > 3 || !m_geoCalc)
            return QVariant();
        const UtmPoint position = m_timemarks->utmPoint(r);
        if (position.x == 0.0 && position.y == 0.0 && position.zone == 0)
            return QVariant();
        const Adj adj = m_photos->adj(r);
        const UtmPoint corrected =
            m_geoCalc->applyAntennaOffset(position, adj.pitch, adj.yaw, adj.roll);
        if (role == Qt::DisplayRole)
            return c == 1 ? corrected.y : c == 2 ? corrected.x : corrected.z;
        const GeoPoint geo = m_geoCalc->utmToGeo(corrected);
        return c == 1 ? geo.lat : c == 2 ? geo.lon : geo.h;
    }
    default:
        return QVariant();
    }
}

QVariant PreviewTableModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (role != Qt::DisplayRole)
        return QVariant();
    if (orientation == Qt::Vertical)
        return QStringLiteral("%1").arg(section + 1);
    if (section < 1)
        return QVariant();
    const QStringList &labels = SettingsStore::isWgs84(m_settings) ? m_wgsLabels : m_utmLabels;
    return labels.value(section - 1);
}

void PreviewTableModel::resetData()
{
    beginResetModel();
    endResetModel();
}
