#pragma once

#include "blocks/line.h"

#include <QList>
#include <QObject>

#include <atomic>

/**
 * The "by distance" timemark filter: finds rows that lie in the middle of a short, nearly
 * straight stretch of the path (angle at the row 176..184 degrees and the two legs together
 * shorter than the threshold). Lives in a thread of its own; the inputs are set before the
 * thread starts, doWork() runs on its start and ends by quitting that thread.
 */
class FilterMetaWorker : public QObject
{
    Q_OBJECT
public:
    explicit FilterMetaWorker(QObject *parent = nullptr);

    int valSS() const { return m_valSS; }
    /// Asks a running pass to stop early; it then reports workFinishedFail().
    void requestStop() { m_stop = true; }

public slots:
    void doWork();
    void setData(QList<Line> data);
    void setValSS(int metres);
    void setQuarantine(QList<bool> rows);

signals:
    /// Rows to thin out, ascending, never row 0 nor a quarantined row.
    void workFinished(QList<int> rows);
    void workFinishedFail();
    /// 0..100.
    void workProcess(int percent);

private:
    QList<Line> m_data;
    QList<bool> m_quarantine;
    int m_valSS = 30;
    std::atomic<bool> m_stop{false};
};
