#pragma once

#include <QList>
#include <QMainWindow>
#include <QPointer>
#include <QSettings>
#include <QSharedPointer>

#include <memory>

class ChartPopUp;
class CustomTableModel;
class DegreeTicker;
class FilterPopUp;
class MetricTicker;
class PopUp;
class QCPAbstractLegendItem;
class QCPAbstractPlottable;
class QCPCurve;
class QCPDataSelection;
class QCPLegend;
class QCustomPlot;
class QModelIndex;
class QMouseEvent;
class QTimer;
class QToolButton;
class SettingsPopUp;

namespace Ui {
class FlyGraph;
}

/**
 * A block's flight path seen from above: timemark row i is point i of a parametric curve at
 * its easting and northing, quarantined rows are drawn again on top in their own colour.
 *
 * The graph never changes the block's data. It reads the block's timemark model and sends the
 * operator's commands (select, quarantine, filter) as signals; the block answers through
 * setSelected() and setQuarantine(). The plot stays metric at a 1:1 scale in both coordinate
 * systems; in WGS 84 mode only the tick labels show degrees.
 */
class FlyGraph : public QMainWindow
{
    Q_OBJECT

public:
    explicit FlyGraph(int blockNumber, QWidget *parent = nullptr);
    ~FlyGraph() override;

    /// Follows @p model from now on (not owned; forgotten when it is destroyed) and redraws.
    void setModel(CustomTableModel *model);
    CustomTableModel *model() const;
    /// The title shows the block number; blocks are renumbered when one is removed.
    void setBlockNumber(int blockNumber);

    QCustomPlot *plot() const;
    QCPCurve *pathCurve() const { return m_path; }
    QCPCurve *quarantineCurve() const { return m_quarantine; }
    /// Whether the x axis is the one stretched to keep metres equally long on both axes.
    bool xAxisLeadsScale() const { return m_xLeads; }

    // Plain functions rather than slots: a slot named on_... that matches no child widget makes
    // the form's by-name connection warn. Connect to them like to any slot.
    /// From the filter popup: stores changed thresholds, switches the block's filters, runs them.
    void on_fltrAccept(bool gimbal, int gimbalVal, bool dist, int distVal, bool expTime);
    void on_fltrReset();
    void on_toQuarantine();

signals:
    void intoQuarantine();
    void fromQuarantine();
    void clearQuarantine();
    /// @p filtr: 0 by distance, 1 by gimbal pitch, 2 by exposure time.
    void swichEnabledFilter(int filtr, bool enabled);
    void acceptFilter();
    void cancelFilter();
    /// For the block's toggle of one row; the graph itself does not emit it.
    void toSelectDesel(int index, double North, double East);
    /// The operator changed the selection on the plot: the selected rows, ascending.
    void toSelect(QList<int> rows);
    void toSelectAll();
    void toDeselectAll();

public slots:
    /// The block's selection: consecutive rows become one selected range of the path.
    void setSelected(QList<int> rows);
    /// The block's quarantined rows; the quarantine dots show exactly these.
    void setQuarantine(QList<int> rows);
    /**
     * Rereads every row of the model and redraws. The view is fitted to the path only when
     * rows came or went or the coordinate system changed since the last drawing (or the
     * model was reset with the points moved): the operator's zoom survives a quarantine, a
     * selection or an edited value.
     */
    void fullUpdateGrah();
    /// Rereads the curves' colours and sizes.
    void graphSetsChanged();

private slots:
    void modelUpdated(const QModelIndex &topLeft, const QModelIndex &bottomRight,
                      const QVector<int> &roles = QVector<int>());
    void modelWasReset();
    void modelRowsAdded(const QModelIndex &parent, int first, int last);
    void modelRowsRemoved(const QModelIndex &parent, int first, int last);
    void modelColumnsAdded(const QModelIndex &parent, int first, int last);
    void modelColumnsRemoved(const QModelIndex &parent, int first, int last);
    void handleModelDestroyed();

    void legendDoubleClick(QCPLegend *legend, QCPAbstractLegendItem *item);
    void selectionChanged();
    void mouseWheel();
    void contextMenuRequest(QPoint pos);
    void moveLegend();
    void graphClicked(QCPAbstractPlottable *plottable, int dataIndex, QMouseEvent *event);
    void onSelectionChanged(const QCPDataSelection &selection);
    /// Runs before every replot (despite its name): keeps the 1:1 scale.
    void onAfterReplot();
    void selectDeselect();

    void on_btn_zoomReset_clicked();
    void on_btn_select_clicked();
    void on_btn_move_clicked();
    void on_btn_settings_clicked();
    void on_btn_filter_clicked();
    void on_btn_to_quarantine_clicked();
    void on_btn_from_quarantine_clicked();
    void on_btn_clear_quarantine_clicked();
    void on_btn_line_color_clicked();
    void on_btn_quarantine_color_clicked();
    void on_btn_select_color_clicked();

private:
    void setupPlot();
    void applyOpenGl();
    void applyAxisLabels();
    void createCurves();
    void scheduleUpdate();
    void flushPendingUpdate();
    void setQuarantinePoints(const QList<int> &rows);
    /// The quarantine dots as the model's flags say.
    void quarantineFromModel();
    void fitToData();
    void applyEqualScale();
    void updatePlotLayout();
    void syncLegendItem();
    void openChartPopUp(const QString &curve, const QString &title, const QWidget *button);
    QPoint popUpAnchor(const QWidget *button, const PopUp *popUp) const;

    std::unique_ptr<Ui::FlyGraph> m_ui;
    QCustomPlot *m_plot;
    QPointer<CustomTableModel> m_model;
    QCPCurve *m_path = nullptr;
    QCPCurve *m_quarantine = nullptr;
    QSharedPointer<MetricTicker> m_metricTickerX;
    QSharedPointer<MetricTicker> m_metricTickerY;
    QSharedPointer<DegreeTicker> m_degreeTickerX;
    QSharedPointer<DegreeTicker> m_degreeTickerY;
    bool m_xLeads = false;
    /// The view was fitted while the plot had no real size yet; fit again once it shows.
    bool m_fitPending = false;
    /// What the view was last fitted to: a change of either fits it anew.
    int m_drawnRows = -1;
    bool m_drawnWgs84 = false;
    /// The next update fits the view: a new model.
    bool m_refitWanted = true;
    /// The next update fits the view if the points moved: the model was reset.
    bool m_refitIfMoved = false;
    /// Set while the block's selection is applied, so it is not sent back to the block.
    bool m_applyingSelection = false;
    int m_openGlSamples = 0;
    QTimer *m_updateTimer;
    ChartPopUp *m_chartPopUp = nullptr;
    FilterPopUp *m_filterPopUp = nullptr;
    SettingsPopUp *m_settingsPopUp = nullptr;
    QSettings m_settings;
};
