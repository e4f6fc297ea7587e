#include "graph/flygraph.h"

#include "app/logcategories.h"
#include "blocks/customtablemodel.h"
#include "geo/degreelabels.h"
#include "graph/chartpopup.h"
#include "graph/degreeticker.h"
#include "graph/filterpopup.h"
#include "graph/metricticker.h"
#include "graph/settingspopup.h"
#include "settings/chartsettings.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "ui_flygraph.h"

#include <QAction>
#include <QFile>
#include <QMenu>
#include <QPainter>
#include <QScreen>
#include <QTimer>
#include <qcustomplot.h>

#include <algorithm>
#include <cmath>

namespace {

/// Whether this build of the plot library can draw with OpenGL; asked once per program.
enum class OpenGlSupport
{
    Unknown,
    Available,
    Missing
};
OpenGlSupport s_openGl = OpenGlSupport::Unknown;

constexpr int ScatterSize = 6;
constexpr int StatusMessageMs = 2500;
/// Pixels around the path after a fit, so the outermost circles are not cut at the frame.
constexpr int FitPadding = 14;
constexpr int LegendGap = 6;
/// How far PopUp::show puts a bubble above and left of its point.
constexpr int PopUpOffset = 15;
/// Metres in view around a path that is a single point.
constexpr double MinimumView = 20.0;

int legendAlignment(int stored)
{
    static const int known[] = {Qt::AlignTop | Qt::AlignLeft, Qt::AlignTop | Qt::AlignHCenter,
                                Qt::AlignTop | Qt::AlignRight, Qt::AlignBottom | Qt::AlignRight,
                                Qt::AlignBottom | Qt::AlignLeft};
    return std::find(std::begin(known), std::end(known), stored) != std::end(known)
               ? stored
               : Keys::FlyviewLegendPos.defaultValue();
}

/// One point's circle, drawn once: ten thousand antialiased ellipses per replot are far
/// slower than as many copies of a small picture.
QCPScatterStyle circleScatter(const QPen &pen, const QBrush &brush = Qt::NoBrush)
{
    const double penWidth = qMax(1.0, pen.widthF());
    const int side = int(std::ceil(ScatterSize + penWidth)) + 2;
    QPixmap pixmap(side, side);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(pen);
    painter.setBrush(brush);
    const double radius = ScatterSize / 2.0;
    painter.drawEllipse(QPointF(side / 2.0, side / 2.0), radius, radius);
    painter.end();
    return QCPScatterStyle(pixmap);
}

QIcon circleIcon(const QColor &color)
{
    QIcon icon;
    for (const qreal ratio : {1.0, 2.0}) {
        QPixmap pixmap(QSize(22, 22) * ratio);
        pixmap.setDevicePixelRatio(ratio);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        // A thin darker rim keeps a light colour visible on the light button.
        painter.setPen(QPen(color.darker(140), 1.0));
        painter.setBrush(color);
        painter.drawEllipse(QRectF(3.5, 3.5, 15.0, 15.0));
        icon.addPixmap(pixmap);
    }
    return icon;
}

/// Sorted, without repeats, only rows below @p count.
QList<int> validRows(QList<int> rows, int count)
{
    std::sort(rows.begin(), rows.end());
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    rows.erase(
        std::remove_if(rows.begin(), rows.end(), [count](int r) { return r < 0 || r >= count; }),
        rows.end());
    return rows;
}

} // namespace

