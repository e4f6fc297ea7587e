#pragma once

#include "processing/blocksnapshot.h"
#include "processing/processingreport.h"
#include "processing/runmarker.h"
#include "processing/worktype.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QList>
#include <QString>

#include <atomic>
#include <memory>

class CoordinateFileWriter;
class FilesWork;
class GeoCalc;
class PhotoCopier;
class QSettings;

/**
 * One run of the processing job, in its steps: check the input, prepare the output folders,
 * open the coordinate files, the photo loop, and the end of the run with its report. Each
 * guarantee of a run lives in one step: nothing is created before the input passed its
 * checks, the folder is the run's alone while it goes (RunMarker), a coordinate file takes its
 * final name only when the run ends, and nothing that is not a position becomes a line or a
 * geotag.
 *
 * Made and executed by FilesWork::doWork() in the job's thread; it reports through the job's
 * signals.
 */
class ProcessingRun
{
    // The job's own context: its messages keep their translations.
    Q_DECLARE_TR_FUNCTIONS(FilesWork)
public:
    /// What the job was configured with.
    struct Setup
    {
        QString outputDir;
        bool autoDir = false;
        WorkType workType = FullWork;
        int parallelCopies = 1;
        GeoCalc *geoCalc = nullptr;
    };

    ProcessingRun(FilesWork &job, const QList<BlockSnapshot> &blocks, const Setup &setup,
                  const std::atomic<bool> &stop, QSettings &settings);
    ~ProcessingRun();
    ProcessingRun(const ProcessingRun &) = delete;
    ProcessingRun &operator=(const ProcessingRun &) = delete;

    /// Runs every step; the job's signals tell how it ended.
    void exec();

private:
    struct PendingPhoto;
    enum class LoopEnd
    {
        Done,
        Stopped,
        Failed
    };

    bool checkInput();
    bool prepareOutputFolders();
    bool openCoordinateFiles();
    LoopEnd processPhotos();
    void finish();
    void stopHere(int visited);
    /// Ends the run with a failure; @p withReport when photos were handled already.
    void failHere(int code, const QString &message, bool withReport = false);

    /// Reads one photo and makes everything its copy and its line need; only the writing of
    /// the copy is left, which another thread can do.
    void prepare(PendingPhoto &p);
    void prepareAndWrite(PendingPhoto &p);
    /// The copy, the line and the report entries of the photo whose turn it is; false when
    /// the coordinate file could not be written.
    bool finishPhoto(PendingPhoto &p, int *visited);
    QString imageFolder(int block) const;
    QString quarantineFolder(int block) const;
    /// Gives the coordinate files their final names and removes the marker: the run's
    /// folder is complete before the window hears that the run ended.
    bool closeOutput();

    FilesWork &m_job;
    const QList<BlockSnapshot> &m_blocks;
    const Setup m_setup;
    const std::atomic<bool> &m_stop;
    QSettings &m_settings;

    QElapsedTimer m_timer;
    QString m_out; // the run's folder with a trailing separator
    QString m_separator;
    QString m_prefix;
    bool m_wgs84 = false;
    int m_coordinateType = 0;
    bool m_copies = true;
    bool m_lines = true;
    bool m_split = false;
    int m_configuredZone = 0;
    int m_total = 0;
    float m_step = 0.0f;

    RunMarker m_marker;
    std::unique_ptr<CoordinateFileWriter> m_writer;
    std::unique_ptr<PhotoCopier> m_copier;
    ProcessingReport m_report;
    int m_counter = 1;
};
