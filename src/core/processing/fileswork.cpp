#include "processing/fileswork.h"

#include "app/logcategories.h"
#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "photos/nativephotopath.h"
#include "processing/coordinatefilewriter.h"
#include "processing/geotagwriter.h"
#include "processing/outputlabelmodel.h"
#include "processing/photocopier.h"
#include "settings/settingskeys.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QThread>

#include <exiv2/exiv2.hpp>

#include <cerrno>
#include <cmath>
#include <cstring>
#include <deque>
#include <future>
#include <memory>
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
QString prepareFolder(const QString &path)
{
    const QByteArray native = QFile::encodeName(QDir::cleanPath(path));
    if (::mkdir(native.constData(), 0777) != 0 && errno != EEXIST)
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

// Reads one attitude key as the photo list did; throws like Exiv2 when the key is gone.
double attitude(const Exiv2::XmpData &xmp, const char *key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    if (it == xmp.end())
        throw Exiv2::Error(Exiv2::kerInvalidKey, key);
    return double(it->toFloat());
}

/// A copy written by another thread, still under its temporary name.
struct WrittenCopy
{
    bool ok = false;
    QString temp;
    QString error;
};

/// One photo between its reading and its turn to be named, placed and listed.
struct PendingPhoto
{
    int block = 0; // index into the run's blocks
    int entry = 0;
    QString source;
    QString folder;        // where its copy goes, without a trailing slash
    bool prepared = false; // false: not read yet, its guessed name was taken
    bool skip = false;     // not copied, for skipReason
    QString skipReason;
    QString metadataError; // why Exiv2 could not read or write this photo
    bool haveLine = false;
    bool positionMissing = false;
    bool noRow = false;
    CoordinateFileWriter::Values values; // all but the name
    PhotoCopier::Plan plan;
    QString planError;
    std::future<WrittenCopy> write; // valid while its copy is being written
};

} // namespace

FilesWork::FilesWork(GeoCalc *geoCalc, QObject *parent) : QObject(parent), m_geoCalc(geoCalc)
{
    qRegisterMetaType<ProcessingReport>("ProcessingReport");
}

void FilesWork::stop()
{
    m_stop = true;
}

QString FilesWork::outputDirectory() const
{
    std::lock_guard lock(m_runDirMutex);
    return m_runDir;
}

bool FilesWork::isValidPrefix(const QString &prefix)
{
    if (prefix.isEmpty() || prefix == QLatin1String(".") || prefix == QLatin1String(".."))
        return false;
    // Room for "_<block>_<counter>.JPG" within the 255 bytes a file name may have.
    if (prefix.toUtf8().size() > MaxPrefixBytes)
        return false;
    for (const QChar ch : prefix) {
        // Path characters would put copies elsewhere; the others are refused by the file
        // systems of Windows and of memory cards; control characters would break the
        // coordinate file's lines.
        if (ch.unicode() < 0x20 || ch.unicode() == 0x7f ||
            QStringLiteral("/\\:*?\"<>|").contains(ch))
            return false;
    }
    return true;
}

QString FilesWork::prefixProblem(const QString &prefix, const QString &separator)
{
    // A prefix with a path in it would put copies outside the output folder.
    if (!isValidPrefix(prefix))
        return tr("The photo prefix \"%1\" cannot be used in a file name").arg(prefix);
    // A name holding the separator would shift every later column of its line.
    if (!separator.isEmpty() && prefix.contains(separator))
        return tr("The photo prefix \"%1\" holds the separator \"%2\" of the coordinate file")
            .arg(prefix, separator);
    return QString();
}

QString FilesWork::photoName(const QString &prefix, int blockNumber, int counter)
{
    return QStringLiteral("%1_%2_%3.JPG")
        .arg(prefix)
        .arg(blockNumber)
        .arg(counter, 5, 10, QLatin1Char('0'));
}

void FilesWork::setOutputDir(const QString &path)
{
    m_path = path;
}

