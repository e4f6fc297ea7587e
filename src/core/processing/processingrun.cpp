#include "processing/processingrun.h"

#include "app/logcategories.h"
#include "blocks/customtablemodel.h"
#include "geo/geocalc.h"
#include "photos/adj.h"
#include "photos/nativephotopath.h"
#include "photos/photofile.h"
#include "processing/coordinatefilewriter.h"
#include "processing/fileswork.h"
#include "processing/geotagwriter.h"
#include "processing/outputlabelmodel.h"
#include "processing/photocopier.h"
#include "settings/settingskeys.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <exiv2/exiv2.hpp>

#include <cerrno>
#include <cstring>
#include <deque>
#include <future>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr double missingAccuracy = -1.0;

double accuracy(double stored)
{
    return stored == 0.0 ? CustomTableModel::DefaultAccuracy : stored;
}

QString twoDigits(int n)
{
    return QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0'));
}

bool isEmptyDir(const QString &path)
{
    return QDir(path)
        .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
        .isEmpty();
}

// Makes @p path a folder the run can write into: empty, or the reason why it cannot be one.
// With @p fresh the folder must not exist yet.
QString prepareFolder(const QString &path, bool fresh = false)
{
    const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
    if (::mkdir(native.constData(), 0777) != 0 && (fresh || errno != EEXIST))
        return QString::fromLocal8Bit(std::strerror(errno));
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    if (!S_ISDIR(st.st_mode))
        return QCoreApplication::translate("FilesWork", "a file of that name is in the way");
    // access() also answers for a read-only mount, which the permission bits do not show.
    if (::access(native.constData(), W_OK | X_OK) != 0)
        return QString::fromLocal8Bit(std::strerror(errno));
    return QString();
}

/// A copy written by another thread, still under its temporary name.
struct WrittenCopy
{
    bool ok = false;
    QString temp;
    QString error;
};

} // namespace

/// One photo between its reading and its turn to be named, placed and listed.
struct ProcessingRun::PendingPhoto
{
    int block = 0; // index into the run's blocks
    int entry = 0;
    QString source;
    QString folder;        // where its copy goes, without a trailing slash
    bool prepared = false; // false: not read yet, its guessed name was taken
    bool skip = false;     // not copied, for skipReason
    QString skipReason;
    QString metadataError;   // why Exiv2 could not read or write this photo
    QString positionProblem; // why the photo has no position: no line, no geotag
    bool haveLine = false;
    bool positionMissing = false;
    CoordinateFileWriter::Values values; // all but the name
    PhotoCopier::Plan plan;
    QString planError;
    std::future<WrittenCopy> write; // valid while its copy is being written

    /// Why the photo has no line, when it has none.
    QString noLineReason() const
    {
        if (!positionProblem.isEmpty())
            return positionProblem;
        if (!metadataError.isEmpty())
            return ProcessingRun::tr("has metadata that cannot be read or written (Exiv2 "
                                     "ERROR: %1)")
                .arg(metadataError);
        return QString();
    }
};

ProcessingRun::ProcessingRun(FilesWork &job, const QList<BlockSnapshot> &blocks, const Setup &setup,
                             const std::atomic<bool> &stop, QSettings &settings)
    : m_job(job), m_blocks(blocks), m_setup(setup), m_stop(stop), m_settings(settings),
      m_copier(std::make_unique<PhotoCopier>())
{
    for (const BlockSnapshot &block : m_blocks)
        m_total += block.entries.size();
}

ProcessingRun::~ProcessingRun() = default;

void ProcessingRun::exec()
{
    m_timer.start();
    if (!checkInput() || !prepareOutputFolders() || !openCoordinateFiles())
        return;
    switch (processPhotos()) {
    case LoopEnd::Done:
        finish();
        break;
    case LoopEnd::Stopped:
    case LoopEnd::Failed:
        break;
    }
}

