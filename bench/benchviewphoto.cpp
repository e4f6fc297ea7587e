// What showing a camera photo in the viewer costs: decoding a 5472 x 3648 JPEG of about 10 MB
// whole and reduced to what a full-HD or 4K screen can show, then scaling the decoded image to
// the picture label quickly (while the window is being resized) and smoothly (once it rests).
// Goal: a photo is on screen within a few hundred milliseconds, and one quick rescale during a
// resize stays well below a frame (16 ms).
#include "photos/photopicture.h"
#include "syntheticflight.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTextStream>

#include <functional>

namespace {

// Best of @p runs, so that a stray scheduler hiccup on a shared machine does not count.
double bestMs(int runs, const std::function<void()> &work)
{
    double best = 1e300;
    for (int r = 0; r < runs; ++r) {
        QElapsedTimer timer;
        timer.start();
        work();
        best = qMin(best, timer.nsecsElapsed() / 1e6);
    }
    return best;
}

} // namespace

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QTextStream out(stdout);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("DJI_0001.JPG"));
    PhotoSpec spec;
    spec.size = QSize(5472, 3648);
    spec.quality = 90;
    spec.noise = true;
    if (!SyntheticFlight::writePhoto(path, spec)) {
        out << "cannot write the photo\n";
        return 1;
    }
    out << "photo " << spec.size.width() << " x " << spec.size.height() << ", "
        << QFileInfo(path).size() / 1048576.0 << " MB\n";
    const int runs = 3;

    QImage full;
    out << "decode whole:           " << bestMs(runs, [&] { full = QImageReader(path).read(); })
        << " ms, " << full.sizeInBytes() / 1048576 << " MB in memory\n";
    for (const QSize screen : {QSize(1920, 1080), QSize(3840, 2160)}) {
        QImage image;
        const double ms = bestMs(runs, [&] { image = PhotoPicture::decode(path, screen); });
        out << "decode for " << screen.width() << " x " << screen.height() << ":   " << ms
            << " ms, " << image.width() << " x " << image.height() << ", "
            << image.sizeInBytes() / 1048576 << " MB in memory\n";
        for (const QSize label : {QSize(553, 444), QSize(1400, 950)}) {
            for (const Qt::TransformationMode mode :
                 {Qt::FastTransformation, Qt::SmoothTransformation}) {
                const double scale = bestMs(runs, [&] {
                    const QImage shown = image.scaled(label, Qt::KeepAspectRatio, mode);
                    Q_UNUSED(shown);
                });
                out << "    " << (mode == Qt::FastTransformation ? "quick " : "smooth")
                    << " scale to " << label.width() << " x " << label.height() << ": " << scale
                    << " ms\n";
            }
        }
    }
    return 0;
}
