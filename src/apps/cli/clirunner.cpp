#include "clirunner.h"

#include "app/logcategories.h"
#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "processing/coordinatefilewriter.h"
#include "processing/fileswork.h"
#include "processing/outputlabelmodel.h"
#include "processing/precheck.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <unistd.h>

namespace {

std::atomic<bool> g_interrupted{false};

extern "C" void onInterrupt(int)
{
    g_interrupted = true;
}

// Digit runs compare by value, everything else without regard to letter case.
bool naturalLess(const QString &a, const QString &b)
{
    int i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a.at(i).isDigit() && b.at(j).isDigit()) {
            int ei = i, ej = j;
            while (ei < a.size() && a.at(ei).isDigit())
                ++ei;
            while (ej < b.size() && b.at(ej).isDigit())
                ++ej;
            // Without leading zeros a longer run is the larger number.
            QStringView da = QStringView(a).mid(i, ei - i), db = QStringView(b).mid(j, ej - j);
            while (da.size() > 1 && da.front() == QLatin1Char('0'))
                da = da.mid(1);
            while (db.size() > 1 && db.front() == QLatin1Char('0'))
                db = db.mid(1);
            if (da.size() != db.size())
                return da.size() < db.size();
            if (const int c = da.compare(db); c != 0)
                return c < 0;
            i = ei;
            j = ej;
            continue;
        }
        const QChar ca = a.at(i).toCaseFolded(), cb = b.at(j).toCaseFolded();
        if (ca != cb)
            return ca < cb;
        ++i;
        ++j;
    }
    if ((a.size() - i) != (b.size() - j))
        return (a.size() - i) < (b.size() - j);
    return a < b; // equal but for case or zeros: still a defined order
}

} // namespace

CliRunner::CliRunner(const CliOptions &options, QObject *parent)
    : QObject(parent), m_options(options), m_out(stdout), m_err(stderr)
{
    m_progressBar = ::isatty(STDERR_FILENO) == 1;
}

CliRunner::~CliRunner()
{
    qDeleteAll(m_flys);
    m_flys.clear();
}

bool CliRunner::isolateSettings()
{
    // The run works on a private copy of the stored settings: overrides and whatever the
    // readers remember must not reach the operator's own store.
    m_settingsDir = std::make_unique<QTemporaryDir>();
    return m_settingsDir->isValid() && SettingsStore::usePrivateCopy(m_settingsDir->path());
}

void CliRunner::applyOverrides()
{
    QSettings s;
    const CliOptions &o = m_options;
    if (o.subdir)
        Keys::OutputAutoCreate.write(s, *o.subdir);
    if (o.prefix)
        Keys::PhotoPrefix.write(s, *o.prefix);
    if (o.coordinateType)
        Keys::CoordinateType.write(s, *o.coordinateType);
    if (o.utmZone)
        Keys::CoordinateUtmZone.write(s, *o.utmZone);
    if (o.columns) {
        const QList<int> &c = *o.columns;
        Keys::MetaPosDate.write(s, c.at(0));
        Keys::MetaPosX.write(s, c.at(1));
        Keys::MetaPosY.write(s, c.at(2));
        Keys::MetaPosZ.write(s, c.at(3));
        Keys::MetaPosSx.write(s, c.value(4, 0));
        Keys::MetaPosSy.write(s, c.value(5, 0));
        Keys::MetaPosSz.write(s, c.value(6, 0));
    }
    if (o.firstRow)
        Keys::MetaPosFirst.write(s, *o.firstRow);
    if (o.offset) {
        Keys::OffsetX.write(s, o.offset->at(0));
        Keys::OffsetY.write(s, o.offset->at(1));
        Keys::OffsetZ.write(s, o.offset->at(2));
    }
    if (o.leverArmDesign)
        Keys::LeverArmDesign.write(s, *o.leverArmDesign);
    if (o.splitFolders)
        Keys::OutputSplitFoldersBlock.write(s, true);
    if (o.outDelimiter)
        Keys::MetaOutSeparator.write(s, *o.outDelimiter);
    if (o.splitGap)
        Keys::SecondsToSlice.write(s, *o.splitGap);
    if (o.distance)
        Keys::FiltersValue.write(s, *o.distance);
    if (o.gimbal)
        Keys::FiltersValue2.write(s, *o.gimbal);
    s.sync();
    if (o.pix4d) {
        Keys::OutputPix4dLabel.write(s, true);
        s.sync();
        OutputLabelModel labels;
        labels.applyPix4dPreset();
    }
}