// Everything that can be known before a file is made is checked before one is made.
bool ProcessingRun::checkInput()
{
    m_out = m_setup.outputDir;
    if (!m_out.endsWith(QLatin1Char('/')) && !m_out.endsWith(QLatin1Char('\\')))
        m_out += QLatin1Char('/');
    m_coordinateType = Keys::CoordinateType.read(m_settings);
    m_wgs84 = m_coordinateType == Keys::CoordinateTypeWgs84;
    m_copies = m_setup.workType != TimemarksOnly;
    m_lines = m_setup.workType != PhotosOnly;
    m_prefix = Keys::PhotoPrefix.read(m_settings);
    m_split = Keys::OutputSplitFoldersBlock.read(m_settings);
    m_configuredZone = Keys::CoordinateUtmZone.read(m_settings);

    const FilesWork::InputCheck check = FilesWork::checkInput(m_blocks, m_settings, m_lines);
    m_separator = check.separator;
    m_job.m_sep = m_separator;
    // A bad prefix is told before a missing output folder, the photos and dates after it.
    if (check.code == FilesWork::InvalidPrefix) {
        failHere(check.code, check.lines.join(QLatin1Char('\n')));
        return false;
    }
    if (m_setup.outputDir.isEmpty() || !QFileInfo(m_out).isDir()) {
        failHere(FilesWork::OutputDirUnusable,
                 tr("The output folder %1 does not exist").arg(m_setup.outputDir));
        return false;
    }
    if (check.code != 0) {
        failHere(check.code, check.lines.join(QLatin1Char('\n')));
        return false;
    }
    return true;
}

bool ProcessingRun::prepareOutputFolders()
{
    if (m_setup.autoDir) {
        // Two runs started in the same second must not share a folder: the name is taken by
        // creating it, and a taken one gets a number.
        const QString base =
            QStringLiteral("Kestrix_") + QDateTime::currentDateTime()
                                             .toString(Qt::ISODate)
                                             .replace(QLatin1Char(':'), QLatin1Char('.'))
                                             .replace(QLatin1Char(' '), QLatin1Char('_'));
        QString name = base;
        QString problem;
        for (int n = 2;; ++n) {
            problem = prepareFolder(m_out + name, true);
            if (problem.isEmpty() || !QFileInfo::exists(m_out + name) || n > 9999)
                break;
            name = QStringLiteral("%1_%2").arg(base).arg(n);
        }
        if (!problem.isEmpty()) {
            failHere(FilesWork::OutputDirUnusable,
                     tr("Cannot create the folder %1: %2").arg(m_out + name, problem));
            return false;
        }
        m_out += name + QLatin1Char('/');
    }
    m_job.setRunDirectory(m_out);
    if (!m_marker.acquire(m_out)) {
        failHere(m_marker.isBusy() ? FilesWork::OutputDirBusy : FilesWork::OutputDirUnusable,
                 m_marker.errorText());
        return false;
    }
    m_report.outputDir = m_out;
    m_report.unfinishedFiles = CoordinateFileWriter::unfinishedFiles(m_out);
    for (const QString &name : qAsConst(m_report.unfinishedFiles))
        qCDebug(lcWarning).noquote()
            << QStringLiteral("An earlier run that did not end left the unfinished coordinate "
                              "file %1 in %2")
                   .arg(name, m_out);

    emit m_job.curProcess(0);
    m_step = 100.0f / float(m_total);
    if (!m_copies)
        return true;
    for (int b = 1; b <= (m_split ? m_blocks.size() : 1); ++b) {
        for (const QString &folder : {imageFolder(b), quarantineFolder(b)}) {
            const QString problem = prepareFolder(m_out + folder);
            if (!problem.isEmpty()) {
                failHere(FilesWork::OutputDirUnusable,
                         tr("Cannot write into the folder %1: %2").arg(m_out + folder, problem));
                return false;
            }
            const int stale = PhotoCopier::removeStaleTemporaries(m_out + folder);
            if (stale > 0)
                qCDebug(lcWarning).noquote()
                    << QStringLiteral("Removed %1 unfinished copies of an interrupted run in %2")
                           .arg(stale)
                           .arg(m_out + folder);
        }
    }
    return true;
}

