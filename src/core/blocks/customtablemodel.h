#pragma once

#include "blocks/line.h"
#include "geo/geopoint.h"
#include "geo/utmpoint.h"

#include <QAbstractTableModel>
#include <QList>
#include <QPair>
#include <QSettings>

class FilterMetaWorker;
class GeoCalc;
class OutputLabelModel;
class QThread;

/**
 * The timemark rows of one block, with one quarantine flag per row. The seven columns
 * follow the operator's output column order (its own OutputLabelModel, positions 1..7);
 * values are shown in the coordinate system stored at the moment of each call.
 *
 * Also owns the distance filter: a FilterMetaWorker in a thread of its own that works on
 * copies of the rows and flags and reports through distanceFilterFinished().
 */
class CustomTableModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Roles
    {
        QuarantineRole = 39,      //!< bool: the row is quarantined
        Wgs84ValueRole = 41,      //!< the value in WGS 84 form (latitude, longitude in degrees)
        DecimalsRole = 42,        //!< decimals to show: 9 for degrees, else 3
        MetricRole = Qt::UserRole //!< columns 0, 1, 2: northing, easting, height in metres
    };
    static constexpr int ColumnCount = 7;
    /// Accuracy handed out for a stored 0, which means "not given".
    static constexpr double DefaultAccuracy = 0.02;

    explicit CustomTableModel(QObject *parent = nullptr);
    ~CustomTableModel() override;

    void setGeoCalc(GeoCalc *geoCalc) { m_geoCalc = geoCalc; }
    GeoCalc *geoCalc() const { return m_geoCalc; }
    /// The column order; reload it after the settings changed and the table follows.
    OutputLabelModel *labelModel() const { return m_labels; }

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    /// Edits the field the cell shows in the current system; a degree edit of latitude or
    /// longitude recomputes the metric position when the converter is ready.
    bool setData(const QModelIndex &index, const QVariant &value, int role = Qt::EditRole) override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;
    bool removeRows(int row, int count, const QModelIndex &parent) override;

    /// Removes the listed rows (any order; repeats and rows outside ignored) and returns them
    /// with their indexes, ascending.
    QList<QPair<int, Line>> takeRows(const QList<int> &rows);
    /// Puts rows taken by takeRows() back at their indexes, unflagged.
    void restoreRows(const QList<QPair<int, Line>> &rows);

    /// Field 0..6 (date, north, east, height, sdN, sdE, sdH) shown in @p column, -1 for none.
    int fieldOfColumn(int column) const;

    const QList<Line> &rows() const { return m_rows; }
    /// Rows @p first ... @p last, both included, clipped to the table.
    QList<Line> rows(int first, int last) const;
    /// Row @p r, or an all-zero Line past the end.
    Line row(int r) const;
    UtmPoint utmPoint(int r) const; //!< all zero past the end
    GeoPoint geoPoint(int r) const; //!< all zero past the end
    double north(int r) const;      //!< metres; -1 past the end
    double east(int r) const;       //!< metres; -1 past the end
    /// Accuracies: a stored 0 reads as DefaultAccuracy; -1 past the end.
    double accuracyEast(int r) const;
    double accuracyNorth(int r) const;
    double accuracyHeight(int r) const;
    QString date(int r) const; //!< empty past the end

    bool noDateColumn() const { return m_noDateColumn; }
    void setNoDateColumn(bool noDate) { m_noDateColumn = noDate; }

    /// The quarantine commands tell a change by dataChanged() over the rows between the first
    /// and the last flag changed, with the roles QuarantineRole and Qt::FontRole.
    void setQuarantine(const QList<int> &rows);
    void unsetQuarantine(const QList<int> &rows);
    void clearQuarantine();
    /// Quarantined row indexes, ascending.
    QList<int> quarantinedRows() const;
    /// With -1: whether any row is quarantined; else whether row @p row is.
    bool isQuarantined(int row = -1) const;
    /// One flag per row, in row order.
    const QList<bool> &quarantineFlags() const { return m_quarantine; }

    /**
     * Starts a distance filter pass over copies of the rows and flags with @p metres as the
     * threshold. False (and nothing started) while a pass is still running.
     */
    bool startDistanceFilter(int metres);
    bool isDistanceFilterRunning() const;

public slots:
    void appendRow(const Line &line);
    void appendRows(const QList<Line> &lines);
    bool removeRow(int row);
    /// Removes the listed rows (any order; repeats and indexes outside the table ignored).
    bool removeRows(QList<int> rows);
    bool removeRows(int row, int count);
    /// Removes every row from @p start on.
    void removeRowsEnd(int start);
    void clearRows();
    void filterFinished(QList<int> rows);
    void filterFinishedFail();

signals:
    void toSelectRows(QList<int> rows);
    /// A distance filter pass ended: the rows to thin out, ascending.
    void distanceFilterFinished(QList<int> rows);
    void distanceFilterProgress(int percent);

private:
    void setFlags(const QList<int> &rows, bool flag);
    void followLabels();

    QList<Line> m_rows;
    QList<bool> m_quarantine;
    bool m_noDateColumn = false;
    OutputLabelModel *m_labels;
    GeoCalc *m_geoCalc = nullptr;
    FilterMetaWorker *m_worker;
    QThread *m_filterThread;
    QSettings m_settings;
};
