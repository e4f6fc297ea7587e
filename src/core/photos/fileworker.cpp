#include "photos/fileworker.h"

#include "app/logcategories.h"
#include "photos/exivsetup.h"
#include "photos/photodate.h"
#include "photos/photofile.h"
#include "photos/photometatypes.h"

#include <QThread>

#include <exiv2/exiv2.hpp>

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
    const Exiv2::XmpKey pitchKey("Xmp.drone-dji.FlightPitchDegree");
    const Exiv2::XmpKey yawKey("Xmp.drone-dji.FlightYawDegree");
    const Exiv2::XmpKey rollKey("Xmp.drone-dji.FlightRollDegree");

    QStringList accepted;
    QStringList rejected;
    QList<Adj> adjs;
    QList<QDateTime> dates;
    QList<CaptureTime> captures;
    qint64 volume = 0;

    emit addProcess(0);
    const double step = 100.0 / m_entries.size();
    for (int i = 0; i < m_entries.size(); ++i) {
        // The owner is going away: its results would reach nobody.
        if (thread()->isInterruptionRequested())
            return;
        emit addProcess(static_cast<int>(i * step));
        const QString &entry = m_entries.at(i);
        try {
            const Exiv2::Image::AutoPtr image = PhotoFile::openMetadata(entry);
            const Exiv2::XmpData &xmp = image->xmpData();
            const auto pitch = PhotoFile::xmpNumber(xmp, pitchKey);
            const auto yaw = PhotoFile::xmpNumber(xmp, yawKey);
            const auto roll = PhotoFile::xmpNumber(xmp, rollKey);
            // A value that is present but no number would silently become a level attitude.
            if (!pitch || !yaw || !roll) {
                rejected << entry;
                qCDebug(lcWarning).noquote()
                    << QStringLiteral("%1 does not contain Xmp.drone-dj.Flight* data").arg(entry);
                continue;
            }
            volume += static_cast<qint64>(image->io().size());
            adjs << Adj{*pitch, *yaw, *roll};
            dates << PhotoDate::resolve(PhotoDate::dateTimeText(image->exifData()),
                                        dates.isEmpty() ? QDateTime() : dates.last());
            captures << CaptureTime::fromExif(image->exifData());
            accepted << entry;
        } catch (const Exiv2::AnyError &e) {
            qCDebug(lcCritical).noquote() << PhotoFile::errorText(e);
        } catch (const std::exception &e) {
            // A damaged file can make the library fail outside its own error type; it must
            // cost that one photo, not the whole program.
            qCDebug(lcCritical).noquote()
                << QStringLiteral("Exiv2 ERROR: -1 - %1").arg(QString::fromLocal8Bit(e.what()));
        }
    }

    qCDebug(lcInfo).noquote() << QStringLiteral("Added %1 photos, volume %2 Mb")
                                     .arg(accepted.size())
                                     .arg(volume / 1024.0 / 1024.0, 0, 'g', 6);
    if (accepted.isEmpty())
        emit addFinishedFail();
    else
        emit addFinished(accepted, rejected, adjs, dates, captures);
}