bool CliRunner::prepareOutputDir()
{
    const QFileInfo info(m_options.outDir);
    if (info.exists() && !info.isDir()) {
        m_err << tr("The output folder %1 is a file").arg(m_options.outDir) << Qt::endl;
        return false;
    }
    if (!info.exists() && !QDir().mkpath(m_options.outDir)) {
        m_err << tr("Cannot create the output folder %1").arg(m_options.outDir) << Qt::endl;
        return false;
    }
    return true;
}

QStringList CliRunner::expandPhotos(const QStringList &paths, QStringList *missing)
{
    QStringList photos;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            // Name filters match without regard to letter case.
            QStringList names = QDir(path).entryList({"*.jpg", "*.jpeg"}, QDir::Files);
            // Natural order, as a file manager shows them: DJI_9999 before DJI_10000. Photos
            // are paired with timemark rows by this order, so it must not depend on the locale.
            std::sort(names.begin(), names.end(), naturalLess);
            for (const QString &name : names)
                photos << QDir(path).absoluteFilePath(name);
        } else if (info.isFile()) {
            photos << info.absoluteFilePath();
        } else {
            *missing << path;
        }
    }
    return photos;
}

bool CliRunner::loadBlock(const CliBlock &block, int number)
{
    auto *fly = new FlyData(number, m_geoCalc.get());
    m_flys << fly;

    OpentTimeMarkTableModel table(m_geoCalc.get());
    TimemarkFile file(&table);
    file.setRemembersChoices(false);
    bool recognised = false;
    if (!QFileInfo(block.timemarks).isFile()) {
        m_err << tr("Timemark file %1 does not exist").arg(block.timemarks) << Qt::endl;
        return false;
    }
    if (m_options.delimiter) {
        file.setFileName(block.timemarks);
        file.setSeparatorIndex(*m_options.delimiter);
        recognised = true;
    } else {
        recognised = file.detectSeparator(block.timemarks);
    }
    if (!recognised || !file.loadTable()) {
        m_err << tr("Timemark file %1 is not recognised").arg(block.timemarks);
        if (!file.errorText().isEmpty())
            m_err << ": " << file.errorText();
        m_err << Qt::endl;
        return false;
    }
    file.applyStoredColumns();
    LineConversionReport report;
    const QList<Line> lines = table.toLines(&report);
    if (report.hasProblems())
        m_err << tr("Warning: %1: %2").arg(block.timemarks, report.warningText()) << Qt::endl;
    QSettings s;
    fly->setDelimiter(file.separatorPattern());
    fly->setColumns(BlockColumns{Keys::MetaPosDate.read(s), Keys::MetaPosSx.read(s),
                                 Keys::MetaPosSy.read(s), Keys::MetaPosSz.read(s)});
    fly->setTimemarkFileName(block.timemarks);
    fly->addTimemarks(lines, false);

    QStringList missing;
    const QStringList photos = expandPhotos(block.photos, &missing);
    for (const QString &path : missing)
        m_err << tr("Photo %1 does not exist").arg(path) << Qt::endl;
    if (!missing.isEmpty())
        return false;
    QStringList refused;
    QEventLoop loop;
    connect(fly->photos(), &PhotoModel::filesNoAdded, &loop,
            [&refused](const QStringList &names) { refused << names; });
    connect(fly->photos(), &PhotoModel::photosAdded, &loop, &QEventLoop::quit);
    fly->photos()->addPhotos(photos);
    loop.exec();
    const int accepted = fly->photos()->rowCount();
    if (accepted == 0 && !photos.isEmpty())
        refused = photos;
    for (const QString &name : refused)
        m_err << tr("Refused (no drone attitude in its XMP): %1").arg(name) << Qt::endl;
    fly->updateLabels();
    m_err << tr("Block %1: %2 photos, %3 timemark rows")
                 .arg(number)
                 .arg(accepted)
                 .arg(fly->timemarks()->rowCount())
          << Qt::endl;
    return true;
}

void CliRunner::splitBlocks()
{
    const QList<FlyData *> originals = m_flys;
    for (FlyData *fly : originals) {
        connect(fly, &FlyData::notification, this, [this, fly](const QString &text) {
            m_err << tr("Block %1: %2").arg(fly->number()).arg(text) << Qt::endl;
        });
        connect(fly, &FlyData::slicedBlock, this,
                [this, fly](const QList<Line> &meta, const QStringList &photos,
                            const QList<Adj> &adjs, const QList<QDateTime> &dates, int colDate,
                            int colSX, int colSY, int colSZ) {
                    auto *piece = new FlyData(m_flys.size() + 1, m_geoCalc.get());
                    m_flys << piece;
                    piece->fillFromSplit(meta, photos, adjs, dates,
                                         BlockColumns{colDate, colSX, colSY, colSZ},
                                         fly->delimiter());
                });
        fly->split();
    }
}