FlyGraph::FlyGraph(int blockNumber, QWidget *parent)
    : QMainWindow(parent), m_ui(new Ui::FlyGraph), m_metricTickerX(new MetricTicker),
      m_metricTickerY(new MetricTicker), m_degreeTickerX(new DegreeTicker),
      m_degreeTickerY(new DegreeTicker), m_updateTimer(new QTimer(this))
{
    m_ui->setupUi(this);
    m_plot = m_ui->customPlot;
    setBlockNumber(blockNumber);

    const std::pair<QToolButton *, const char *> icons[] = {
        {m_ui->btn_zoomReset, ":/FontAwersome/searchengin.svg"},
        {m_ui->btn_select, ":/FontAwersome/vector-square.svg"},
        {m_ui->btn_move, ":/FontAwersome/hand-rock.svg"},
        {m_ui->btn_settings, ":/FontAwersome/cogs.svg"},
        {m_ui->btn_filter, ":/FontAwersome/filter.svg"},
        {m_ui->btn_to_quarantine, ":/FontAwersome/ban.svg"},
        {m_ui->btn_from_quarantine, ":/FontAwersome/minus-circle.svg"},
        {m_ui->btn_clear_quarantine, ":/FontAwersome/eraser.svg"},
        {m_ui->btn_line_color, ":/FontAwersome/circle-solid.svg"},
        {m_ui->btn_quarantine_color, ":/FontAwersome/circle-solid.svg"},
        {m_ui->btn_select_color, ":/FontAwersome/circle-solid.svg"}};
    for (const auto &[button, path] : icons) {
        // Until the icon set is built in, the buttons show their text instead of a blank.
        if (QFile::exists(QString::fromLatin1(path)))
            button->setIcon(QIcon(QString::fromLatin1(path)));
    }

    // Model notifications come one per row when rows are removed one by one; redrawing once
    // after the burst keeps a large removal linear.
    m_updateTimer->setSingleShot(true);
    m_updateTimer->setInterval(0);
    connect(m_updateTimer, &QTimer::timeout, this, &FlyGraph::fullUpdateGrah);

    setupPlot();
    graphSetsChanged();
}

FlyGraph::~FlyGraph()
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
}

void FlyGraph::setBlockNumber(int blockNumber)
{
    setWindowTitle(tr("A preview of the Flight #%1").arg(blockNumber));
}

QCustomPlot *FlyGraph::plot() const
{
    return m_plot;
}

CustomTableModel *FlyGraph::model() const
{
    return m_model;
}

void FlyGraph::setupPlot()
{
    QLocale locale = QLocale::c();
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    m_plot->setLocale(locale);
    applyOpenGl();

    m_plot->setInteractions(QCP::iRangeDrag | QCP::iRangeZoom | QCP::iSelectAxes |
                            QCP::iSelectLegend | QCP::iSelectPlottables | QCP::iMultiSelect);
    m_plot->setSelectionRectMode(QCP::srmNone);
    m_plot->selectionRect()->setPen(QPen(QColor(40, 90, 200), 1, Qt::DashLine));
    m_plot->selectionRect()->setBrush(QColor(40, 90, 200, 40));

    m_plot->axisRect()->setupFullAxesBox(true);
    for (QCPAxis *axis : {m_plot->xAxis, m_plot->yAxis, m_plot->xAxis2, m_plot->yAxis2})
        axis->setSelectableParts(QCPAxis::spAxis | QCPAxis::spTickLabels);
    m_plot->xAxis->setTickLabelRotation(-90);
    applyAxisLabels();

    QCPLegend *legend = m_plot->legend;
    legend->setVisible(true);
    QFont legendFont = font();
    legendFont.setPointSize(9);
    legend->setFont(legendFont);
    legend->setSelectedFont(legendFont);
    // See-through, so a path running under the legend stays visible.
    legend->setBrush(QColor(255, 255, 255, 190));
    legend->setSelectableParts(QCPLegend::spItems);
    m_plot->axisRect()->insetLayout()->setInsetAlignment(
        0, Qt::Alignment(legendAlignment(Keys::FlyviewLegendPos.read(m_settings))));

    connect(m_plot, &QCustomPlot::selectionChangedByUser, this, &FlyGraph::selectionChanged);
    connect(m_plot, &QCustomPlot::mouseWheel, this, &FlyGraph::mouseWheel);
    connect(m_plot, &QCustomPlot::legendDoubleClick, this, &FlyGraph::legendDoubleClick);
    connect(m_plot, &QCustomPlot::plottableClick, this, &FlyGraph::graphClicked);
    connect(m_plot, &QCustomPlot::beforeReplot, this, &FlyGraph::onAfterReplot);
    m_plot->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(m_plot, &QWidget::customContextMenuRequested, this, &FlyGraph::contextMenuRequest);
}