bool ProcessingRun::openCoordinateFiles()
{
    if (!m_lines) {
        m_marker.recordProcessId();
        return true;
    }
    bool hasDate = false;
    for (const BlockSnapshot &block : m_blocks)
        hasDate = hasDate || block.hasDateColumn;
    const OutputLabelModel labels;
    m_writer =
        std::make_unique<CoordinateFileWriter>(labels, m_coordinateType, hasDate, m_separator,
                                               m_split, Keys::OutputPix4dLabel.read(m_settings));
    if (!m_writer->open(m_out, m_blocks.size())) {
        const int code = m_writer->result() == CoordinateFileWriter::FileExists
                             ? FilesWork::CoordinateFileExists
                             : FilesWork::CoordinateFileOpenFailed;
        const QString text = m_writer->errorText();
        m_writer.reset();
        failHere(code, text);
        return false;
    }
    m_report.coordinateFiles = m_writer->filePaths();
    m_marker.recordProcessId();
    return true;
}

QString ProcessingRun::imageFolder(int block) const
{
    return m_split ? QStringLiteral("IMG%1").arg(twoDigits(block)) : QStringLiteral("IMG");
}

QString ProcessingRun::quarantineFolder(int block) const
{
    return m_split ? QStringLiteral("QUARANTINE%1").arg(twoDigits(block))
                   : QStringLiteral("QUARANTINE");
}

void ProcessingRun::prepare(PendingPhoto &p)
{
    p.prepared = true;
    const BlockSnapshot &block = m_blocks.at(p.block);
    const int i = p.entry;
    QString error;
    const PhotoCopier::LoadResult loaded = m_copier->load(p.source, &error);
    if (loaded == PhotoCopier::LoadResult::ReadFailed && m_copies) {
        p.skipReason = error;
        p.skip = true;
        return;
    }
    // The attitude was read when the photo was added; a file of another size since
    // is not that photo any more, or is being cut short: copying it would put a
    // broken photo under a final name.
    const qint64 addedSize = block.sizes.value(i, 0);
    if (m_copies && addedSize > 0 && m_copier->sourceSize() != addedSize) {
        p.skipReason = tr("the photo changed after it was added (%1 bytes, %2 when added)")
                           .arg(m_copier->sourceSize())
                           .arg(addedSize);
        p.skip = true;
        return;
    }
    // The photo list read this file's metadata when it was added; now that Exiv2
    // cannot, the file is no longer that photo.
    if (loaded == PhotoCopier::LoadResult::MetadataFailed && m_copies) {
        p.skipReason = tr("its metadata cannot be read any more (Exiv2 ERROR: %1)").arg(error);
        p.skip = true;
        return;
    }
    if (loaded != PhotoCopier::LoadResult::Loaded)
        p.metadataError = error;
    bool rewritten = false;
    if (loaded == PhotoCopier::LoadResult::Loaded) {
        try {
            Adj adj;
            std::string missingKey;
            const PhotoFile::AttitudeStatus status =
                PhotoFile::readAttitude(m_copier->image().xmpData(), &adj, &missingKey);
            // Read as the photo list did; a key gone since is Exiv2's failure to tell.
            if (status == PhotoFile::AttitudeStatus::Missing)
                throw Exiv2::Error(Exiv2::kerInvalidKey, missingKey);
            const double pitch = adj.pitch, yaw = adj.yaw, roll = adj.roll;
            // Without a usable attitude the lever arm cannot be turned: no position.
            p.positionProblem = status == PhotoFile::AttitudeStatus::NotNumber
                                    ? tr("has a drone attitude that is not a number")
                                    : PhotoFile::attitudeProblem(pitch, yaw, roll);

            UtmPoint position;
            double sdE = missingAccuracy, sdN = missingAccuracy, sdH = missingAccuracy;
            QString date;
            if (i < block.rows.size()) {
                const Line &row = block.rows.at(i);
                position = UtmPoint{row.x, row.y, row.z, row.zone};
                sdE = accuracy(row.sx);
                sdN = accuracy(row.sy);
                sdH = accuracy(row.sz);
                date = row.date;
                // Zero easting and northing is what a failed conversion leaves, no place.
                if (row.x == 0.0 && row.y == 0.0 && p.positionProblem.isEmpty())
                    p.positionProblem = tr("has a timemark row without a position");
            } else {
                //: %1 is "3 rows", %2 is "4 photos"
                p.positionProblem =
                    tr("has no timemark row (%1 for %2)")
                        .arg(tr("%n rows", "timemark rows for photos", block.rows.size()),
                             tr("%n photos", "timemark rows for photos", block.entries.size()));
            }
            CoordinateFileWriter::Values &values = p.values;
            values.date = date;
            values.sdE = sdE;
            values.sdN = sdN;
            values.sdH = sdH;
            GeotagValues geotag;
            if (p.positionProblem.isEmpty()) {
                const UtmPoint corrected =
                    m_setup.geoCalc->applyAntennaOffset(position, pitch, yaw, roll);
                if (m_wgs84) {
                    const GeoPoint geo = m_setup.geoCalc->utmToGeo(corrected);
                    // The all-zero point is how a conversion says it could not be made.
                    if (geo.lat == 0.0 && geo.lon == 0.0 && geo.h == 0.0)
                        p.positionProblem =
                            position.zone == 0
                                ? tr("has a timemark row without a UTM zone, so its latitude "
                                     "and longitude are unknown")
                                : tr("has a position that cannot be converted to latitude and "
                                     "longitude");
                    values.north = geo.lat;
                    values.east = geo.lon;
                    values.height = geo.h;
                    geotag = GeotagValues::wgs84(geo.lat, geo.lon, geo.h, sdE, sdN, sdH);
                } else {
                    values.north = corrected.y;
                    values.east = corrected.x;
                    values.height = corrected.z;
                    geotag = GeotagValues::utm(
                        corrected.y, corrected.x, corrected.z,
                        GeoCalc::zoneOrFallback(corrected.zone, m_configuredZone), sdE, sdN, sdH);
                }
            }
            // Without a position the copy keeps the camera's own metadata, and no line
            // claims a place for it.
            p.haveLine = p.positionProblem.isEmpty();
            if (m_copies && p.haveLine) {
                p.positionMissing =
                    GeotagWriter::writeGeotag(m_copier->image(), geotag, m_setup.geoCalc) ==
                    GeotagWriter::Outcome::PositionNotWritten;
                rewritten = true;
            }
        } catch (const Exiv2::AnyError &e) {
            p.metadataError = PhotoFile::errorDetail(e);
            p.haveLine = false;
            p.positionMissing = false;
            rewritten = false;
        } catch (const std::exception &e) {
            p.metadataError = PhotoFile::errorDetail(e);
            p.haveLine = false;
            p.positionMissing = false;
            rewritten = false;
        }
    }
    if (m_copies)
        p.plan = m_copier->plan(rewritten, &p.planError);
}

