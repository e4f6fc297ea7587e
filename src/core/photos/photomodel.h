#pragma once

#include "photos/adj.h"
#include "photos/capturetime.h"
#include "photos/filtertype.h"

#include <QAbstractListModel>
#include <QDateTime>
#include <QList>
#include <QStringList>
#include <QThread>

class FileWorker;
class FilterPhotoWorker;

/**
 * The photos of one block in pairing order, each with its attitude, exposure date, capture
 * time and quarantine flag (parallel lists). The exposure date is the whole-second
 * "Exif.Image.DateTime" that splitting has always used; the capture time is the most precise
 * time the photo tells, for the pairing check. New photos are read by a FileWorker in a thread of
 * its own; the photo filter runs in a second thread. Entries keep the form they arrived in
 * (path or file URL); every file access goes through nativePhotoPath.
 *
 * A photo is in the list once: an entry whose file (its real path) is already there, or
 * earlier in the same batch, is skipped and reported with the refused ones.
 */
class PhotoModel : public QAbstractListModel
{
    Q_OBJECT
public:
    enum Roles
    {
        QuarantineRole = 39,  //!< the row's quarantine flag
        GimbalPitchRole = 40, //!< Xmp.drone-dji.GimbalPitchDegree, read from the file each time
    };

    explicit PhotoModel(QObject *parent = nullptr);
    /// Stops both worker threads (interrupting a running pass) and waits for them.
    ~PhotoModel() override;

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation,
                        int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex &index) const override;

    /**
     * Hands a copy of @p entries to the reader and starts its thread. False, and nothing
     * done, while a batch is still being read.
     */
    bool addPhotos(const QStringList &entries);
    /// Whether a batch is being read.
    bool isAdding() const;
    /**
     * Appends photos that were read already (a block split off another), unflagged. Without
     * @p captures their capture times are unknown. False, and nothing changed, when the
     * lists differ in length.
     */
    bool appendPhotos(const QStringList &entries, const QList<Adj> &adjs,
                      const QList<QDateTime> &dates, const QList<CaptureTime> &captures = {});

    /// One photo with all the list keeps of it, to take it out and put it back.
    struct Row
    {
        int index = 0; //!< its position in the list
        QString entry;
        Adj adj;
        QDateTime date;
        CaptureTime capture;
        qint64 size = 0;
    };
    /// Removes the listed rows (any order; repeats and rows outside ignored) and returns
    /// them ascending by index.
    QList<Row> takeRows(const QList<int> &rows);
    /// Puts rows taken by takeRows() back at their positions, unflagged.
    void restoreRows(const QList<Row> &rows);
    /// Removes the rows whose files no longer exist; returns their entries in list order.
    QStringList removeMissing();
    void clearPhotos();
    /// Removes every row from @p row to the end.
    bool removeFrom(int row);

    void setQuarantine(const QList<int> &rows);
    void unsetQuarantine(const QList<int> &rows);
    void clearQuarantine();
    /// With -1: whether any row is quarantined; else whether @p row is.
    bool isQuarantined(int row = -1) const;
    QList<bool> quarantineFlags() const { return m_quarantine; }

    QStringList entries() const { return m_entries; }
    /// Rows @p from to @p to, both included, clipped to the list.
    QStringList entries(int from, int to) const;
    QString entry(int row) const;
    /// Attitude of a row; all zero past the end.
    Adj adj(int row) const;
    QList<Adj> adjs(int from, int to) const;
    /// Exposure date of a row; invalid past the end.
    QDateTime date(int row) const;
    QList<QDateTime> dates(int from, int to) const;
    /// Capture times of all rows; invalid where a photo tells none.
    QList<CaptureTime> captureTimes() const { return m_captures; }
    QList<CaptureTime> captureTimes(int from, int to) const;
    /// Bytes of all photos' files.
    qint64 totalVolume() const { return m_volume; }
    /// The entries the last batch refused, as photosRefused() told them.
    QStringList refusedEntries() const { return m_refused; }
    /// The entries of the last batch refused for lacking a usable attitude, also when no
    /// entry was accepted (filesNoAdded() tells them only when one was).
    QStringList noTagEntries() const { return m_noTag; }
    /// Each photo's file size as it was when the photo was added (0: not readable then).
    QList<qint64> fileSizes() const { return m_sizes; }

    /**
     * Starts the photo filter on a copy of the entries and quarantine flags. A pass still
     * running is interrupted first and reports nothing.
     */
    void startFilter(FilterTypes type, int valSS);
    /// Interrupts a running filter pass; it reports nothing.
    void stopFilter();
    bool isFilterRunning() const;

public slots:
    void addFinished(const QStringList &newList, const QStringList &noFiles,
                     const QList<Adj> &adjCache, const QList<QDateTime> &dCache,
                     const QList<CaptureTime> &captureCache);
    void addFinishedFail();
    void removePhoto(int pos);
    /// Removes the listed rows, given in any order; duplicates and rows outside are ignored.
    void removePhotos(const QList<int> &rows);
    void filterFinished(const QList<int> &rows);
    void filterFinishedFail();
    /// Takes the reader's refusals of the batch being read.
    void addRefused(const QStringList &entries, const QStringList &reasons);

signals:
    /// A batch has been taken over (also when none of it was accepted).
    void photosAdded();
    /// Entries of the batch refused for lacking a usable attitude (see photosRefused()).
    void filesNoAdded(const QStringList &noFiles);
    /**
     * Every entry of the last batch that was not added, each with why (a phrase that follows
     * the photo's name: "is a folder", "is the same photo as …"): unreadable files, photos
     * without a usable attitude, duplicates. Emitted before photosAdded(), also when nothing
     * was accepted, and only when an entry was refused.
     */
    void photosRefused(const QStringList &entries, const QStringList &reasons);
    /// No photo of the batch was accepted.
    void addNoPhotos();
    /// Reading progress of the current batch, 0 to 99.
    void addProcess(int percent);
    /// Rows the photo filter reported.
    void filterResult(const QList<int> &rows);
    void filterProcess(int percent);

private:
    void stopThread(QThread &thread);
    /// Sets the flags of @p rows; one dataChanged() over the rows that changed.
    void setFlags(const QList<int> &rows, bool flag);
    /// Emits photosRefused() for the batch just taken, when anything was refused.
    void reportRefused();
    /// Records the sizes of the entries from @p first on and sums up the volume.
    void recordSizes(int first);

    QStringList m_entries;
    QList<bool> m_quarantine;
    QList<Adj> m_adjs;
    QList<QDateTime> m_dates;
    QList<CaptureTime> m_captures;
    QList<qint64> m_sizes;
    qint64 m_volume = 0;
    QStringList m_refused;
    QStringList m_refusalReasons;
    QStringList m_noTag;

    QThread m_readerThread;
    FileWorker *m_reader = nullptr;
    QThread m_filterThread;
    FilterPhotoWorker *m_filter = nullptr;
};