void FlyGraph::applyOpenGl()
{
    const int samples = qBound(1, Keys::GraphMultisampling.read(m_settings), 16);
    if (s_openGl == OpenGlSupport::Missing)
        return;
    if (s_openGl == OpenGlSupport::Available && m_plot->openGl() && samples == m_openGlSamples)
        return;
    m_plot->setOpenGl(true, samples);
    m_openGlSamples = samples;
    if (s_openGl == OpenGlSupport::Unknown) {
        s_openGl = m_plot->openGl() ? OpenGlSupport::Available : OpenGlSupport::Missing;
        if (s_openGl == OpenGlSupport::Available)
            qCDebug(lcInfo) << "Flight graph: drawn with OpenGL," << samples << "samples";
        else
            qCDebug(lcInfo) << "Flight graph: OpenGL drawing is not available in this build of "
                               "QCustomPlot, the graph is drawn in software";
    }
}

void FlyGraph::applyAxisLabels()
{
    const bool wgs84 = SettingsStore::isWgs84(m_settings);
    m_plot->xAxis->setLabel(wgs84 ? tr("Longitude") : tr("East"));
    m_plot->yAxis->setLabel(wgs84 ? tr("Latitude") : tr("North"));
    if (wgs84 && m_model) {
        const QList<Line> &rows = m_model->rows();
        QVector<double> east, north, lon, lat;
        east.reserve(rows.size());
        north.reserve(rows.size());
        lon.reserve(rows.size());
        lat.reserve(rows.size());
        for (const Line &line : rows) {
            east.append(line.x);
            north.append(line.y);
            lon.append(line.lon);
            lat.append(line.lat);
        }
        m_degreeTickerX->setTicks(DegreeLabels::build(east, lon));
        m_degreeTickerY->setTicks(DegreeLabels::build(north, lat));
    }
    const QSharedPointer<QCPAxisTicker> x = wgs84 ? m_degreeTickerX.staticCast<QCPAxisTicker>()
                                                  : m_metricTickerX.staticCast<QCPAxisTicker>();
    const QSharedPointer<QCPAxisTicker> y = wgs84 ? m_degreeTickerY.staticCast<QCPAxisTicker>()
                                                  : m_metricTickerY.staticCast<QCPAxisTicker>();
    m_plot->xAxis->setTicker(x);
    m_plot->xAxis2->setTicker(x);
    m_plot->yAxis->setTicker(y);
    m_plot->yAxis2->setTicker(y);
}

void FlyGraph::setModel(CustomTableModel *model)
{
    if (m_model)
        disconnect(m_model, nullptr, this, nullptr);
    m_model = model;
    if (model) {
        connect(model, &QAbstractItemModel::dataChanged, this, &FlyGraph::modelUpdated);
        connect(model, &QAbstractItemModel::rowsInserted, this, &FlyGraph::modelRowsAdded);
        connect(model, &QAbstractItemModel::rowsRemoved, this, &FlyGraph::modelRowsRemoved);
        connect(model, &QAbstractItemModel::columnsInserted, this, &FlyGraph::modelColumnsAdded);
        connect(model, &QAbstractItemModel::columnsRemoved, this, &FlyGraph::modelColumnsRemoved);
        connect(model, &QAbstractItemModel::modelReset, this, &FlyGraph::modelWasReset);
        connect(model, &QAbstractItemModel::layoutChanged, this, &FlyGraph::modelWasReset);
        connect(model, &QObject::destroyed, this, &FlyGraph::handleModelDestroyed);
    }
    m_plot->clearPlottables();
    createCurves();
    m_refitWanted = true;
    fullUpdateGrah();
    graphSetsChanged();
}

void FlyGraph::createCurves()
{
    m_path = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_path->setObjectName(ChartSettings::Chart);
    m_path->setName(tr("Fly path"));
    m_path->setLineStyle(QCPCurve::lsLine);
    m_path->setSelectable(QCP::stMultipleDataRanges);
    connect(m_path, qOverload<const QCPDataSelection &>(&QCPAbstractPlottable::selectionChanged),
            this, &FlyGraph::onSelectionChanged);

    m_quarantine = new QCPCurve(m_plot->xAxis, m_plot->yAxis);
    m_quarantine->setObjectName(ChartSettings::Quarantine);
    m_quarantine->setName(tr("Quarantin"));
    m_quarantine->setLineStyle(QCPCurve::lsNone);
    m_quarantine->setSelectable(QCP::stNone);
    if (QCPPlottableLegendItem *item = m_plot->legend->itemWithPlottable(m_quarantine))
        item->setSelectable(false);
}