// The copy is written by another thread; the photo is named and placed at its turn.
void ProcessingRun::prepareAndWrite(PendingPhoto &p)
{
    prepare(p);
    if (!m_copies || p.skip || !p.plan.ok)
        return;
    p.write = std::async(std::launch::async, [plan = p.plan, folder = p.folder] {
        WrittenCopy written;
        written.ok = PhotoCopier::writeTemporary(plan, folder, &written.temp, &written.error);
        return written;
    });
}

namespace {

// Waits for a copy being written and removes it again.
template <typename Pending> void discard(Pending &p)
{
    if (!p.write.valid())
        return;
    const WrittenCopy written = p.write.get();
    if (written.ok)
        PhotoCopier::discard(written.temp);
}

} // namespace

ProcessingRun::LoopEnd ProcessingRun::processPhotos()
{
    int visited = 0; // photos the run reached, skipped ones included
    std::deque<PendingPhoto> queue;
    auto discardAll = [&] {
        for (PendingPhoto &p : queue)
            discard(p);
        queue.clear();
    };
    // Photos not yet written that will take a name, to guess the name of the next one.
    auto namesAhead = [&queue] {
        int n = 0;
        for (const PendingPhoto &p : queue)
            n += p.skip ? 0 : 1;
        return n;
    };

    int doneBlocks = 0; // blocks whose photos have all been finished
    auto finishBlocksBefore = [&](int block) {
        for (; doneBlocks < block; ++doneBlocks) {
            const int b = doneBlocks + 1;
            if (m_copies && m_split && isEmptyDir(m_out + quarantineFolder(b)))
                QDir(m_out).rmdir(quarantineFolder(b));
        }
    };

    // Copies are written by up to parallelCopies threads while this one reads the next
    // photos: on a page-cached disk the copying is CPU work, and one core alone is the limit
    // of a plain `cp`. Everything a user or the coordinate file sees still happens here in
    // photo order: the names, the moves to them, the lines, the messages.
    const int depth = m_copies ? m_setup.parallelCopies : 1;
    int nextBlock = 0;
    int nextEntry = 0;
    auto skipFinishedBlocks = [&] {
        while (nextBlock < m_blocks.size() && nextEntry >= m_blocks.at(nextBlock).entries.size()) {
            ++nextBlock;
            nextEntry = 0;
        }
    };
    for (;;) {
        skipFinishedBlocks();
        while (int(queue.size()) < depth && nextBlock < m_blocks.size() && !m_stop) {
            const BlockSnapshot &block = m_blocks.at(nextBlock);
            PendingPhoto p;
            p.block = nextBlock;
            p.entry = nextEntry++;
            p.source = nativePhotoPath(block.entries.at(p.entry));
            const bool quarantined = block.quarantined.value(p.entry, false);
            p.folder =
                m_out + (quarantined ? quarantineFolder(p.block + 1) : imageFolder(p.block + 1));
            // A name already taken would be skipped at its turn without being read: a second
            // run into the same folder costs no copying.
            const QString guessed =
                p.folder + QLatin1Char('/') +
                FilesWork::photoName(m_prefix, p.block + 1, m_counter + namesAhead());
            if (!m_copies || !QFileInfo::exists(guessed))
                prepareAndWrite(p);
            queue.push_back(std::move(p));
            skipFinishedBlocks();
        }
        finishBlocksBefore(queue.empty() ? nextBlock : queue.front().block);
        // A request that comes after the last photo is too late to stop anything.
        if (m_stop && visited < m_total) {
            discardAll();
            stopHere(visited);
            return LoopEnd::Stopped;
        }
        if (queue.empty())
            break;

        PendingPhoto p = std::move(queue.front());
        queue.pop_front();
        if (!finishPhoto(p, &visited)) {
            // The photo is in place; what was not reached is told with the failure.
            discardAll();
            m_report.handled = m_counter;
            m_report.notReached = m_total - visited;
            const QString text = m_writer->errorText();
            failHere(FilesWork::CoordinateFileWriteFailed, text, true);
            return LoopEnd::Failed;
        }
    }
    finishBlocksBefore(m_blocks.size());
    if (m_copies && !m_split && isEmptyDir(m_out + quarantineFolder(1)))
        QDir(m_out).rmdir(quarantineFolder(1));
    return LoopEnd::Done;
}

