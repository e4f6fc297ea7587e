#include "processing/fileswork.h"

#include "app/logcategories.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "photos/nativephotopath.h"
#include "processing/coordinatefilewriter.h"
#include "processing/geotagwriter.h"
#include "processing/outputlabelmodel.h"
#include "processing/photocopier.h"
#include "settings/settingskeys.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <memory>

namespace {

constexpr double missingAccuracy = -1.0;
constexpr double defaultAccuracy = 0.02;

double accuracy(double stored)
{
    return stored == 0.0 ? defaultAccuracy : stored;
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

// Reads one attitude key as the photo list did; throws like Exiv2 when the key is gone.
double attitude(const Exiv2::XmpData &xmp, const char *key)
{
    const auto it = xmp.findKey(Exiv2::XmpKey(key));
    if (it == xmp.end())
        throw Exiv2::Error(Exiv2::kerInvalidKey, key);
    return double(it->toFloat());
}

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
    return !prefix.contains(QLatin1Char('/')) && !prefix.contains(QLatin1Char('\\')) &&
           !prefix.contains(QChar(0));
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

    // A prefix with a path in it would put copies outside the output folder.
    if (!isValidPrefix(prefix)) {
        fail(InvalidPrefix,
             tr("The photo prefix \"%1\" cannot be used in a file name").arg(prefix));
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
        if (!QDir(out).mkpath(name)) {
            fail(OutputDirUnusable, tr("Cannot create the folder %1").arg(out + name));
            return;
        }
        out += name + QLatin1Char('/');
    }
    {
        std::lock_guard lock(m_runDirMutex);
        m_runDir = out;
    }

    const QString firstDelimiter = m_blocks.isEmpty() ? QString() : m_blocks.first().delimiter;
    const QString lastDelimiter = m_blocks.isEmpty() ? QString() : m_blocks.last().delimiter;
    m_sep = CoordinateFileWriter::outputSeparator(m_settings, firstDelimiter, lastDelimiter);

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
                if (!QDir(out).mkpath(folder) || !QFileInfo(out + folder).isWritable()) {
                    fail(OutputDirUnusable,
                         tr("Cannot write into the folder %1").arg(out + folder));
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
    PhotoCopier copier;
    for (int bi = 0; bi < m_blocks.size(); ++bi) {
        const BlockSnapshot &block = m_blocks.at(bi);
        const int b = bi + 1;
        for (int i = 0; i < block.entries.size(); ++i) {
            if (m_stop) {
                if (writer)
                    writer->close();
                qCDebug(lcWarning) << "The processing run was stopped";
                emit stopped();
                return;
            }
            const QString source = nativePhotoPath(block.entries.at(i));
            emit curProcessFile(tr("Copying and processing of the file: %1").arg(source));
            const QString name = photoName(prefix, b, counter);
            const bool quarantined = block.quarantined.value(i, false);
            const QString target = out + (quarantined ? quarantineFolder(b) : imageFolder(b)) +
                                   QLatin1Char('/') + name;
            auto notCopied = [&](const QString &reason) {
                qCDebug(lcWarning).noquote()
                    << QStringLiteral("File %1 not copied to %2").arg(source, target)
                    << (reason.isEmpty() ? QString() : QStringLiteral("(%1)").arg(reason));
                ++report.skipped;
                report.notCopied << source;
            };
            if (copies && QFileInfo::exists(target)) {
                notCopied(QString());
                continue;
            }

            QString error;
            const PhotoCopier::LoadResult loaded = copier.load(source, &error);
            if (loaded == PhotoCopier::LoadResult::ReadFailed) {
                if (copies) {
                    notCopied(error);
                    continue;
                }
                qCDebug(lcCritical).noquote() << "Exiv2 ERROR: " + error;
            }
            bool rewritten = false;
            bool haveLine = false;
            bool metadataKept = false; // the copy keeps the camera's metadata
            bool positionMissing = false;
            bool noRow = false;
            CoordinateFileWriter::Values values;
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
                        noRow = true;
                    }
                    const UtmPoint corrected =
                        m_geoCalc->applyAntennaOffset(position, pitch, yaw, roll);
                    values.name = name;
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
                    haveLine = true;
                    if (copies) {
                        positionMissing =
                            GeotagWriter::writeGeotag(copier.image(), geotag, m_geoCalc) ==
                            GeotagWriter::Outcome::PositionNotWritten;
                        rewritten = true;
                    }
                } catch (const Exiv2::AnyError &e) {
                    qCDebug(lcCritical).noquote() << QStringLiteral("Exiv2 ERROR: %1 - %2")
                                                         .arg(e.code())
                                                         .arg(QString::fromLocal8Bit(e.what()));
                    metadataKept = true;
                    rewritten = false;
                }
            } else if (loaded == PhotoCopier::LoadResult::MetadataFailed) {
                qCDebug(lcCritical).noquote() << "Exiv2 ERROR: " + error;
                metadataKept = true;
            }

            if (copies) {
                // The copy is placed before its line is written, so the file never names a
                // photo that is not there.
                const PhotoCopier::Placement placed = copier.place(target, rewritten, &error);
                if (placed != PhotoCopier::Placement::Placed) {
                    notCopied(placed == PhotoCopier::Placement::TargetExists ? QString() : error);
                    continue;
                }
                ++report.copied;
                report.metadataFailed += metadataKept ? 1 : 0;
                report.notGeotagged += positionMissing ? 1 : 0;
            }
            if (writer && haveLine && !writer->writeLine(split ? bi : 0, values)) {
                fail(CoordinateFileWriteFailed, writer->errorText());
                return;
            }
            report.withoutPosition += noRow ? 1 : 0;
            emit curProcess(int(float(counter) * step));
            ++counter;
        }
        if (copies && split && isEmptyDir(out + quarantineFolder(b)))
            QDir(out).rmdir(quarantineFolder(b));
    }
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
            << QStringLiteral("%1 photos not copied, %2 kept the camera's metadata, %3 not "
                              "geotagged for want of a UTM zone, %4 without a timemark row")
                   .arg(report.skipped)
                   .arg(report.metadataFailed)
                   .arg(report.notGeotagged)
                   .arg(report.withoutPosition);
    emit curProcessFile(summary);
    emit reportReady(report);
    emit workFinished(seconds);
}