void FlyGraph::scheduleUpdate()
{
    if (m_model)
        m_updateTimer->start();
}

void FlyGraph::flushPendingUpdate()
{
    if (m_updateTimer->isActive())
        fullUpdateGrah();
}

void FlyGraph::modelUpdated(const QModelIndex &, const QModelIndex &, const QVector<int> &roles)
{
    const bool flagsOnly =
        !roles.isEmpty() && std::all_of(roles.begin(), roles.end(), [](int role) {
            return role == CustomTableModel::QuarantineRole || role == Qt::FontRole;
        });
    // A pending update redraws the dots as well.
    if (!flagsOnly || m_updateTimer->isActive()) {
        scheduleUpdate();
        return;
    }
    if (!m_model || !m_path)
        return;
    quarantineFromModel();
    m_plot->replot();
}

void FlyGraph::modelWasReset()
{
    m_refitIfMoved = true;
    fullUpdateGrah();
}

void FlyGraph::modelRowsAdded(const QModelIndex &, int, int)
{
    scheduleUpdate();
}

void FlyGraph::modelRowsRemoved(const QModelIndex &, int, int)
{
    scheduleUpdate();
}

void FlyGraph::modelColumnsAdded(const QModelIndex &, int, int)
{
    scheduleUpdate();
}

void FlyGraph::modelColumnsRemoved(const QModelIndex &, int, int)
{
    scheduleUpdate();
}

void FlyGraph::handleModelDestroyed()
{
    m_model = nullptr;
    m_updateTimer->stop();
    if (m_path)
        m_path->data()->clear();
    if (m_quarantine)
        m_quarantine->data()->clear();
    m_plot->replot();
}

void FlyGraph::fullUpdateGrah()
{
    m_updateTimer->stop();
    applyOpenGl();
    if (!m_model || !m_path)
        return;

    const QList<Line> &rows = m_model->rows();
    const bool wgs84 = SettingsStore::isWgs84(m_settings);
    bool refit = m_refitWanted || rows.size() != m_drawnRows || wgs84 != m_drawnWgs84;
    const QCPCurveDataContainer &drawn = *m_path->data();
    QVector<QCPCurveData> path;
    path.reserve(rows.size());
    for (int i = 0; i < rows.size(); ++i) {
        // t is the row index, so a data index of the path is always a row of the table.
        const QCPCurveData point(i, rows.at(i).x, rows.at(i).y);
        if (m_refitIfMoved && !refit && i < drawn.size() &&
            (drawn.at(i)->key != point.key || drawn.at(i)->value != point.value))
            refit = true;
        path.append(point);
    }
    m_path->data()->set(path, true);
    quarantineFromModel();
    m_refitWanted = m_refitIfMoved = false;
    m_drawnRows = rows.size();
    m_drawnWgs84 = wgs84;

    // Rows removed under a selection: keep only what still exists, without telling the block,
    // which changed the rows itself.
    const QCPDataSelection kept = m_path->selection().intersection(m_path->data()->dataRange());
    if (kept != m_path->selection()) {
        m_applyingSelection = true;
        m_path->setSelection(kept);
        m_applyingSelection = false;
    }

    applyAxisLabels();
    if (refit)
        fitToData();
    m_plot->replot();
}

void FlyGraph::quarantineFromModel()
{
    setQuarantinePoints(m_model->quarantinedRows());
}

void FlyGraph::updatePlotLayout()
{
    // The axis rectangle's size lags a resize by one replot; the scale needs the current one.
    QCPLayoutGrid *layout = m_plot->plotLayout();
    layout->update(QCPLayoutElement::upPreparation);
    layout->update(QCPLayoutElement::upMargins);
    layout->update(QCPLayoutElement::upLayout);
}

