#include "photos/fileworker.h"

#include "app/logcategories.h"
#include "app/regularfile.h"
#include "photos/exivsetup.h"
#include "photos/nativephotopath.h"
#include "photos/photodate.h"
#include "photos/photofile.h"
#include "photos/photometatypes.h"

#include <QDir>
#include <QFile>
#include <QThread>

#include <exiv2/exiv2.hpp>

#include <sys/stat.h>
#include <unistd.h>

namespace {

bool startsLikeJpeg(int fd)
{
    unsigned char head[2] = {0, 0};
    return ::pread(fd, head, 2, 0) == 2 && head[0] == 0xFF && head[1] == 0xD8;
}

// Why Exiv2 refused the photo, in the operator's terms where they can be told.
QString exivProblem(const Exiv2::AnyError &e, int fd)
{
    // Photos are JPEGs; what Exiv2 cannot read and does not even begin like one is no photo.
    if (!startsLikeJpeg(fd))
        return FileWorker::tr("is not a JPEG photo");
    return FileWorker::tr("is cut short or damaged (%1)").arg(PhotoFile::errorText(e));
}

} // namespace

FileWorker::FileWorker(QObject *parent) : QObject(parent)
{
    ExivSetup::initialize();
    PhotoMetaTypes::registerAll();
}

void FileWorker::setFileList(const QStringList &entries)
{
    m_entries = entries;
}

void FileWorker::addWork()
{
    // Exiv2 opens files by name; through the descriptor's own name it reads the very file that
    // was found regular, whatever takes its place meanwhile.
    const bool viaDescriptor = QDir(QStringLiteral("/proc/self/fd")).exists();

    QStringList accepted;
    QStringList rejected;
    QStringList refused;
    QStringList reasons;
    QList<Adj> adjs;
    QList<QDateTime> dates;
    QList<CaptureTime> captures;
    qint64 volume = 0;
    auto refuse = [&](const QString &entry, const QString &reason) {
        refused << entry;
        reasons << reason;
        qCDebug(lcWarning).noquote() << QStringLiteral("Photo %1 %2").arg(entry, reason);
    };

    emit addProcess(0);
    const double step = 100.0 / m_entries.size();
    for (int i = 0; i < m_entries.size(); ++i) {
        // The owner is going away: its results would reach nobody.
        if (thread()->isInterruptionRequested())
            return;
        emit addProcess(static_cast<int>(i * step));
        const QString &entry = m_entries.at(i);
        const QString path = nativePhotoPath(entry);
        QString problem;
        const RegularFile::Descriptor fd(RegularFile::openForReading(path, &problem));
        if (fd.get() < 0) {
            refuse(entry, problem);
            continue;
        }
        struct stat st;
        if (::fstat(fd.get(), &st) != 0 || st.st_size == 0) {
            refuse(entry, tr("is empty (0 bytes)"));
            continue;
        }
        const QString source =
            viaDescriptor ? QStringLiteral("/proc/self/fd/%1").arg(fd.get()) : path;
        try {
            const Exiv2::Image::AutoPtr image =
                Exiv2::ImageFactory::open(QFile::encodeName(source).toStdString());
            image->readMetadata();
            Adj adj;
            const PhotoFile::AttitudeStatus status =
                PhotoFile::readAttitude(image->xmpData(), &adj);
            const bool present = status != PhotoFile::AttitudeStatus::Missing;
            QString attitude;
            if (!present)
                attitude = tr("has no drone attitude (Xmp.drone-dji.FlightPitchDegree, "
                              "FlightYawDegree, FlightRollDegree) in its XMP");
            else if (status == PhotoFile::AttitudeStatus::NotNumber)
                attitude = tr("has a drone attitude that is not a number");
            else if (status == PhotoFile::AttitudeStatus::OutOfRange)
                attitude = PhotoFile::attitudeProblem(adj.pitch, adj.yaw, adj.roll);
            if (!attitude.isEmpty()) {
                rejected << entry;
                if (present) {
                    refuse(entry, attitude);
                } else {
                    refused << entry;
                    reasons << attitude;
                    qCDebug(lcWarning).noquote()
                        << QStringLiteral("%1 does not contain Xmp.drone-dj.Flight* data")
                               .arg(entry);
                }
                continue;
            }
            volume += qint64(st.st_size);
            adjs << adj;
            dates << PhotoDate::resolve(PhotoDate::dateTimeText(image->exifData()),
                                        dates.isEmpty() ? QDateTime() : dates.last());
            captures << CaptureTime::fromExif(image->exifData());
            accepted << entry;
        } catch (const Exiv2::AnyError &e) {
            qCDebug(lcCritical).noquote() << PhotoFile::errorText(e);
            refuse(entry, exivProblem(e, fd.get()));
        } catch (const std::exception &e) {
            // A damaged file can make the library fail outside its own error type; it must
            // cost that one photo, not the whole program.
            qCDebug(lcCritical).noquote() << PhotoFile::errorText(e);
            refuse(entry, tr("is cut short or damaged (%1)").arg(QString::fromLocal8Bit(e.what())));
        }
    }

    qCDebug(lcInfo).noquote() << QStringLiteral("Added %1 photos, volume %2 Mb")
                                     .arg(accepted.size())
                                     .arg(volume / 1024.0 / 1024.0, 0, 'g', 6);
    if (!refused.isEmpty())
        emit addRefused(refused, reasons);
    if (accepted.isEmpty())
        emit addFinishedFail(rejected);
    else
        emit addFinished(accepted, rejected, adjs, dates, captures);
}