void CliRunner::quarantineByFilters()
{
    for (FlyData *fly : qAsConst(m_flys)) {
        fly->setFilterEnabled(FlyData::ByDistance, m_options.filterDistance);
        fly->setFilterEnabled(FlyData::ByGimbalPitch, m_options.filterGimbal);
        fly->setFilterEnabled(FlyData::ByExposureTime, m_options.filterExposure);
        QList<int> rows;
        QEventLoop loop;
        connect(fly, &FlyData::filterRowsFound, &loop,
                [&rows](const QList<int> &found) { rows << found; });
        connect(fly, &FlyData::filtersFinished, &loop, &QEventLoop::quit);
        if (!fly->runFilters())
            continue;
        loop.exec();
        std::sort(rows.begin(), rows.end());
        rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
        if (fly->addQuarantine(rows))
            m_err << tr("Block %1: %2 pairs quarantined by the filters")
                         .arg(fly->number())
                         .arg(fly->quarantinedRows().size())
                  << Qt::endl;
        else
            m_err << tr("Block %1: the filters found %2 rows, but the pairs cannot be "
                        "quarantined: Count photos and timemarks must be equal")
                         .arg(fly->number())
                         .arg(rows.size())
                  << Qt::endl;
    }
}

bool CliRunner::passPreChecks()
{
    QSettings s;
    QList<PreCheckBlock> blocks;
    for (const FlyData *fly : qAsConst(m_flys))
        blocks << PreCheckBlock{fly->photos()->rowCount(), fly->timemarks()->rowCount(),
                                fly->photos()->totalVolume()};
    const PreCheckResult r = PreCheck::evaluate(blocks, PreCheck::inspect(m_options.outDir),
                                                Keys::OutputAutoCreate.read(s));
    if (!r.volumeValid)
        m_err << tr("Hard disk error") << Qt::endl;
    if (!r.diskStatus.isEmpty())
        m_err << r.diskStatus.trimmed() << Qt::endl;
    const QString refusal = PreCheck::refusal(r);
    if (refusal.isEmpty())
        return true;
    m_err << refusal << Qt::endl;
    if (m_options.noCheck) {
        m_err << tr("Running anyway (--no-check)") << Qt::endl;
        return true;
    }
    return false;
}

void CliRunner::progress(int percent)
{
    if (!m_progressBar || percent == m_lastPercent)
        return;
    m_lastPercent = percent;
    const int width = 40;
    const int filled = width * qBound(0, percent, 100) / 100;
    m_err << '\r' << '[' << QString(filled, QLatin1Char('#'))
          << QString(width - filled, QLatin1Char(' ')) << "] " << percent << '%';
    if (percent >= 100)
        m_err << '\n';
    m_err.flush();
}

int CliRunner::process()
{
    FilesWork job(m_geoCalc.get());
    QThread thread;
    job.moveToThread(&thread);
    connect(&thread, &QThread::started, &job, &FilesWork::doWork);
    job.setOutputDir(m_options.outDir);
    QSettings s;
    job.setAutoDir(Keys::OutputAutoCreate.read(s));
    job.setWorkType(WorkType(m_options.workType.value_or(FullWork)));
    job.setFlys(m_flys);

    QEventLoop loop;
    int result = 0;
    bool stopped = false;
    QString lastText;
    ProcessingReport report;
    bool haveReport = false;
    connect(&job, &FilesWork::curProcess, this, &CliRunner::progress);
    connect(&job, &FilesWork::curProcessFile, this,
            [&lastText](const QString &t) { lastText = t; });
    connect(&job, &FilesWork::reportReady, this, [&](const ProcessingReport &r) {
        report = r;
        haveReport = true;
    });
    connect(&job, &FilesWork::workFinished, &loop, [&](int code) {
        result = code;
        loop.quit();
    });
    connect(&job, &FilesWork::stopped, &loop, [&] {
        stopped = true;
        loop.quit();
    });
    if (g_interrupted) {
        m_err << tr("The task is canceled") << Qt::endl;
        return RunFailed;
    }
    // The job clears its stop flag when it starts, so an interrupt is passed on for as long
    // as the run goes, not once.
    QTimer interruptPoll;
    connect(
        &interruptPoll, &QTimer::timeout, &job,
        [&job] {
            if (g_interrupted)
                job.stop();
        },
        Qt::DirectConnection);
    interruptPoll.start(20);
    thread.start();
    loop.exec();
    interruptPoll.stop();
    thread.quit();
    thread.wait();
    if (m_progressBar && m_lastPercent >= 0 && m_lastPercent < 100)
        m_err << '\n';

    if (stopped) {
        m_err << tr("The task is canceled") << Qt::endl;
        if (haveReport)
            printReport(report);
        return RunFailed;
    }
    if (result < 0) {
        m_err << lastText << Qt::endl;
        if (haveReport)
            printReport(report);
        return RunFailed;
    }
    m_out << lastText << Qt::endl;
    if (haveReport && !printReport(report))
        return RunFailed;
    return Done;
}

