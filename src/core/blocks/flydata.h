#pragma once

#include "blocks/line.h"
#include "blocks/pairingresult.h"
#include "photos/adj.h"
#include "photos/capturetime.h"
#include "photos/photomodel.h"
#include "processing/blocksnapshot.h"

#include <QDateTime>
#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

class CustomTableModel;
class GeoCalc;
class OpentTimeMarkTableModel;
class PhotoModel;
class PreviewTableModel;
struct LineConversionReport;

/// The import's column numbers a block keeps (1-based; 0 for a column its file lacks).
struct BlockColumns
{
    int date = 0;
    int sdN = 0; //!< accuracy of the north (X) axis
    int sdE = 0; //!< accuracy of the east (Y) axis
    int sdH = 0;
};

/**
 * One flight: its photos and timemark rows paired by index, with everything the window and
 * the processing run need of it without a widget (labels, pair removal, quarantine, the
 * filters and the split at time gaps). The block widget owns one and shows it.
 */
class FlyData : public QObject
{
    Q_OBJECT
public:
    /// Filter switches, in menu order.
    enum Filter
    {
        ByDistance = 0,
        ByGimbalPitch = 1,
        ByExposureTime = 2
    };

    FlyData(int number, GeoCalc *geoCalc, QObject *parent = nullptr);
    ~FlyData() override;

    PhotoModel *photos() const { return m_photos; }
    CustomTableModel *timemarks() const { return m_timemarks; }
    PreviewTableModel *preview() const { return m_preview; }
    GeoCalc *geoCalc() const { return m_geoCalc; }

    int number() const { return m_number; }
    void setNumber(int number) { m_number = number; }
    /// The pattern the timemark file was last read with; empty before any import.
    QString delimiter() const { return m_delimiter; }
    void setDelimiter(const QString &delimiter) { m_delimiter = delimiter; }
    BlockColumns columns() const { return m_columns; }
    /// Also tells the timemark table whether the file has dates.
    void setColumns(const BlockColumns &columns);
    QString timemarkFileName() const { return m_timemarkFile; }
    void setTimemarkFileName(const QString &path) { m_timemarkFile = path; }
    bool noCheck() const { return m_noCheck; }
    void setNoCheck(bool noCheck) { m_noCheck = noCheck; }
    bool multipleBlocks() const { return m_multipleBlocks; }
    void setMultipleBlocks(bool multiple) { m_multipleBlocks = multiple; }

    /// Recomputes the label texts and the match state; returns the match state.
    bool updateLabels();
    bool countsMatch() const { return m_countsMatch; }
    QString photosLabel() const { return m_photosLabel; }
    QString metaLabel() const { return m_metaLabel; }
    QString statusLabel() const { return m_statusLabel; }
    /// Timemarks may be edited and pairs removed: counts match or the block is unchecked.
    bool pairEditingAllowed() const { return m_countsMatch || m_noCheck; }
    /// "12.34 Mb": the size of all photos, with the 0.9 thresholds between units.
    static QString sizeText(qint64 bytes);

    /**
     * Hands photos to the reader thread (false while a batch is still read). When the batch
     * is taken the block updates itself and emits changedPhotos() and changedMeta().
     */
    bool addPhotos(const QStringList &entries);
    /// Appends timemark rows, or replaces the table's rows when @p replace.
    void addTimemarks(const QList<Line> &rows, bool replace);

    /// What opening a timemark file does to the block's rows.
    enum class OnAdd
    {
        Append,
        Replace,
        Ask
    };
    /// Append when the block has no rows; otherwise meta/onadd: 1 appends, 2 replaces, any
    /// other value asks.
    OnAdd onAddChoice() const;
    /**
     * Takes the rows of an accepted import, read from @p table in the coordinate system
     * stored now: appended, or in place of the block's rows when @p replace. Records the
     * file's name, its delimiter pattern and the table's date and accuracy columns, and keeps
     * a copy of the table for reloadTimemarks(). When the conversion report counts a row that
     * is no position, returns false and changes nothing: taking some rows and not others
     * would shift every later pair. @p report receives the conversion report.
     */
    bool importTimemarks(const OpentTimeMarkTableModel &table, bool replace,
                         const QString &fileName, const QString &delimiter,
                         LineConversionReport *report = nullptr);
    /// Outcome of reloadTimemarks().
    enum class Reload
    {
        Done,
        NoImport, //!< the rows came from no import kept here
        Refused,  //!< an import is no position in the system stored now; rows kept
        Edited    //!< rows were removed or edited since they were read; rows kept
    };
    /**
     * Reads the imports the rows came from again, in the coordinate system stored now, in
     * place of the block's rows. On refusal @p report and @p fileName tell which import and
     * why. Rows removed or edited since they were read would come back as the file has them,
     * shifting every later pair, so then nothing is read.
     */
    Reload reloadTimemarks(LineConversionReport *report = nullptr, QString *fileName = nullptr);
    /// Updates the labels, resets the preview and emits changedMeta() without changing a row
    /// (an import whose rows were not taken still brings its columns).
    void refreshTimemarks();
    /**
     * Fills a block made by a split: rows, already-read photos, and what the source block
     * knew of its timemark file (its columns and @p delimiter, since the rows came from that
     * file). False, and nothing changed, when photos, attitudes and dates differ in length.
     */
    bool fillFromSplit(const QList<Line> &rows, const QStringList &photos, const QList<Adj> &adjs,
                       const QList<QDateTime> &dates, const BlockColumns &columns,
                       const QString &delimiter, const QList<CaptureTime> &captures = {});
    void removePhotos(const QList<int> &rows);
    void removeTimemarks(const QList<int> &rows);
    /// Drops the photos whose files are gone from disk; returns their entries in list order.
    QStringList removeMissing();
    /// Removes photos and timemark rows at the same indexes; only while pair editing is
    /// allowed. Returns whether any row was removed.
    bool removePairs(const QList<int> &rows);
    void clearPhotos();
    void clearTimemarks();

