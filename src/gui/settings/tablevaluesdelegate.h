#pragma once

#include <QItemDelegate>
#include <QSettings>
#include <QSize>

#include <array>

/**
 * Shows the numbers of the timemark and preview tables in the chosen coordinate system (the
 * degree value of role 41 in the degree system, else the display value) with the decimals of
 * role 42, plain or in the locale's number format, centred on the cell's own background; edits
 * them with a spin box and writes the result back in the edit role.
 *
 * The coordinate system and the number format are read from the settings once per pass of the
 * event loop, not once per cell: a paint or a column fit covers thousands of cells, and the two
 * values only change in dialogs, between passes.
 */
class TableValuesDelegate : public QItemDelegate
{
    Q_OBJECT
public:
    explicit TableValuesDelegate(QObject *parent = nullptr);

    /// The text the cell at @p index shows.
    QString displayText(const QModelIndex &index) const;

    void paint(QPainter *painter, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    /// The size of the cell's text, remembered per column (0 to 9) and given for empty cells.
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;
    QWidget *createEditor(QWidget *parent, const QStyleOptionViewItem &option,
                          const QModelIndex &index) const override;
    void setEditorData(QWidget *editor, const QModelIndex &index) const override;
    void setModelData(QWidget *editor, QAbstractItemModel *model,
                      const QModelIndex &index) const override;

public slots:
    /// Reads the coordinate system and number format at the next use, also within this pass.
    void reloadSettings() { m_settingsFresh = false; }

private:
    void readSettings() const;
    /// The value the cell shows and edits: degrees in the degree system, else the display value.
    QVariant shownValue(const QModelIndex &index) const;

    mutable QSettings m_settings;
    mutable bool m_settingsFresh = false;
    mutable bool m_wgs84 = false;
    mutable bool m_localFormat = false;
    mutable std::array<QSize, 10> m_columnSizes;
};