void FlyGraph::fitToData()
{
    if (!m_path || m_path->data()->isEmpty())
        return;
    updatePlotLayout();
    m_fitPending = !m_plot->isVisible();
    bool found = false;
    const QCPRange east = m_path->getKeyRange(found);
    const QCPRange north = m_path->getValueRange(found);
    const QRect rect = m_plot->axisRect()->rect();

    // The legend sits in a corner of the plot; the fitted path keeps clear of its band.
    int reserveTop = 0;
    int reserveBottom = 0;
    if (m_plot->legend->visible()) {
        const int band = m_plot->legend->outerRect().height() + LegendGap;
        const Qt::Alignment at = m_plot->axisRect()->insetLayout()->insetAlignment(0);
        (at & Qt::AlignBottom ? reserveBottom : reserveTop) = band;
    }
    const double width = rect.width() - 2.0 * FitPadding;
    const double height = rect.height() - 2.0 * FitPadding - reserveTop - reserveBottom;
    if (width < 1.0 || height < 1.0) {
        m_plot->rescaleAxes();
        return;
    }
    // Pixels per metre, the same on both axes; a single point or a straight line along one
    // axis gets a view of MinimumView metres.
    double spanEast = east.size();
    double spanNorth = north.size();
    if (spanEast <= 0.0 && spanNorth <= 0.0)
        spanEast = spanNorth = MinimumView;
    const double byWidth = spanEast > 0.0 ? width / spanEast : HUGE_VAL;
    const double byHeight = spanNorth > 0.0 ? height / spanNorth : HUGE_VAL;
    const double scale = std::min(byWidth, byHeight);
    // The axis with room to spare is the one stretched to keep the scale; narrowing the other
    // would cut off part of the path.
    m_xLeads = byWidth > byHeight;

    const double xSize = rect.width() / scale;
    m_plot->xAxis->setRange(east.center() - xSize / 2.0, east.center() + xSize / 2.0);
    const double belowPath = FitPadding + reserveBottom + (height - spanNorth * scale) / 2.0;
    const double lower = north.lower - belowPath / scale;
    m_plot->yAxis->setRange(lower, lower + rect.height() / scale);
}

void FlyGraph::applyEqualScale()
{
    const QRect rect = m_plot->axisRect()->rect();
    if (rect.width() <= 0 || rect.height() <= 0)
        return;
    if (m_xLeads)
        m_plot->xAxis->setScaleRatio(m_plot->yAxis, 1.0);
    else
        m_plot->yAxis->setScaleRatio(m_plot->xAxis, 1.0);
}

void FlyGraph::onAfterReplot()
{
    if (m_fitPending && m_plot->isVisible()) {
        fitToData();
        return;
    }
    updatePlotLayout();
    applyEqualScale();
}

void FlyGraph::graphSetsChanged()
{
    const QColor chartColor = ChartSettings::color(m_settings, ChartSettings::Chart);
    const QColor quarantineColor = ChartSettings::color(m_settings, ChartSettings::Quarantine);
    const QColor selectedColor = ChartSettings::color(m_settings, ChartSettings::Selected);
    const int chartSize = qMax(0, ChartSettings::size(m_settings, ChartSettings::Chart));
    const int quarantineSize = qMax(0, ChartSettings::size(m_settings, ChartSettings::Quarantine));
    const int selectedSize = qMax(0, ChartSettings::size(m_settings, ChartSettings::Selected));

    if (m_path) {
        const QPen pen(chartColor, chartSize);
        m_path->setPen(pen);
        m_path->setScatterStyle(circleScatter(pen));
        const QPen selectedPen(selectedColor, selectedSize);
        m_path->selectionDecorator()->setPen(selectedPen);
        m_path->selectionDecorator()->setScatterStyle(circleScatter(selectedPen),
                                                      QCPScatterStyle::spAll);
    }
    if (m_quarantine) {
        // The stored size is one more than the outline drawn: 2, the default, is one pixel.
        m_quarantine->setPen(QPen(quarantineColor, qMax(0, quarantineSize - 1)));
        m_quarantine->setScatterStyle(circleScatter(m_quarantine->pen(), quarantineColor));
    }
    m_ui->btn_line_color->setIcon(circleIcon(chartColor));
    m_ui->btn_quarantine_color->setIcon(circleIcon(quarantineColor));
    m_ui->btn_select_color->setIcon(circleIcon(selectedColor));
    m_plot->replot();
}

