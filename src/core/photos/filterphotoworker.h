#pragma once

#include "photos/filtertype.h"

#include <QList>
#include <QObject>
#include <QStringList>

/**
 * Tests the photos of a block against the gimbal pitch and exposure time checks and
 * reports the rows that fail. Runs in the photo list's filter thread and stops that thread
 * when its pass ends. Quarantined photos are never opened; a photo that cannot be opened
 * or lacks the tag a check reads is skipped without being reported.
 */
class FilterPhotoWorker : public QObject
{
    Q_OBJECT
public:
    explicit FilterPhotoWorker(QObject *parent = nullptr);

    /// Half-width in degrees of the accepted gimbal pitch band around the threshold.
    static constexpr double GimbalTolerance = 7.0;
    /// Exposures below this many seconds (compared after single-precision reading) fail.
    static constexpr double MinExposure = 0.000625;

public slots:
    /// One pass over the photos; run by the thread's started signal.
    void doWork();
    void setData(const QStringList &data);
    /// The gimbal pitch the photos should have, in degrees.
    void setValSS(int valSS);
    /// One flag per photo, index for index with the data.
    void setQuarantine(const QList<bool> &rows);
    void setFilterType(FilterTypes type);

signals:
    /// Rows that failed a check, ascending.
    void workFinished(const QList<int> &rows);
    /// Never emitted; kept for owners that connect to it.
    void workFinishedFail();
    void workProcess(int percent);

private:
    void stopOwnThread();

    QStringList m_paths;
    int m_valSS = -90;
    QList<bool> m_quarantine;
    FilterTypes m_type;
};
