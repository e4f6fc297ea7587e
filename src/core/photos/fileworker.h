#pragma once

#include "photos/adj.h"
#include "photos/capturetime.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QStringList>

/**
 * Reads a batch of photos in a thread of its own: keeps those whose XMP carries the
 * drone's pitch, yaw and roll, with their attitude and exposure date, and hands the
 * lists back in one queued signal. Each photo is opened once and only its metadata read.
 */
class FileWorker : public QObject
{
    Q_OBJECT
public:
    explicit FileWorker(QObject *parent = nullptr);

    QStringList fileList() const { return m_entries; }

public slots:
    /// Reads the list given to setFileList(); run by the thread's started signal.
    void addWork();
    /// Replaces the entries to read; only while no batch runs.
    void setFileList(const QStringList &entries);

signals:
    /// @p newList accepted entries with @p adjCache, @p dCache and @p captureCache index for
    /// index; @p noFiles entries refused for lacking the attitude tags.
    void addFinished(const QStringList &newList, const QStringList &noFiles,
                     const QList<Adj> &adjCache, const QList<QDateTime> &dCache,
                     const QList<CaptureTime> &captureCache);
    /// No entry of the batch was accepted.
    void addFinishedFail();
    void addProcess(int percent);

private:
    QStringList m_entries;
};