void FlyGraph::setSelected(QList<int> rows)
{
    flushPendingUpdate();
    if (!m_path)
        return;
    rows = validRows(std::move(rows), m_path->data()->size());
    QCPDataSelection selection;
    for (int i = 0; i < rows.size();) {
        int last = i;
        while (last + 1 < rows.size() && rows.at(last + 1) == rows.at(last) + 1)
            ++last;
        selection.addDataRange(QCPDataRange(rows.at(i), rows.at(last) + 1), false);
        i = last + 1;
    }
    m_applyingSelection = true;
    m_path->setSelection(selection);
    m_applyingSelection = false;
    syncLegendItem();
    m_plot->replot();
}

void FlyGraph::setQuarantine(QList<int> rows)
{
    flushPendingUpdate();
    if (!m_path)
        return;
    setQuarantinePoints(rows);
    m_plot->replot();
}

void FlyGraph::setQuarantinePoints(const QList<int> &rows)
{
    const QCPCurveDataContainer &path = *m_path->data();
    QVector<QCPCurveData> points;
    const QList<int> valid = validRows(rows, path.size());
    points.reserve(valid.size());
    for (const int row : valid)
        points.append(*path.at(row));
    m_quarantine->data()->set(points, true);
}

void FlyGraph::onSelectionChanged(const QCPDataSelection &selection)
{
    if (m_applyingSelection)
        return;
    QList<int> rows;
    for (const QCPDataRange &range : selection.dataRanges()) {
        for (int i = range.begin(); i < range.end(); ++i)
            rows.append(i);
    }
    emit toSelect(rows);
}

void FlyGraph::selectionChanged()
{
    // An axis is picked with its tick labels, and with its partner on the opposite side.
    const auto pairUp = [](QCPAxis *a, QCPAxis *b) {
        const QCPAxis::SelectableParts both = QCPAxis::spAxis | QCPAxis::spTickLabels;
        if (a->selectedParts() != QCPAxis::spNone || b->selectedParts() != QCPAxis::spNone) {
            a->setSelectedParts(both);
            b->setSelectedParts(both);
        }
    };
    pairUp(m_plot->xAxis, m_plot->xAxis2);
    pairUp(m_plot->yAxis, m_plot->yAxis2);

    if (!m_path)
        return;
    const QCPPlottableLegendItem *item = m_plot->legend->itemWithPlottable(m_path);
    if (!item)
        return;
    // The legend entry alone was picked: that means the whole path.
    if (item->selected() && !m_path->selected())
        m_path->setSelection(QCPDataSelection(m_path->data()->dataRange()));
    syncLegendItem();
}

void FlyGraph::syncLegendItem()
{
    // Highlighted only for the whole path: a few selected points are no reason to light it up.
    QCPPlottableLegendItem *item = m_plot->legend->itemWithPlottable(m_path);
    if (item)
        item->setSelected(!m_path->data()->isEmpty() && m_path->selection().dataRangeCount() == 1 &&
                          m_path->selection().dataRange(0) == m_path->data()->dataRange());
}

void FlyGraph::mouseWheel()
{
    QCPAxisRect *rect = m_plot->axisRect();
    // With the scale kept 1:1 one axis alone cannot zoom: the picked axis sets the scale and
    // the other follows, so the zoom centres on the pointer along the picked axis only.
    if (m_plot->xAxis->selectedParts().testFlag(QCPAxis::spAxis)) {
        rect->setRangeZoom(Qt::Horizontal);
        m_xLeads = false;
    } else if (m_plot->yAxis->selectedParts().testFlag(QCPAxis::spAxis)) {
        rect->setRangeZoom(Qt::Vertical);
        m_xLeads = true;
    } else {
        rect->setRangeZoom(Qt::Horizontal | Qt::Vertical);
    }
}

