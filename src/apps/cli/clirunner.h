#pragma once

#include "app/clioptions.h"
#include "processing/processingreport.h"

#include <QList>
#include <QObject>
#include <QTextStream>

#include <memory>

class FlyData;
class GeoCalc;
class OpentTimeMarkTableModel;
class QTemporaryDir;

/**
 * One headless processing run: builds the blocks from the command line, runs the filters,
 * the split and the pre-checks, then the same processing job as the window.
 */
class CliRunner : public QObject
{
    Q_OBJECT
public:
    enum ExitCode
    {
        Done = 0,
        Refused = 1,
        Usage = 2,
        RunFailed = 3
    };

    explicit CliRunner(const CliOptions &options, QObject *parent = nullptr);
    ~CliRunner() override;

    /// Runs everything and returns the process exit code.
    int run();

private:
    bool isolateSettings();
    void applyOverrides();
    /// Whether the output folder is one or can be made; nothing is made here.
    bool checkOutputDir();
    /// Makes the output folder once every check passed.
    bool createOutputDir();
    /// The nearest folder above @p path (or @p path itself) that exists.
    static QString existingAncestor(const QString &path);
    bool loadBlock(const CliBlock &block, int number);
    /// The files of @p paths (folders give their photos in natural order); every path that is
    /// no regular file goes to @p refused as a sentence that says what it is.
    static QStringList expandPhotos(const QStringList &paths, QStringList *refused);
    /// Sets the table's first data row from --first-row (a file line, or auto) or the stored
    /// setting, and tells which line that is.
    bool chooseFirstRow(OpentTimeMarkTableModel &table, const QString &path, int number);
    /// The checks of the job itself, made before anything is written: photo prefix,
    /// photos given twice, dates that hold the output delimiter.
    bool passInputChecks();
    void splitBlocks();
    void quarantineByFilters();
    bool passPreChecks();
    int process();
    /// Prints what the run did; false when a photo was not copied or not listed.
    bool printReport(const ProcessingReport &report);
    void progress(int percent);

    CliOptions m_options;
    std::unique_ptr<QTemporaryDir> m_settingsDir;
    std::unique_ptr<GeoCalc> m_geoCalc;
    QList<FlyData *> m_flys;
    QTextStream m_out;
    QTextStream m_err;
    bool m_progressBar = false;
    int m_lastPercent = -1;
};
