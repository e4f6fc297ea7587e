#pragma once

#include <QAbstractListModel>
#include <QSettings>
#include <QString>
#include <QStringList>
#include <QVector>

/**
 * The ordered, checkable list of the eight output columns (Name, Date, North, East, H,
 * sdN, sdE, sdH), stored under meta/header/%1. Used by the settings dialog, the timemark
 * table (column order) and the processing job (file layout).
 */
class OutputLabelModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles {
        Wgs84LabelRole = 40, //!< the WGS 84 label
        UtmLabelRole = 41,   //!< the UTM label
        IdRole = Qt::UserRole //!< the column id 0..7
    };
    enum ColumnId { Name = 0, Date, North, East, Height, SdN, SdE, SdH };

    struct LabelItem
    {
        int id = -1;
        QString utmLabel;
        QString wgsLabel;
        bool enabled = true;
    };

    explicit OutputLabelModel(QObject *parent = nullptr);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    Qt::DropActions supportedDropActions() const override;
    QMap<int, QVariant> itemData(const QModelIndex &index) const override;
    bool setItemData(const QModelIndex &index, const QMap<int, QVariant> &roles) override;
    bool insertRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool removeRows(int row, int count, const QModelIndex &parent = QModelIndex()) override;
    bool moveRows(const QModelIndex &sourceParent, int sourceRow, int count,
                  const QModelIndex &destinationParent, int destinationChild) override;
    bool dropMimeData(const QMimeData *data, Qt::DropAction action, int row, int column,
                      const QModelIndex &parent) override;

    /// The items in output order.
    const QVector<LabelItem> &items() const;
    /// Label of a column id in the given system (fixed texts, not translated).
    static QString label(int id, bool wgs84);

    void loadFromSettings();
    void saveToSettings();
    void resetToDefaults();
    void applyPix4dPreset();

signals:
    void movedRow();

private:
    QVector<LabelItem> m_items;
    QSettings m_settings;
};