void FlyGraph::graphClicked(QCPAbstractPlottable *plottable, int dataIndex, QMouseEvent *)
{
    const auto *curve = qobject_cast<QCPCurve *>(plottable);
    if (!curve || dataIndex < 0 || dataIndex >= curve->data()->size())
        return;
    // t holds the row on both curves; a quarantine dot's data index is not its row.
    const QCPCurveData point = *curve->data()->at(dataIndex);
    const bool wgs84 = SettingsStore::isWgs84(m_settings);
    const QString text =
        tr("Clicked at data point #%1 with %2 %3 and %4 %5.")
            .arg(QString::number(qRound(point.t) + 1), wgs84 ? tr("Latitude") : tr("North"),
                 QString::number(point.value, 'f', 3), wgs84 ? tr("Longitude") : tr("East"),
                 QString::number(point.key, 'f', 3));
    m_ui->statusbar->showMessage(text, StatusMessageMs);
}

void FlyGraph::contextMenuRequest(QPoint pos)
{
    auto *menu = new QMenu(this);
    menu->setAttribute(Qt::WA_DeleteOnClose);
    if (m_plot->legend->selectTest(pos, false) >= 0) {
        const std::pair<QString, int> places[] = {
            {tr("Move to top left"), Qt::AlignTop | Qt::AlignLeft},
            {tr("Move to top center"), Qt::AlignTop | Qt::AlignHCenter},
            {tr("Move to top right"), Qt::AlignTop | Qt::AlignRight},
            {tr("Move to bottom right"), Qt::AlignBottom | Qt::AlignRight},
            {tr("Move to bottom left"), Qt::AlignBottom | Qt::AlignLeft}};
        for (const auto &[text, alignment] : places)
            menu->addAction(text, this, &FlyGraph::moveLegend)->setData(alignment);
    } else {
        menu->addAction(tr("Deselect all"), this, &FlyGraph::selectDeselect)->setData(0);
        menu->addAction(tr("Select all"), this, &FlyGraph::selectDeselect)->setData(1);
        menu->addSeparator();
        menu->addAction(tr("To Quarantine"), this, &FlyGraph::intoQuarantine);
        menu->addAction(tr("Remove from quarantine"), this, &FlyGraph::fromQuarantine);
        menu->addAction(tr("Clear quarantine"), this, &FlyGraph::clearQuarantine);
    }
    menu->popup(m_plot->mapToGlobal(pos));
}

void FlyGraph::moveLegend()
{
    const auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    const int alignment = legendAlignment(action->data().toInt());
    m_plot->axisRect()->insetLayout()->setInsetAlignment(0, Qt::Alignment(alignment));
    m_plot->replot();
    Keys::FlyviewLegendPos.write(m_settings, alignment);
    m_settings.sync();
}

void FlyGraph::selectDeselect()
{
    const auto *action = qobject_cast<QAction *>(sender());
    if (!action)
        return;
    if (action->data().toInt() == 0)
        emit toDeselectAll();
    else
        emit toSelectAll();
}

void FlyGraph::on_btn_zoomReset_clicked()
{
    fitToData();
    m_plot->replot();
}

void FlyGraph::on_btn_select_clicked()
{
    m_ui->btn_move->setChecked(false);
    m_ui->btn_select->setChecked(true);
    m_plot->setSelectionRectMode(QCP::srmSelect);
    m_plot->setCursor(Qt::CrossCursor);
}

void FlyGraph::on_btn_move_clicked()
{
    m_ui->btn_select->setChecked(false);
    m_ui->btn_move->setChecked(true);
    m_plot->setSelectionRectMode(QCP::srmNone);
    m_plot->unsetCursor();
}

void FlyGraph::on_btn_to_quarantine_clicked()
{
    emit intoQuarantine();
}

void FlyGraph::on_btn_from_quarantine_clicked()
{
    emit fromQuarantine();
}

void FlyGraph::on_btn_clear_quarantine_clicked()
{
    emit clearQuarantine();
}

