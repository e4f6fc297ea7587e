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
 * lists back in one queued signal. Each photo is opened once and only its metadata read;
 * only regular files are opened, never waiting on one.
 *
 * Every photo it does not keep is named with its reason in addRefused().
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
    /// index; @p noFiles entries refused for lacking a usable attitude (missing, not a number,
    /// out of range).
    void addFinished(const QStringList &newList, const QStringList &noFiles,
                     const QList<Adj> &adjCache, const QList<QDateTime> &dCache,
                     const QList<CaptureTime> &captureCache);
    /// No entry of the batch was accepted; @p noFiles as in addFinished().
    void addFinishedFail(const QStringList &noFiles);
    /**
     * Every entry of the batch that was not accepted, in batch order, each with why: a phrase
     * that follows the photo's name ("is a folder", "is not a JPEG photo"). Emitted before
     * addFinished() or addFinishedFail(), only when an entry was refused.
     */
    void addRefused(const QStringList &entries, const QStringList &reasons);
    void addProcess(int percent);

private:
    QStringList m_entries;
};