void FilesWork::setFlys(const QList<FlyData *> &flys)
{
    QList<BlockSnapshot> blocks;
    for (const FlyData *fly : flys)
        blocks << fly->snapshot();
    setBlocks(blocks);
}

void FilesWork::setBlocks(const QList<BlockSnapshot> &blocks)
{
    // New input is a new run: a request that came too late for the last one does not count.
    m_stop = false;
    m_blocks = blocks;
    m_total = 0;
    for (const BlockSnapshot &block : m_blocks)
        m_total += block.entries.size();
}

void FilesWork::setParallelCopies(int count)
{
    m_parallelCopies = qMax(1, count);
}

int FilesWork::defaultParallelCopies()
{
    return qBound(2, QThread::idealThreadCount(), 4);
}

void FilesWork::setCsvSeparator(const QString &separator)
{
    m_sep = separator;
}
void FilesWork::setAutoDir(bool autoDir)
{
    m_auto = autoDir;
}
void FilesWork::setWorkType(WorkType type)
{
    m_workType = type;
}
void FilesWork::setGeoCalc(GeoCalc *geoCalc)
{
    m_geoCalc = geoCalc;
}

bool FilesWork::fail(int code, const QString &message)
{
    qCDebug(lcCritical).noquote() << message;
    emit curProcessFile(message);
    emit workFinished(code);
    return false;
}