void FlyGraph::on_fltrAccept(bool gimbal, int gimbalVal, bool dist, int distVal, bool expTime)
{
    if (distVal != Keys::FiltersValue.read(m_settings)) {
        Keys::FiltersValue.write(m_settings, distVal);
        m_settings.sync();
    }
    if (gimbalVal != Keys::FiltersValue2.read(m_settings)) {
        Keys::FiltersValue2.write(m_settings, gimbalVal);
        m_settings.sync();
    }
    emit swichEnabledFilter(0, dist);
    emit swichEnabledFilter(1, gimbal);
    emit swichEnabledFilter(2, expTime);
    emit acceptFilter();
}

void FlyGraph::on_fltrReset()
{
    emit cancelFilter();
}

void FlyGraph::on_toQuarantine()
{
    emit intoQuarantine();
}

void FlyGraph::legendDoubleClick(QCPLegend *, QCPAbstractLegendItem *item)
{
    auto *plottableItem = qobject_cast<QCPPlottableLegendItem *>(item);
    if (!plottableItem)
        return;
    const QCPAbstractPlottable *curve = plottableItem->plottable();
    // Beside the colour button of the same curve, where the operator finds it next time.
    openChartPopUp(curve->objectName(), curve->name(),
                   curve == m_quarantine ? m_ui->btn_quarantine_color : m_ui->btn_line_color);
}

QPoint FlyGraph::popUpAnchor(const QWidget *button, const PopUp *popUp) const
{
    // The bubble opens left of the button and a little above it; near a screen edge it moves
    // so that all of it stays on the screen.
    QPoint anchor = button->mapToGlobal(QPoint(0, 0));
    const QScreen *screen = button->screen();
    if (!screen)
        return anchor;
    const QRect area = screen->availableGeometry();
    const QSize size = popUp->sizeHint();
    anchor.setY(qMax(qMin(anchor.y(), area.bottom() + 1 + PopUpOffset - size.height()),
                     area.top() + PopUpOffset));
    anchor.setX(qMax(anchor.x(), area.left() + size.width() + PopUpOffset));
    return anchor;
}

void FlyGraph::on_btn_settings_clicked()
{
    if (!m_settingsPopUp) {
        m_settingsPopUp = new SettingsPopUp(this);
        connect(m_settingsPopUp, &SettingsPopUp::accepted, this, &FlyGraph::fullUpdateGrah);
    }
    m_settingsPopUp->show(popUpAnchor(m_ui->btn_settings, m_settingsPopUp));
}

void FlyGraph::on_btn_filter_clicked()
{
    if (!m_filterPopUp) {
        m_filterPopUp = new FilterPopUp(this);
        connect(m_filterPopUp, &FilterPopUp::acceptedFilters, this, &FlyGraph::on_fltrAccept);
        connect(m_filterPopUp, &FilterPopUp::resetFilters, this, &FlyGraph::on_fltrReset);
        connect(m_filterPopUp, &FilterPopUp::intoQuarantine, this, &FlyGraph::on_toQuarantine);
    }
    // Another block's graph may have stored other thresholds since.
    if (!m_filterPopUp->isVisible())
        m_filterPopUp->loadSettings();
    m_filterPopUp->show(popUpAnchor(m_ui->btn_filter, m_filterPopUp));
}

void FlyGraph::on_btn_line_color_clicked()
{
    openChartPopUp(ChartSettings::Chart, tr("Fly path"), m_ui->btn_line_color);
}

void FlyGraph::on_btn_quarantine_color_clicked()
{
    openChartPopUp(ChartSettings::Quarantine, tr("Quarantine dots"), m_ui->btn_quarantine_color);
}

void FlyGraph::on_btn_select_color_clicked()
{
    openChartPopUp(ChartSettings::Selected, tr("Selected"), m_ui->btn_select_color);
}

void FlyGraph::openChartPopUp(const QString &curve, const QString &title, const QWidget *button)
{
    if (!m_chartPopUp) {
        m_chartPopUp = new ChartPopUp(this);
        connect(m_chartPopUp, &ChartPopUp::accepted, this, &FlyGraph::graphSetsChanged);
    }
    m_chartPopUp->setCurve(curve, title);
    m_chartPopUp->show(popUpAnchor(button, m_chartPopUp));
}
