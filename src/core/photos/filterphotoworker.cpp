#include "photos/filterphotoworker.h"

#include "photos/exivsetup.h"
#include "photos/photofile.h"
#include "photos/photometatypes.h"

#include <QCoreApplication>
#include <QThread>

#include <exiv2/exiv2.hpp>

FilterPhotoWorker::FilterPhotoWorker(QObject *parent) : QObject(parent)
{
    ExivSetup::initialize();
    PhotoMetaTypes::registerAll();
}

void FilterPhotoWorker::setData(const QStringList &data)
{
    m_paths = data;
}
void FilterPhotoWorker::setValSS(int valSS)
{
    m_valSS = valSS;
}
void FilterPhotoWorker::setQuarantine(const QList<bool> &rows)
{
    m_quarantine = rows;
}
void FilterPhotoWorker::setFilterType(FilterTypes type)
{
    m_type = type;
}

void FilterPhotoWorker::doWork()
{
    const Exiv2::XmpKey gimbalKey("Xmp.drone-dji.GimbalPitchDegree");
    const Exiv2::ExifKey exposureKey("Exif.Photo.ExposureTime");
    const bool gimbal = m_type.testFlag(GimbalPitchDegree);
    const bool exposure = m_type.testFlag(ExposureTime);

    QList<int> failed;
    const int n = m_paths.size();
    // Each report crosses to the window as a queued call: one per percent, not per photo,
    // keeps a long flight from flooding the window's event queue.
    int reported = -1;
    for (int i = 0; i < n; ++i) {
        // A newer pass replaces this one; its partial result would select stale rows.
        if (thread()->isInterruptionRequested()) {
            stopOwnThread();
            return;
        }
        const int percent = static_cast<int>(100.0 / n * i);
        if (percent != reported) {
            reported = percent;
            emit workProcess(percent);
        }
        if (m_quarantine.value(i, false) || (!gimbal && !exposure))
            continue;
        try {
            const Exiv2::Image::AutoPtr image = PhotoFile::openMetadata(m_paths.at(i));
            if (gimbal) {
                const auto g = PhotoFile::xmpNumber(image->xmpData(), gimbalKey);
                if (g && (*g < m_valSS - GimbalTolerance || *g > m_valSS + GimbalTolerance)) {
                    failed << i;
                    continue;
                }
            }
            if (exposure) {
                const auto e = PhotoFile::exifNumber(image->exifData(), exposureKey);
                // Zero or negative is no exposure time at all, not a very short one.
                if (e && *e > 0.0 && *e < MinExposure)
                    failed << i;
            }
        } catch (const std::exception &) {
            // Unreadable photos are not the filter's business: the list's own checks and
            // the job report them.
        }
    }
    emit workProcess(100);
    emit workFinished(failed);
    stopOwnThread();
}

void FilterPhotoWorker::stopOwnThread()
{
    // Only a thread of our own; a worker driven directly in the main thread leaves the
    // application's event loops alone.
    if (thread() != QCoreApplication::instance()->thread())
        thread()->quit();
}