bool ProcessingRun::finishPhoto(PendingPhoto &p, int *visited)
{
    const int b = p.block + 1;
    ++*visited;
    const QString &source = p.source;
    emit m_job.curProcessFile(tr("Copying and processing of the file: %1").arg(source));
    const QString name = FilesWork::photoName(m_prefix, b, m_counter);
    const QString target = p.folder + QLatin1Char('/') + name;
    auto notCopied = [&](const QString &reason) {
        qCDebug(lcWarning).noquote()
            << QStringLiteral("File %1 not copied to %2").arg(source, target)
            << (reason.isEmpty() ? QString() : QStringLiteral("(%1)").arg(reason));
        ++m_report.skipped;
        m_report.notCopied << source;
        m_report.notCopiedReasons << (reason.isEmpty() ? tr("%1 exists").arg(target) : reason);
        return true;
    };
    if (m_copies && QFileInfo::exists(target)) {
        discard(p);
        return notCopied(QString());
    }
    if (!p.prepared)
        prepareAndWrite(p);
    if (p.skip)
        return notCopied(p.skipReason);
    if (!p.metadataError.isEmpty())
        qCDebug(lcCritical).noquote() << "Exiv2 ERROR: " + p.metadataError;

    if (m_copies) {
        if (!p.plan.ok)
            return notCopied(p.planError);
        const WrittenCopy written = p.write.get();
        if (!written.ok)
            return notCopied(written.error);
        // The copy is placed before its line is written, so the file never names a
        // photo that is not there.
        QString error;
        const PhotoCopier::Placement placed = PhotoCopier::commit(written.temp, target, &error);
        if (placed != PhotoCopier::Placement::Placed)
            return notCopied(placed == PhotoCopier::Placement::TargetExists ? QString() : error);
        ++m_report.copied;
        if (p.positionMissing) {
            ++m_report.notGeotagged;
            m_report.notGeotaggedPhotos << source;
        }
    }
    if (!p.metadataError.isEmpty()) {
        ++m_report.metadataFailed;
        m_report.metadataProblems << QStringLiteral("%1: %2").arg(source, p.metadataError);
    }
    if (!p.positionProblem.isEmpty()) {
        ++m_report.withoutPosition;
        m_report.withoutPositionPhotos << source;
        m_report.withoutPositionReasons << p.positionProblem;
        qCDebug(lcWarning).noquote()
            << QStringLiteral("Photo %1 %2: no position").arg(source, p.positionProblem);
    }
    if (m_writer && !p.haveLine) {
        ++m_report.withoutLine;
        m_report.withoutLinePhotos << source;
        m_report.withoutLineReasons << p.noLineReason();
    }
    p.values.name = name;
    if (m_writer && p.haveLine && !m_writer->writeLine(m_split ? p.block : 0, p.values)) {
        ++m_report.withoutLine;
        m_report.withoutLinePhotos << source;
        m_report.withoutLineReasons << m_writer->errorText();
        return false;
    }
    emit m_job.curProcess(int(float(m_counter) * m_step));
    ++m_counter;
    return true;
}