void FilesWork::doWork()
{
    // A request counts for the run it was made for, also one made before the run began (an
    // interrupt can reach the command-line program before this thread starts); the run's end,
    // however it ends, uses it up.
    struct StopReset
    {
        std::atomic<bool> &flag;
        ~StopReset() { flag = false; }
    } stopReset{m_stop};
    if (m_stop) {
        qCDebug(lcWarning) << "The processing run was stopped before it began";
        emit stopped();
        return;
    }
    QElapsedTimer timer;
    timer.start();
    m_settings.sync();

    QString out = m_path;
    if (!out.endsWith(QLatin1Char('/')) && !out.endsWith(QLatin1Char('\\')))
        out += QLatin1Char('/');
    const bool wgs84 = Keys::CoordinateType.read(m_settings) == Keys::CoordinateTypeWgs84;
    const int coordinateType = Keys::CoordinateType.read(m_settings);
    const bool copies = m_workType != TimemarksOnly;
    const bool lines = m_workType != PhotosOnly;
    const QString prefix = Keys::PhotoPrefix.read(m_settings);
    const bool split = Keys::OutputSplitFoldersBlock.read(m_settings);
    const int configuredZone = Keys::CoordinateUtmZone.read(m_settings);

    const QString firstDelimiter = m_blocks.isEmpty() ? QString() : m_blocks.first().delimiter;
    const QString lastDelimiter = m_blocks.isEmpty() ? QString() : m_blocks.last().delimiter;
    m_sep = CoordinateFileWriter::outputSeparator(m_settings, firstDelimiter, lastDelimiter);

    const QString prefixText = prefixProblem(prefix, lines ? m_sep : QString());
    if (!prefixText.isEmpty()) {
        fail(InvalidPrefix, prefixText);
        return;
    }
    if (m_path.isEmpty() || !QFileInfo(out).isDir()) {
        fail(OutputDirUnusable, tr("The output folder %1 does not exist").arg(m_path));
        return;
    }
    if (m_auto) {
        const QString name =
            QStringLiteral("Kestrix_") + QDateTime::currentDateTime()
                                             .toString(Qt::ISODate)
                                             .replace(QLatin1Char(':'), QLatin1Char('.'))
                                             .replace(QLatin1Char(' '), QLatin1Char('_'));
        const QString problem = prepareFolder(out + name);
        if (!problem.isEmpty()) {
            fail(OutputDirUnusable, tr("Cannot create the folder %1: %2").arg(out + name, problem));
            return;
        }
        out += name + QLatin1Char('/');
    }
    {
        std::lock_guard lock(m_runDirMutex);
        m_runDir = out;
    }

    emit curProcess(0);
    const float step = 100.0f / float(m_total);

    auto imageFolder = [&](int b) {
        return split ? QStringLiteral("IMG%1").arg(twoDigits(b)) : QStringLiteral("IMG");
    };
    auto quarantineFolder = [&](int b) {
        return split ? QStringLiteral("QUARANTINE%1").arg(twoDigits(b))
                     : QStringLiteral("QUARANTINE");
    };
    if (copies) {
        for (int b = 1; b <= (split ? m_blocks.size() : 1); ++b) {
            for (const QString &folder : {imageFolder(b), quarantineFolder(b)}) {
                const QString problem = prepareFolder(out + folder);
                if (!problem.isEmpty()) {
                    fail(OutputDirUnusable,
                         tr("Cannot write into the folder %1: %2").arg(out + folder, problem));
                    return;
                }
                const int stale = PhotoCopier::removeStaleTemporaries(out + folder);
                if (stale > 0)
                    qCDebug(lcWarning).noquote()
                        << QStringLiteral(
                               "Removed %1 unfinished copies of an interrupted run in %2")
                               .arg(stale)
                               .arg(out + folder);
            }
        }
    }

    bool hasDate = false;
    for (const BlockSnapshot &block : m_blocks)
        hasDate = hasDate || block.hasDateColumn;
    const OutputLabelModel labels;
    std::unique_ptr<CoordinateFileWriter> writer;
    if (lines) {
        writer = std::make_unique<CoordinateFileWriter>(
            labels, coordinateType, hasDate, m_sep, split, Keys::OutputPix4dLabel.read(m_settings));
        if (!writer->open(out, m_blocks.size())) {
            fail(writer->result() == CoordinateFileWriter::FileExists ? CoordinateFileExists
                                                                      : CoordinateFileOpenFailed,
                 writer->errorText());
            return;
        }
    }

    ProcessingReport report;
    report.outputDir = out;
    if (writer)
        report.coordinateFiles = writer->filePaths();
    int counter = 1;
    int visited = 0; // photos the run reached, skipped ones included
    PhotoCopier copier;

    // Reads one photo and makes everything its copy and its line need. Only the writing of
    // the copy is left, which another thread can do; the name is given later, in order.
    auto prepare = [&](PendingPhoto &p) {
        p.prepared = true;
        const BlockSnapshot &block = m_blocks.at(p.block);
        const int i = p.entry;
        QString error;
        const PhotoCopier::LoadResult loaded = copier.load(p.source, &error);
        if (loaded == PhotoCopier::LoadResult::ReadFailed && copies) {
            p.skipReason = error;
            p.skip = true;
            return;
        }
        // The attitude was read when the photo was added; a file of another size since
        // is not that photo any more, or is being cut short: copying it would put a
        // broken photo under a final name.
        const qint64 addedSize = block.sizes.value(i, 0);
        if (copies && addedSize > 0 && copier.sourceSize() != addedSize) {
            p.skipReason = tr("the photo changed after it was added (%1 bytes, %2 when added)")
                               .arg(copier.sourceSize())
                               .arg(addedSize);
            p.skip = true;
            return;
        }
        // The photo list read this file's metadata when it was added; now that Exiv2
        // cannot, the file is no longer that photo.
        if (loaded == PhotoCopier::LoadResult::MetadataFailed && copies) {
            p.skipReason = tr("its metadata cannot be read any more (Exiv2 ERROR: %1)").arg(error);
            p.skip = true;
            return;
        }
        if (loaded != PhotoCopier::LoadResult::Loaded)
            p.metadataError = error;
        bool rewritten = false;
        if (loaded == PhotoCopier::LoadResult::Loaded) {
            try {
                const Exiv2::XmpData &xmp = copier.image().xmpData();
                const double pitch = attitude(xmp, "Xmp.drone-dji.FlightPitchDegree");
                const double yaw = attitude(xmp, "Xmp.drone-dji.FlightYawDegree");
                const double roll = attitude(xmp, "Xmp.drone-dji.FlightRollDegree");

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
                } else {
                    p.noRow = true;
                }
                const UtmPoint corrected =
                    m_geoCalc->applyAntennaOffset(position, pitch, yaw, roll);
                CoordinateFileWriter::Values &values = p.values;
                values.date = date;
                values.sdE = sdE;
                values.sdN = sdN;
                values.sdH = sdH;
                GeotagValues geotag;
                if (wgs84) {
                    const GeoPoint geo = m_geoCalc->utmToGeo(corrected);
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
                        GeotagValues::zoneOrFallback(corrected.zone, configuredZone), sdE, sdN,
                        sdH);
                }
                p.haveLine = true;
                if (copies) {
                    p.positionMissing =
                        GeotagWriter::writeGeotag(copier.image(), geotag, m_geoCalc) ==
                        GeotagWriter::Outcome::PositionNotWritten;
                    rewritten = true;
                }
            } catch (const Exiv2::AnyError &e) {
                p.metadataError =
                    QStringLiteral("%1 - %2").arg(e.code()).arg(QString::fromLocal8Bit(e.what()));
                p.haveLine = false;
                p.positionMissing = false;
                rewritten = false;
            } catch (const std::exception &e) {
                p.metadataError = QStringLiteral("-1 - %1").arg(QString::fromLocal8Bit(e.what()));
                p.haveLine = false;
                p.positionMissing = false;
                rewritten = false;
            }
        }
        if (copies)
            p.plan = copier.plan(rewritten, &p.planError);
    };

    // The copy is written by another thread; the photo is named and placed at its turn.
    auto prepareAndWrite = [&](PendingPhoto &p) {
        prepare(p);
        if (!copies || p.skip || !p.plan.ok)
            return;
        p.write = std::async(std::launch::async, [plan = p.plan, folder = p.folder] {
            WrittenCopy written;
            written.ok = PhotoCopier::writeTemporary(plan, folder, &written.temp, &written.error);
            return written;
        });
    };
    // Waits for a copy being written and removes it again.
    auto discard = [](PendingPhoto &p) {
        if (!p.write.valid())
            return;
        const WrittenCopy written = p.write.get();
        if (written.ok)
            PhotoCopier::discard(written.temp);
    };

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
            if (copies && split && isEmptyDir(out + quarantineFolder(b)))
                QDir(out).rmdir(quarantineFolder(b));
        }
    };

    // Copies are written by up to m_parallelCopies threads while this one reads the next
    // photos: on a page-cached disk the copying is CPU work, and one core alone is the limit
    // of a plain `cp`. Everything a user or the coordinate file sees still happens here in
    // photo order: the names, the moves to them, the lines, the messages.
    const int depth = copies ? m_parallelCopies : 1;
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
                out + (quarantined ? quarantineFolder(p.block + 1) : imageFolder(p.block + 1));
            // A name already taken would be skipped at its turn without being read: a second
            // run into the same folder costs no copying.
            const QString guessed = p.folder + QLatin1Char('/') +
                                    photoName(prefix, p.block + 1, counter + namesAhead());
            if (!copies || !QFileInfo::exists(guessed))
                prepareAndWrite(p);
            queue.push_back(std::move(p));
            skipFinishedBlocks();
        }
        finishBlocksBefore(queue.empty() ? nextBlock : queue.front().block);
        // A request that comes after the last photo is too late to stop anything.
        if (m_stop && visited < m_total) {
            discardAll();
            if (writer)
                writer->close();
            qCDebug(lcWarning) << "The processing run was stopped";
            report.handled = counter - 1;
            report.notReached = m_total - visited;
            report.seconds = int(timer.elapsed() / 1000);
            emit reportReady(report);
            emit stopped();
            return;
        }
        if (queue.empty())
            break;

        PendingPhoto p = std::move(queue.front());
        queue.pop_front();
        const int b = p.block + 1;
        ++visited;
        const QString &source = p.source;
        emit curProcessFile(tr("Copying and processing of the file: %1").arg(source));
        const QString name = photoName(prefix, b, counter);
        const QString target = p.folder + QLatin1Char('/') + name;
        auto notCopied = [&](const QString &reason) {
            qCDebug(lcWarning).noquote()
                << QStringLiteral("File %1 not copied to %2").arg(source, target)
                << (reason.isEmpty() ? QString() : QStringLiteral("(%1)").arg(reason));
            ++report.skipped;
            report.notCopied << source;
            report.notCopiedReasons << (reason.isEmpty() ? tr("%1 exists").arg(target) : reason);
        };
        if (copies && QFileInfo::exists(target)) {
            discard(p);
            notCopied(QString());
            continue;
        }
        if (!p.prepared) {
            prepareAndWrite(p);
        }
        if (p.skip) {
            notCopied(p.skipReason);
            continue;
        }
        if (!p.metadataError.isEmpty())
            qCDebug(lcCritical).noquote() << "Exiv2 ERROR: " + p.metadataError;

        if (copies) {
            if (!p.plan.ok) {
                notCopied(p.planError);
                continue;
            }
            const WrittenCopy written = p.write.get();
            if (!written.ok) {
                notCopied(written.error);
                continue;
            }
            // The copy is placed before its line is written, so the file never names a
            // photo that is not there.
            QString error;
            const PhotoCopier::Placement placed = PhotoCopier::commit(written.temp, target, &error);
            if (placed != PhotoCopier::Placement::Placed) {
                notCopied(placed == PhotoCopier::Placement::TargetExists ? QString() : error);
                continue;
            }
            ++report.copied;
            if (p.positionMissing) {
                ++report.notGeotagged;
                report.notGeotaggedPhotos << source;
            }
        }
        if (!p.metadataError.isEmpty()) {
            ++report.metadataFailed;
            report.metadataProblems << QStringLiteral("%1: %2").arg(source, p.metadataError);
        }
        if (writer && !p.haveLine)
            ++report.withoutLine;
        p.values.name = name;
        if (writer && p.haveLine && !writer->writeLine(split ? p.block : 0, p.values)) {
            // The photo is in place; what was not reached is told with the failure.
            discardAll();
            ++report.withoutLine;
            report.handled = counter;
            report.notReached = m_total - visited;
            report.seconds = int(timer.elapsed() / 1000);
            writer->close();
            emit reportReady(report);
            fail(CoordinateFileWriteFailed, writer->errorText());
            return;
        }
        report.withoutPosition += p.noRow ? 1 : 0;
        emit curProcess(int(float(counter) * step));
        ++counter;
    }
    finishBlocksBefore(m_blocks.size());
    if (copies && !split && isEmptyDir(out + quarantineFolder(1)))
        QDir(out).rmdir(quarantineFolder(1));
    if (writer)
        writer->close();

    const int seconds = int(timer.elapsed() / 1000);
    report.handled = counter - 1;
    report.seconds = seconds;
    emit curProcess(100);
    const QString summary = tr("%1 from %2 files were copied and processed in %3 seconds")
                                .arg(report.copied)
                                .arg(counter - 1)
                                .arg(seconds);
    qCDebug(lcInfo).noquote() << summary;
    if (report.skipped || report.metadataFailed || report.notGeotagged || report.withoutPosition)
        qCDebug(lcWarning).noquote()
            << QStringLiteral("%1 photos not copied, %2 with metadata Exiv2 could not read or "
                              "write, %3 not geotagged for want of a UTM zone, %4 without a "
                              "timemark row")
                   .arg(report.skipped)
                   .arg(report.metadataFailed)
                   .arg(report.notGeotagged)
                   .arg(report.withoutPosition);
    emit curProcessFile(summary);
    emit reportReady(report);
    emit workFinished(seconds);
}
