#pragma once

#include "processing/blocksnapshot.h"
#include "processing/processingreport.h"
#include "processing/worktype.h"

#include <QList>
#include <QObject>
#include <QSettings>
#include <QString>
#include <QStringList>

#include <atomic>
#include <mutex>

class GeoCalc;
class FlyData;

/**
 * The processing run: copies every photo of every block under a new unique name (quarantined
 * ones apart), corrects its timemark position for the antenna offset with the photo's own
 * attitude, geotags the copy and writes the coordinate file(s).
 *
 * Lives in a thread of its own; doWork() is the run, whose steps ProcessingRun takes. Its input
 * is a copy of the blocks taken when they are handed over, so the window may go on changing its
 * lists. The copies' bytes are written by short-lived helper threads that touch nothing but
 * files; everything else happens in the run's thread, in photo order.
 */
class FilesWork : public QObject
{
    Q_OBJECT
public:
    /// Negative results of workFinished(); zero or more is the run's duration in seconds.
    enum Failure
    {
        CoordinateFileOpenFailed = -1,  //!< a coordinate file could not be created
        CoordinateFileExists = -2,      //!< a coordinate file of that name exists already
        CoordinateFileWriteFailed = -3, //!< a coordinate line could not be written
        InvalidPrefix = -5,             //!< the photo prefix is not a file-name part
        OutputDirUnusable = -6,         //!< the output folder or a subfolder cannot be used
        OutputDirBusy = -7,             //!< another run is writing into the output folder
        DuplicatePhotos = -8,           //!< a photo is in the run twice
        DateHoldsSeparator = -9         //!< a date would break its line of the coordinate file
    };

    explicit FilesWork(GeoCalc *geoCalc, QObject *parent = nullptr);

    /**
     * Asks the run to stop before its next photo; made before the run starts, it stops the run
     * before anything is written. Callable from any thread, and from a signal handler.
     */
    void stop();
    /// The run's folder (automatic subdirectory included) once a run has started.
    QString outputDirectory() const;
    /// Longest photo prefix, in UTF-8 bytes.
    static constexpr int MaxPrefixBytes = 200;

    /// Whether @p prefix can stand at the front of a file name in the output folder, on
    /// every file system a copy may go to: no path or control characters, none of : * ? " < >
    /// |, not "." or "..", at most MaxPrefixBytes long.
    static bool isValidPrefix(const QString &prefix);
    /// Why @p prefix cannot name the photos of a run whose coordinate file uses
    /// @p separator (empty: no coordinate file); empty when it can.
    static QString prefixProblem(const QString &prefix, const QString &separator);
    /// "KES_2_00137.JPG".
    static QString photoName(const QString &prefix, int blockNumber, int counter);
    /// One sentence for each photo that is in @p blocks more than once (its real path
    /// decides): it would be geotagged at two positions.
    static QStringList duplicatePhotos(const QList<BlockSnapshot> &blocks);
    /// Why a date of @p blocks cannot go into a coordinate file that separates its fields with
    /// @p separator (it holds the separator or a line break), when the Date column is written;
    /// empty when every date can.
    static QString dateProblem(const QList<BlockSnapshot> &blocks, const QString &separator);
    /// What keeps a run of some blocks from starting, known before any file is made.
    struct InputCheck
    {
        int code = 0;      //!< 0, InvalidPrefix, DuplicatePhotos or DateHoldsSeparator
        QStringList lines; //!< why, one sentence a line
        QString separator; //!< the coordinate file's field separator
    };
    /**
     * Checks the photo prefix, photos given twice and dates that would break a line of the
     * coordinate file, in this order, and stops at the first problem; @p lines tells whether
     * a coordinate file is written.
     */
    static InputCheck checkInput(const QList<BlockSnapshot> &blocks, const QSettings &settings,
                                 bool lines);

    /// How many copies are written at the same time; 1 writes them one after the other.
    /// Names, lines and messages come in photo order either way.
    void setParallelCopies(int count);
    /// One per core, at least 2 and at most 4.
    static int defaultParallelCopies();

public slots:
    void doWork();
    void setOutputDir(const QString &path);
    /// Takes a snapshot of each block now.
    void setFlys(const QList<FlyData *> &flys);
    void setBlocks(const QList<BlockSnapshot> &blocks);
    void setCsvSeparator(const QString &separator);
    void setAutoDir(bool autoDir);
    void setWorkType(WorkType type);
    void setGeoCalc(GeoCalc *geoCalc);

signals:
    void curProcess(int percent);
    void curProcessFile(const QString &text);
    void workFinished(int result);
    /// The run ended at a stop request (then workFinished is not emitted).
    void stopped();
    /// Emitted at the end of every run that got as far as its folders, before workFinished.
    void reportReady(const ProcessingReport &report);

private:
    friend class ProcessingRun;
    bool fail(int code, const QString &message);
    void setRunDirectory(const QString &dir);

    GeoCalc *m_geoCalc;
    QString m_path;
    mutable std::mutex m_runDirMutex; // a Qt mutex would be invisible to the thread sanitizer
    QString m_runDir;                 // guarded: the window reads it while the run goes on
    QList<BlockSnapshot> m_blocks;
    QString m_sep = QStringLiteral("\t");
    bool m_auto = false;
    std::atomic<bool> m_stop{false};
    WorkType m_workType = FullWork;
    int m_parallelCopies = defaultParallelCopies();
    QSettings m_settings;
};
