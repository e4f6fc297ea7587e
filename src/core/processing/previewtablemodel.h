#pragma once

#include <QAbstractTableModel>
#include <QSettings>
#include <QStringList>

class CustomTableModel;
class GeoCalc;
class PhotoModel;

/**
 * The position each photo of a block will receive: its timemark row corrected for the
 * antenna offset with the photo's attitude, computed on every request exactly as the
 * processing run computes it. Stores no results.
 */
class PreviewTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Roles
    {
        QuarantineRole = 39, //!< the timemark row's quarantine flag
        Wgs84ValueRole = 41, //!< latitude, longitude, height of the corrected position
        DecimalsRole = 42    //!< 9 for degrees, else 3
    };

    PreviewTableModel(QObject *parent, CustomTableModel *timemarks, PhotoModel *photos);

    void setGeoCalc(GeoCalc *geoCalc) { m_geoCalc = geoCalc; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;

public slots:
    void resetData();

private:
    CustomTableModel *m_timemarks;
    PhotoModel *m_photos;
    GeoCalc *m_geoCalc = nullptr;
    QStringList m_utmLabels;
    QStringList m_wgsLabels;
    mutable QSettings m_settings;
};
