#include "clirunner.h"

#include "app/logcategories.h"
#include "app/regularfile.h"
#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "clicheck.h"
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
#include <QFile>
#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QThread>
#include <QTimer>

#include <atomic>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <signal.h>
#include <unistd.h>

namespace {

std::atomic<bool> g_interrupted{false};
// Said by the handler itself, which may only write bytes prepared beforehand.
char g_endingText[512];
size_t g_endingSize = 0;
// The private settings copy, removed by the handler too: a run ended at once must not leave a
// copy of the operator's settings in the temporary folder. Empty until the copy exists.
char g_settingsFile[1024];
char g_settingsFolders[2][1024];
std::atomic<bool> g_settingsKnown{false};

extern "C" void onInterrupt(int number)
{
    if (!g_interrupted.exchange(true))
        return;
    // A second interrupt: the operator wants out now, also when the run waits for a slow
    // disk. Nothing half-written remains under a final name: copies are moved into place
    // whole, and the coordinate file keeps its temporary name, which the next run reports.
    [[maybe_unused]] const ssize_t written = ::write(STDERR_FILENO, g_endingText, g_endingSize);
    if (g_settingsKnown.load()) {
        ::unlink(g_settingsFile);
        for (const char *folder : g_settingsFolders)
            ::rmdir(folder);
    }
    std::signal(number, SIG_DFL);
    std::raise(number);
}

bool copyPath(char (&to)[1024], const QString &path)
{
    const QByteArray bytes = QFile::encodeName(path);
    // A path that does not fit is left alone rather than cut to another one.
    if (bytes.size() >= int(sizeof to))
        return false;
    std::memcpy(to, bytes.constData(), size_t(bytes.size()) + 1);
    return true;
}

void rememberSettingsCopy(const QString &folder)
{
    const QString file = QSettings().fileName();
    if (!file.startsWith(folder + QLatin1Char('/')))
        return;
    // The handler reads the paths only once all three are whole.
    if (copyPath(g_settingsFolders[0], QFileInfo(file).absolutePath()) &&
        copyPath(g_settingsFolders[1], folder) && copyPath(g_settingsFile, file))
        g_settingsKnown.store(true);
}

void installInterruptHandler(const QString &endingText)
{
    const QByteArray text = endingText.toLocal8Bit() + '\n';
    g_endingSize = size_t(qMin(text.size(), int(sizeof g_endingText)));
    std::memcpy(g_endingText, text.constData(), g_endingSize);
    struct sigaction action = {};
    action.sa_handler = onInterrupt;
    sigemptyset(&action.sa_mask);
    ::sigaction(SIGINT, &action, nullptr);
    ::sigaction(SIGTERM, &action, nullptr);
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
    if (!m_settingsDir->isValid() || !SettingsStore::usePrivateCopy(m_settingsDir->path()))
        return false;
    rememberSettingsCopy(m_settingsDir->path());
    return true;
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

bool CliRunner::checkOutputDir()
{
    // Nothing is created before every check passed: a refused run leaves no empty folder.
    const QFileInfo info(m_options.outDir);
    if (info.exists() && !info.isDir()) {
        m_err << tr("The output folder %1 is a file").arg(m_options.outDir) << Qt::endl;
        return false;
    }
    if (info.exists())
        return true;
    const QString ancestor = existingAncestor(m_options.outDir);
    QString problem;
    if (!QFileInfo(ancestor).isDir())
        problem = tr("%1 is a file").arg(ancestor);
    else if (!QFileInfo(ancestor).isWritable())
        problem = tr("%1 is not writable").arg(ancestor);
    if (!problem.isEmpty()) {
        m_err << tr("Cannot create the output folder %1: %2").arg(m_options.outDir, problem)
              << Qt::endl;
        return false;
    }
    return true;
}

bool CliRunner::createOutputDir()
{
    if (QFileInfo(m_options.outDir).isDir() || QDir().mkpath(m_options.outDir))
        return true;
    m_err << tr("Cannot create the output folder %1").arg(m_options.outDir) << Qt::endl;
    return false;
}

QString CliRunner::existingAncestor(const QString &path)
{
    QString dir = QFileInfo(path).absoluteFilePath();
    while (!QFileInfo::exists(dir) && QFileInfo(dir).dir().absolutePath() != dir)
        dir = QFileInfo(dir).dir().absolutePath();
    return dir;
}

QStringList CliRunner::expandPhotos(const QStringList &paths, QStringList *refused)
{
    QStringList photos;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (info.isDir()) {
            // Name filters match without regard to letter case. Anything under a photo's name
            // is looked at: a FIFO, a folder or a broken link is named, not passed over.
            QStringList names =
                QDir(path).entryList({"*.jpg", "*.jpeg"}, QDir::Files | QDir::Dirs |
                                                              QDir::NoDotAndDotDot | QDir::System);
            // Natural order, as a file manager shows them: DJI_9999 before DJI_10000. Photos
            // are paired with timemark rows by this order, so it must not depend on the locale.
            std::sort(names.begin(), names.end(), naturalLess);
            for (const QString &name : names) {
                const QString photo = QDir(path).absoluteFilePath(name);
                const QString problem = RegularFile::problem(photo);
                if (problem.isEmpty())
                    photos << photo;
                else
                    *refused << tr("Photo %1 %2").arg(photo, problem);
            }
            continue;
        }
        const QString problem = RegularFile::problem(path);
        if (problem.isEmpty())
            photos << info.absoluteFilePath();
        else
            *refused << tr("Photo %1 %2").arg(path, problem);
    }
    return photos;
}

bool CliRunner::chooseFirstRow(OpentTimeMarkTableModel &table, const QString &path, int number)
{
    int row = table.firstRow(); // the stored setting, a table row as the window keeps it
    if (m_options.firstRowAuto) {
        row = table.firstDataRow();
        if (row == 0) {
            m_err << tr("Timemark file %1: no data row found (--first-row auto)").arg(path)
                  << Qt::endl;
            return false;
        }
    } else if (m_options.firstRow) {
        row = table.rowOfLine(*m_options.firstRow);
        if (row == 0) {
            m_err << tr("Timemark file %1: line %2 is past its last row")
                         .arg(path)
                         .arg(*m_options.firstRow)
                  << Qt::endl;
            return false;
        }
    }
    table.setFirstRow(row);
    if (row > table.rowCount())
        return true;
    // Told so that a first row off by a line is seen before the photos are paired.
    const QVector<QString> cells = table.rowCells(row - 1);
    const QString shown = OpentTimeMarkTableModel::unquoted(
        table.colDate() > 0 && table.colDate() <= cells.size()
            ? cells.at(table.colDate() - 1).trimmed()
            : QStringList(cells.mid(0, 3).toList()).join(QLatin1Char(' ')));
    m_err << tr("Block %1: first timemark row: line %2 (%3)")
                 .arg(number)
                 .arg(table.lineNumber(row - 1))
                 .arg(shown)
          << Qt::endl;
    return true;
}

bool CliRunner::loadBlock(const CliBlock &block, int number)
{
    auto *fly = new FlyData(number, m_geoCalc.get());
    m_flys << fly;

    OpentTimeMarkTableModel table(m_geoCalc.get());
    TimemarkFile file(&table);
    file.setRemembersChoices(false);
    bool recognised = false;
    const QString problem = RegularFile::problem(block.timemarks);
    if (!problem.isEmpty()) {
        m_err << tr("Timemark file %1 %2").arg(block.timemarks, problem) << Qt::endl;
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
    if (!chooseFirstRow(table, block.timemarks, number))
        return false;
    LineConversionReport report;
    const QList<Line> lines = table.toLines(&report);
    // Refused as a whole: dropping a row would pair every later photo with the wrong row.
    if (report.hasProblems()) {
        m_err << tr("Timemark file %1: %2").arg(block.timemarks, report.warningText()) << Qt::endl;
        return false;
    }
    QSettings s;
    fly->setDelimiter(file.separatorPattern());
    fly->setColumns(BlockColumns{Keys::MetaPosDate.read(s), Keys::MetaPosSx.read(s),
                                 Keys::MetaPosSy.read(s), Keys::MetaPosSz.read(s)});
    fly->setTimemarkFileName(block.timemarks);
    fly->addTimemarks(lines, false);

    QStringList unusable;
    const QStringList photos = expandPhotos(block.photos, &unusable);
    for (const QString &text : unusable)
        m_err << text << Qt::endl;
    if (!unusable.isEmpty())
        return false;
    QEventLoop loop;
    bool canceled = false;
    connect(fly->photos(), &PhotoModel::photosRefused, &loop,
            [this](const QStringList &entries, const QStringList &reasons) {
                for (int i = 0; i < entries.size(); ++i)
                    m_err << tr("Photo %1 %2").arg(entries.at(i), reasons.value(i)) << Qt::endl;
            });
    connect(fly->photos(), &PhotoModel::photosAdded, &loop, &QEventLoop::quit);
    QTimer interruptPoll;
    connect(&interruptPoll, &QTimer::timeout, &loop, [&] {
        if (g_interrupted) {
            canceled = true;
            loop.quit();
        }
    });
    interruptPoll.start(50);
    fly->photos()->addPhotos(photos);
    loop.exec();
    if (canceled)
        return true; // the caller tells the operator; the reader is stopped with the block
    fly->updateLabels();
    //: %1 the block number, %2 "20 photos", %3 "20 timemark rows"
    m_err << tr("Block %1: %2, %3")
                 .arg(number)
                 .arg(tr("%n photos", "in a block", fly->photos()->rowCount()),
                      tr("%n timemark rows", "in a block", fly->timemarks()->rowCount()))
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
                            int colSX, int colSY, int colSZ, const QList<CaptureTime> &captures) {
                    auto *piece = new FlyData(m_flys.size() + 1, m_geoCalc.get());
                    m_flys << piece;
                    piece->fillFromSplit(meta, photos, adjs, dates,
                                         BlockColumns{colDate, colSX, colSY, colSZ},
                                         fly->delimiter(), captures);
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
            m_err << tr("Block %1: %n pairs quarantined by the filters", nullptr,
                        fly->quarantinedRows().size())
                         .arg(fly->number())
                  << Qt::endl;
        else
            m_err << tr("Block %1: the filters found %n rows, but the pairs cannot be "
                        "quarantined: Count photos and timemarks must be equal",
                        nullptr, rows.size())
                         .arg(fly->number())
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
    // A folder still to be made is empty; its space is that of the folder it goes into.
    const bool exists = QFileInfo(m_options.outDir).isDir();
    PreCheckVolume volume =
        PreCheck::inspect(exists ? m_options.outDir : existingAncestor(m_options.outDir));
    if (!exists)
        volume.dirEmpty = true;
    for (const QString &name : CoordinateFileWriter::unfinishedFiles(m_options.outDir))
        m_err << tr("The output folder holds %1, the unfinished coordinate file of a run that "
                    "did not end")
                     .arg(name)
              << Qt::endl;
    const PreCheckResult r = PreCheck::evaluate(blocks, volume, Keys::OutputAutoCreate.read(s));
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
    bool told = false;
    connect(
        &interruptPoll, &QTimer::timeout, &job,
        [&] {
            if (!g_interrupted)
                return;
            job.stop();
            if (!told) {
                told = true;
                m_err << tr("Stopping before the next photo; press Ctrl-C again to end at once")
                      << Qt::endl;
            }
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
    for (const QString &name : report.unfinishedFiles)
        m_err << tr("The output folder holds %1, the unfinished coordinate file of a run that "
                    "did not end")
                     .arg(name)
              << Qt::endl;
    if (report.skipped)
        m_out << tr("Not copied: %n photos", nullptr, report.skipped) << Qt::endl;
    for (int i = 0; i < report.notCopied.size(); ++i)
        m_err << tr("Not copied: %1 (%2)")
                     .arg(report.notCopied.at(i), report.notCopiedReasons.value(i))
              << Qt::endl;
    const bool copies = m_options.workType.value_or(FullWork) != TimemarksOnly;
    if (report.metadataFailed && copies)
        m_out << tr("Copied without geotag (metadata could not be written): %n photos", nullptr,
                    report.metadataFailed)
              << Qt::endl;
    else if (report.metadataFailed)
        m_out << tr("Metadata could not be read: %n photos", nullptr, report.metadataFailed)
              << Qt::endl;
    for (const QString &problem : report.metadataProblems)
        m_err << tr("Exiv2 failed on %1").arg(problem) << Qt::endl;
    if (report.withoutPosition)
        m_out
            << tr("Photos without a position (no geotag, no line): %1").arg(report.withoutPosition)
            << Qt::endl;
    // Those missing from the coordinate file are named with it, reason and all.
    for (int i = 0; i < report.withoutPositionPhotos.size(); ++i) {
        if (!report.withoutLinePhotos.contains(report.withoutPositionPhotos.at(i)))
            m_err << tr("Photo %1 %2")
                         .arg(report.withoutPositionPhotos.at(i),
                              report.withoutPositionReasons.value(i))
                  << Qt::endl;
    }
    if (report.withoutLine)
        m_out << tr("Missing from the coordinate file: %n photos", nullptr, report.withoutLine)
              << Qt::endl;
    for (int i = 0; i < report.withoutLinePhotos.size(); ++i)
        m_err << tr("Missing from the coordinate file: %1 (%2)")
                     .arg(report.withoutLinePhotos.at(i), report.withoutLineReasons.value(i))
              << Qt::endl;
    if (report.notGeotagged)
        m_out << tr("Latitude/longitude not written for want of a UTM zone "
                    "(see --utm-zone): %n photos",
                    nullptr, report.notGeotagged)
              << Qt::endl;
    if (report.notReached)
        m_out << tr("Not processed, the run broke off first: %n photos", nullptr, report.notReached)
              << Qt::endl;
    return !(report.skipped || report.metadataFailed || report.withoutLine ||
             report.withoutPosition || report.notReached);
}

int CliRunner::run()
{
    installInterruptHandler(tr("Interrupted again: ending at once. Copies under their final "
                               "names are complete; an unfinished coordinate file keeps its "
                               "temporary name."));
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
    for (int i = 0; i < m_options.blocks.size() && !g_interrupted; ++i) {
        if (!loadBlock(m_options.blocks.at(i), i + 1))
            return g_interrupted ? RunFailed : Refused;
    }
    if (g_interrupted) {
        m_err << tr("The task is canceled") << Qt::endl;
        return RunFailed;
    }
    if (m_options.command == CliOptions::Command::Check)
        return CliCheck::report(m_flys, m_out);
    const QStringList leftOut =
        m_options.dropUnmatched ? CliCheck::dropUnmatched(m_flys, m_err) : QStringList();
    if (!passInputChecks())
        return Refused;
    if (m_options.splitGap)
        splitBlocks();
    if (m_options.filterDistance || m_options.filterGimbal || m_options.filterExposure)
        quarantineByFilters();
    if (!checkOutputDir() || !passPreChecks() || !createOutputDir())
        return Refused;
    const int code = process();
    for (const QString &line : leftOut)
        m_out << line << Qt::endl;
    return code;
}

bool CliRunner::passInputChecks()
{
    // Refused before anything is written, as the job itself would refuse it.
    QSettings s;
    const bool lines = m_options.workType.value_or(FullWork) != PhotosOnly;
    QList<BlockSnapshot> blocks;
    for (const FlyData *fly : qAsConst(m_flys))
        blocks << fly->snapshot();
    const FilesWork::InputCheck check = FilesWork::checkInput(blocks, s, lines);
    for (const QString &text : check.lines) {
        m_err << text;
        if (check.code == FilesWork::DateHoldsSeparator)
            m_err << " (--out-delimiter)";
        m_err << Qt::endl;
    }
    return check.code == 0;
}