bool CliRunner::printReport(const ProcessingReport &report)
{
    m_out << tr("Output folder: %1").arg(QDir::toNativeSeparators(report.outputDir)) << Qt::endl;
    for (const QString &file : report.coordinateFiles)
        m_out << tr("Coordinate file: %1").arg(file) << Qt::endl;
    if (report.skipped)
        m_out << tr("Not copied: %1 photos").arg(report.skipped) << Qt::endl;
    for (int i = 0; i < report.notCopied.size(); ++i)
        m_err << tr("Not copied: %1 (%2)")
                     .arg(report.notCopied.at(i), report.notCopiedReasons.value(i))
              << Qt::endl;
    const bool copies = m_options.workType.value_or(FullWork) != TimemarksOnly;
    if (report.metadataFailed && copies)
        m_out << tr("Copied without geotag (metadata could not be written): %1 photos")
                     .arg(report.metadataFailed)
              << Qt::endl;
    else if (report.metadataFailed)
        m_out << tr("Metadata could not be read: %1 photos").arg(report.metadataFailed) << Qt::endl;
    for (const QString &problem : report.metadataProblems)
        m_err << tr("Exiv2 failed on %1").arg(problem) << Qt::endl;
    if (report.withoutLine)
        m_out << tr("Missing from the coordinate file: %1 photos").arg(report.withoutLine)
              << Qt::endl;
    if (report.notGeotagged)
        m_out << tr("Latitude/longitude not written for want of a UTM zone "
                    "(see --utm-zone): %1 photos")
                     .arg(report.notGeotagged)
              << Qt::endl;
    if (report.withoutPosition)
        m_out << tr("Photos without a timemark row (position 0): %1").arg(report.withoutPosition)
              << Qt::endl;
    if (report.notReached)
        m_out << tr("Not processed, the run broke off first: %1 photos").arg(report.notReached)
              << Qt::endl;
    return !(report.skipped || report.metadataFailed || report.withoutLine || report.notReached);
}

int CliRunner::run()
{
    std::signal(SIGINT, onInterrupt);
    std::signal(SIGTERM, onInterrupt);
    if (!isolateSettings()) {
        m_err << tr("Cannot prepare a private settings store") << Qt::endl;
        return RunFailed;
    }
    applyOverrides();
    {
        QSettings s;
        if (!FilesWork::isValidPrefix(Keys::PhotoPrefix.read(s))) {
            m_err << tr("The photo prefix \"%1\" cannot be used in a file name")
                         .arg(Keys::PhotoPrefix.read(s))
                  << Qt::endl;
            return Refused;
        }
    }
    m_geoCalc = std::make_unique<GeoCalc>(true);
    if (!m_geoCalc->initialize()) {
        m_err << m_geoCalc->errorText() << Qt::endl;
        return Refused;
    }
    m_geoCalc->updateSettings();
    for (int i = 0; i < m_options.blocks.size(); ++i) {
        if (!loadBlock(m_options.blocks.at(i), i + 1))
            return Refused;
    }
    if (g_interrupted) {
        m_err << tr("The task is canceled") << Qt::endl;
        return RunFailed;
    }
    {
        // Refused before anything is written, as the job itself would refuse it.
        QSettings s;
        const bool lines = m_options.workType.value_or(FullWork) != PhotosOnly;
        const QString separator = CoordinateFileWriter::outputSeparator(
            s, m_flys.isEmpty() ? QString() : m_flys.first()->delimiter(),
            m_flys.isEmpty() ? QString() : m_flys.last()->delimiter());
        const QString problem =
            FilesWork::prefixProblem(Keys::PhotoPrefix.read(s), lines ? separator : QString());
        if (!problem.isEmpty()) {
            m_err << problem << Qt::endl;
            return Refused;
        }
    }
    if (m_options.splitGap)
        splitBlocks();
    if (m_options.filterDistance || m_options.filterGimbal || m_options.filterExposure)
        quarantineByFilters();
    if (!prepareOutputDir())
        return Refused;
    if (!passPreChecks())
        return Refused;
    return process();
}