bool ProcessingRun::closeOutput()
{
    bool closed = true;
    if (m_writer) {
        closed = m_writer->close();
        if (!closed)
            qCDebug(lcCritical).noquote() << m_writer->errorText();
    }
    m_marker.release();
    return closed;
}

void ProcessingRun::finish()
{
    const bool closed = closeOutput();
    const int seconds = int(m_timer.elapsed() / 1000);
    m_report.handled = m_counter - 1;
    m_report.seconds = seconds;
    if (!closed) {
        failHere(FilesWork::CoordinateFileExists, m_writer->errorText(), true);
        return;
    }
    emit m_job.curProcess(100);
    //: %1 photos copied, %n photos handled, %2 the time, as "%n seconds"
    const QString summary =
        tr("%1 from %n files were copied and processed in %2", nullptr, m_counter - 1)
            .arg(m_report.copied)
            .arg(tr("%n seconds", "time a run took", seconds));
    qCDebug(lcInfo).noquote() << summary;
    const ProcessingReport &r = m_report;
    if (r.skipped || r.metadataFailed || r.notGeotagged || r.withoutPosition || r.withoutLine)
        qCDebug(lcWarning).noquote()
            << QStringLiteral("%1 photos not copied, %2 with metadata Exiv2 could not read or "
                              "write, %3 not geotagged for want of a UTM zone, %4 without a "
                              "position, %5 without a line")
                   .arg(r.skipped)
                   .arg(r.metadataFailed)
                   .arg(r.notGeotagged)
                   .arg(r.withoutPosition)
                   .arg(r.withoutLine);
    emit m_job.curProcessFile(summary);
    emit m_job.reportReady(m_report);
    emit m_job.workFinished(seconds);
}

void ProcessingRun::stopHere(int visited)
{
    // The lines written so far match the copies made: the file takes its final name.
    closeOutput();
    qCDebug(lcWarning) << "The processing run was stopped";
    m_report.handled = m_counter - 1;
    m_report.notReached = m_total - visited;
    m_report.seconds = int(m_timer.elapsed() / 1000);
    emit m_job.reportReady(m_report);
    emit m_job.stopped();
}

void ProcessingRun::failHere(int code, const QString &message, bool withReport)
{
    closeOutput();
    if (withReport) {
        m_report.seconds = int(m_timer.elapsed() / 1000);
        emit m_job.reportReady(m_report);
    }
    m_job.fail(code, message);
}