    /// Quarantine commands; each refuses with a notification when the counts differ.
    bool addQuarantine(const QList<int> &rows);
    bool removeQuarantine(const QList<int> &rows);
    bool clearQuarantine();
    QList<int> quarantinedRows() const;

    void setFilterEnabled(Filter filter, bool on);
    bool isFilterEnabled(Filter filter) const;
    /// Starts the switched-on filters; false when none is on. Their results arrive through
    /// filterRowsFound() (one emission per pass that found rows), and filtersFinished()
    /// follows once every started pass has reported.
    bool runFilters();
    /// A pass started by runFilters() has not reported yet.
    bool isFiltering() const;

    /// Cuts the block at time gaps of at least main/secundsToSlice: emits slicedBlock() for
    /// every piece from a cut on, keeps the rows before the first cut. Returns the number
    /// of pieces sent.
    int split();

    /// What a processing run reads of this block, copied.
    BlockSnapshot snapshot() const;

    /**
     * Checks by time whether the photos and timemark rows pair one to one (PairingCheck). The
     * result is kept: removeUnmatched() acts on it while the block stays unchanged.
     */
    PairingResult checkPairing();
    /// The result of the last checkPairing(), and whether the block is unchanged since.
    const PairingResult &lastPairing() const { return m_pairing; }
    bool isPairingCurrent() const;
    /**
     * Takes the photos and rows the last check named unmatched out of the lists (the files
     * stay where they are). False, and nothing changed, unless that check was clear, named
     * something, and the block is unchanged since.
     */
    bool removeUnmatched();
    /// restoreUnmatched() would bring the removed items back: the block is unchanged since.
    bool canRestoreUnmatched() const;
    /// Puts what removeUnmatched() took back at its places; the last check holds again.
    bool restoreUnmatched();
    /// Photos and rows both carry times, so that a check can tell more than "no dates".
    bool hasPairingTimes() const;
    /// The last check while the block is unchanged since, else a new one.
    const PairingResult &currentPairing();

signals:
    void changedPhotos();
    void changedMeta();
    /// A one-line message for the operator.
    void notification(const QString &text);
    /// A check ran, or what it named was removed or restored.
    void pairingChanged();
    void filterRowsFound(const QList<int> &rows);
    void filtersFinished();
    void slicedBlock(const QList<Line> &meta, const QStringList &photos, const QList<Adj> &adjCache,
                     const QList<QDateTime> &dateCache, int colDate, int colSX, int colSY,
                     int colSZ, const QList<CaptureTime> &captureCache);

private:
    void dropImports();
    bool countsEqualOrNotify();
    void changed(bool photos, bool meta);
    void distancePassEnded(const QList<int> &rows);
    void photoPassEnded(const QList<int> &rows);
    void finishFilterRun();

    int m_number;
    GeoCalc *m_geoCalc;
    PhotoModel *m_photos;
    CustomTableModel *m_timemarks;
    PreviewTableModel *m_preview;
    QString m_delimiter;
    BlockColumns m_columns;
    QString m_timemarkFile;
    /// An import the rows came from: a copy of its table (a child of this) and its file.
    struct KeptImport
    {
        OpentTimeMarkTableModel *table;
        QString fileName;
    };
    /// In row order.
    QList<KeptImport> m_imports;
    /// The rows as the kept imports gave them, to tell whether the table still holds them.
    QList<Line> m_importedRows;
    bool m_noCheck = false;
    bool m_multipleBlocks = false;
    bool m_countsMatch = false;
    QString m_photosLabel;
    QString m_metaLabel;
    QString m_statusLabel;
    bool m_filters[3] = {false, false, false};
    bool m_filterRun = false;
    bool m_distancePending = false;
    bool m_photoPending = false;
    QSettings m_settings;
    /// Counts every change of either list, so that a check or a removal can tell it is stale.
    quint64 m_revision = 0;
    PairingResult m_pairing;
    quint64 m_pairingRevision = 0;
    bool m_pairingKept = false;
    PairingResult m_takenPairing; // the check that named what was taken
    QList<PhotoModel::Row> m_takenPhotos;
    QList<QPair<int, Line>> m_takenRows;
    quint64 m_takenRevision = 0;
    bool m_canRestore = false;
};
