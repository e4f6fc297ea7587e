#pragma once

// Gestures on the flight graph's plot and what its curves hold, shared by the widget tests, the
// benchmarks and the screenshot drivers. Header only: the support library has no widgets.

#include <QApplication>
#include <QList>
#include <QMouseEvent>
#include <QPair>
#include <QWidget>
#include <qcustomplot.h>

namespace PlotGestures {

/// A mouse event as a hand would send it: a move carries no button of its own.
inline void sendMouse(QWidget *widget, QEvent::Type type, QPoint pos, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, pos, widget->mapToGlobal(pos),
                      type == QEvent::MouseMove ? Qt::NoButton : Qt::LeftButton, buttons,
                      Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

/// The plot pixel nearest to the map position (@p east, @p north).
inline QPoint pixelOf(const QCustomPlot *plot, double east, double north)
{
    return QPoint(qRound(plot->xAxis->coordToPixel(east)),
                  qRound(plot->yAxis->coordToPixel(north)));
}

/// Drags with the left button from @p from to @p to over their middle.
inline void drag(QWidget *widget, QPoint from, QPoint to)
{
    sendMouse(widget, QEvent::MouseButtonPress, from, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseMove, (from + to) / 2, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseMove, to, Qt::LeftButton);
    sendMouse(widget, QEvent::MouseButtonRelease, to, Qt::NoButton);
}

/// The rows a curve shows (its points' t), in its order.
inline QList<int> rowsOf(const QCPCurve *curve)
{
    QList<int> rows;
    for (auto it = curve->data()->constBegin(); it != curve->data()->constEnd(); ++it)
        rows << int(it->t);
    return rows;
}

/// The point ranges of a selection as [begin, end) pairs.
inline QList<QPair<int, int>> rangesOf(const QCPDataSelection &selection)
{
    QList<QPair<int, int>> ranges;
    for (const QCPDataRange &range : selection.dataRanges())
        ranges << qMakePair(range.begin(), range.end());
    return ranges;
}

} // namespace PlotGestures
