#include "processing/photocopier.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

namespace {

QByteArray readAll(const QString &path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Stands in for the geotag: enough keys in both EXIF and XMP to grow the segments.
void tag(Exiv2::Image &image)
{
    image.exifData()["Exif.GPSInfo.GPSLatitude"] = "55/1 45/1 44442/10000";
    image.exifData()["Exif.GPSInfo.GPSLatitudeRef"] = "N";
    image.exifData()["Exif.GPSInfo.GPSAltitude"] = "12345600/100000";
    image.xmpData()["Xmp.drone-dji.RtkFlag"] = "50";
    image.xmpData()["Xmp.drone-dji.GpsLatitude"] = "55.751234500";
    image.writeMetadata();
}

QByteArray rewrittenByExiv2(const QString &source, const QString &scratch)
{
    QFile::remove(scratch);
    QFile::copy(source, scratch);
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(scratch).toStdString());
    image->readMetadata();
    tag(*image);
    return readAll(scratch);
}

} // namespace

class TestPhotoCopier : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void equalsWholeFileRewrite_data();
    void equalsWholeFileRewrite();
    void realPhotosEqualWholeFileRewrite();
    void unchangedCopyIsTheSourceBytes();
    void existingTargetIsNeverReplaced();
    void failedWriteLeavesNothing();
    void kernelCopyFailingMidwayLeavesNothing();
    void unreadableSource_data();
    void unreadableSource();
    void staleTemporariesAreRemoved();

private:
    QString makePhoto(const QString &name, const PhotoSpec &spec);
    QTemporaryDir m_dir;
};

void TestPhotoCopier::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestPhotoCopier::cleanup()
{
    PhotoCopier::setWriteLimitForTesting(-1);
}

QString TestPhotoCopier::makePhoto(const QString &name, const PhotoSpec &spec)
{
    const QString path = m_dir.filePath(name);
    QFile::remove(path);
    SyntheticFlight::writePhoto(path, spec);
    return path;
}

void TestPhotoCopier::equalsWholeFileRewrite_data()
{
    QTest::addColumn<QString>("source");
    PhotoSpec small;
    QTest::newRow("small jpeg") << makePhoto("small.jpg", small);
    PhotoSpec large;
    large.size = QSize(1200, 800);
    large.gimbalPitch = -90.0;
    large.dateTime = QStringLiteral("2024:05:17 10:22:33");
    large.exposureTime = QStringLiteral("1/2000");
    QTest::newRow("large jpeg with exif") << makePhoto("large.jpg", large);
    // Image data of a few MB goes through the kernel in several rounds.
    PhotoSpec grainy;
    grainy.size = QSize(2600, 1800);
    grainy.quality = 90;
    grainy.noise = true;
    QTest::newRow("multi-megabyte jpeg") << makePhoto("grainy.jpg", grainy);
    PhotoSpec bare;
    bare.pitch.reset();
    bare.yaw.reset();
    bare.roll.reset();
    QTest::newRow("jpeg without xmp") << makePhoto("bare.jpg", bare);
    const QString png = m_dir.filePath("photo.png");
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(Qt::darkCyan);
    image.save(png, "PNG");
    QTest::newRow("png, whole file") << png;
}

void TestPhotoCopier::equalsWholeFileRewrite()
{
    QFETCH(QString, source);
    const QByteArray before = readAll(source);
    PhotoCopier copier;
    QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
    tag(copier.image());
    const QString target = m_dir.filePath("out-" + QFileInfo(source).fileName());
    QFile::remove(target);
    QCOMPARE(copier.place(target, true), PhotoCopier::Placement::Placed);
    QCOMPARE(readAll(target), rewrittenByExiv2(source, m_dir.filePath("scratch")));
    QCOMPARE(readAll(source), before);
}

void TestPhotoCopier::realPhotosEqualWholeFileRewrite()
{
    const QString data = TestEnv::testDataDir();
    if (data.isEmpty())
        QSKIP("real sample photos are not available");
    const QStringList names{"DJI_H20T.jpg", "DJI_XT2.jpg", "DJI_XTR.jpg", "H20N_DJI_0006_R.JPG",
                            "sequence/DJI_20250117111343_0139_T.JPG"};
    for (const QString &name : names) {
        const QString source = data + "/photos/" + name;
        const QByteArray hash =
            QCryptographicHash::hash(readAll(source), QCryptographicHash::Sha256);
        PhotoCopier copier;
        QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
        tag(copier.image());
        const QString target = m_dir.filePath("real-" + QFileInfo(name).fileName());
        QFile::remove(target);
        QCOMPARE(copier.place(target, true), PhotoCopier::Placement::Placed);
        QVERIFY2(readAll(target) == rewrittenByExiv2(source, m_dir.filePath("scratch.jpg")),
                 qPrintable(name));
        QCOMPARE(QCryptographicHash::hash(readAll(source), QCryptographicHash::Sha256), hash);
    }
}

void TestPhotoCopier::unchangedCopyIsTheSourceBytes()
{
    PhotoSpec spec;
    spec.size = QSize(300, 200);
    const QString source = makePhoto("plain.jpg", spec);
    PhotoCopier copier;
    QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
    const QString target = m_dir.filePath("plain-copy.jpg");
    QCOMPARE(copier.place(target, false), PhotoCopier::Placement::Placed);
    QCOMPARE(readAll(target), readAll(source));
}

void TestPhotoCopier::existingTargetIsNeverReplaced()
{
    const QString source = makePhoto("keep.jpg", PhotoSpec());
    const QString target = m_dir.filePath("existing.JPG");
    {
        QFile f(target);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("earlier run");
    }
    PhotoCopier copier;
    QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
    tag(copier.image());
    QCOMPARE(copier.place(target, true), PhotoCopier::Placement::TargetExists);
    QCOMPARE(readAll(target), QByteArray("earlier run"));

    // Written ahead under a temporary name, the copy meets the name taken only when it is
    // moved: it is dropped and the earlier file stays.
    const PhotoCopier::Plan plan = copier.plan(true);
    QVERIFY(plan.ok);
    QString temp;
    QVERIFY(PhotoCopier::writeTemporary(plan, m_dir.path(), &temp));
    QVERIFY(QFileInfo(temp).fileName().startsWith(PhotoCopier::temporaryPrefix()));
    QString error;
    QCOMPARE(PhotoCopier::commit(temp, target, &error), PhotoCopier::Placement::TargetExists);
    QCOMPARE(error, QStringLiteral("target exists"));
    QCOMPARE(readAll(target), QByteArray("earlier run"));
    QVERIFY(!QFileInfo::exists(temp));
    // The same plan, written again, is discarded without a trace.
    QVERIFY(PhotoCopier::writeTemporary(plan, m_dir.path(), &temp));
    PhotoCopier::discard(temp);
    QVERIFY(!QFileInfo::exists(temp));
}

void TestPhotoCopier::failedWriteLeavesNothing()
{
    PhotoSpec spec;
    spec.size = QSize(400, 300);
    const QString source = makePhoto("full.jpg", spec);
    QDir().mkpath(m_dir.filePath("fulldisk"));
    const QString target = m_dir.filePath("fulldisk/KES_1_00001.JPG");
    PhotoCopier copier;
    QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
    tag(copier.image());
    PhotoCopier::setWriteLimitForTesting(1000);
    QString error;
    QCOMPARE(copier.place(target, true, &error), PhotoCopier::Placement::Failed);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(target));
    QCOMPARE(QDir(m_dir.filePath("fulldisk")).entryList(QDir::Files | QDir::Hidden).size(), 0);
}

void TestPhotoCopier::kernelCopyFailingMidwayLeavesNothing()
{
    // A file-size limit makes the kernel refuse the copy part-way, as a full disk does, on
    // the path real runs take (the write-limit hook uses the plain read/write path).
    PhotoSpec spec;
    spec.size = QSize(2800, 1900);
    spec.quality = 90;
    spec.noise = true;
    const QString source = makePhoto("limited.jpg", spec);
    QVERIFY(QFileInfo(source).size() > 2 * 1024 * 1024);
    const QString dir = m_dir.filePath("limited");
    QDir().mkpath(dir);
    const QString target = dir + "/KES_1_00001.JPG";
    PhotoCopier copier;
    QCOMPARE(copier.load(source), PhotoCopier::LoadResult::Loaded);
    tag(copier.image());

    struct rlimit saved;
    QCOMPARE(::getrlimit(RLIMIT_FSIZE, &saved), 0);
    const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit limited = saved;
    limited.rlim_cur = 1536 * 1024; // past the first pipe load, short of the photo
    QCOMPARE(::setrlimit(RLIMIT_FSIZE, &limited), 0);
    QString error;
    const PhotoCopier::Placement refused = copier.place(target, true, &error);
    ::setrlimit(RLIMIT_FSIZE, &saved);
    std::signal(SIGXFSZ, oldHandler);

    QCOMPARE(refused, PhotoCopier::Placement::Failed);
    QVERIFY(!error.isEmpty());
    QVERIFY(!QFile::exists(target));
    QCOMPARE(QDir(dir).entryList(QDir::Files | QDir::Hidden).size(), 0);
    // Nothing of the failed attempt leaks into the next copy.
    QCOMPARE(copier.place(target, true), PhotoCopier::Placement::Placed);
    QCOMPARE(readAll(target), rewrittenByExiv2(source, m_dir.filePath("scratch-limited.jpg")));
}

void TestPhotoCopier::unreadableSource_data()
{
    QTest::addColumn<QString>("source");
    QTest::addColumn<int>("expected");
    QTest::newRow("missing") << m_dir.filePath("nope.jpg")
                             << int(PhotoCopier::LoadResult::ReadFailed);
    QTest::newRow("folder") << m_dir.path() << int(PhotoCopier::LoadResult::ReadFailed);
    const QString text = m_dir.filePath("text.jpg");
    QFile f(text);
    f.open(QIODevice::WriteOnly);
    f.write("this is not an image at all");
    f.close();
    QTest::newRow("not an image") << text << int(PhotoCopier::LoadResult::MetadataFailed);
    // Sparse, so it costs no disk: past 2 GiB the head's size no longer fits a buffer.
    const QString huge = m_dir.filePath("video.JPG");
    QFile h(huge);
    h.open(QIODevice::WriteOnly);
    h.resize(qint64(3) << 30);
    h.close();
    QTest::newRow("3 GiB, not a JPEG") << huge << int(PhotoCopier::LoadResult::MetadataFailed);
}

void TestPhotoCopier::unreadableSource()
{
    QFETCH(QString, source);
    QFETCH(int, expected);
    PhotoCopier copier;
    QString error;
    QCOMPARE(int(copier.load(source, &error)), expected);
    QVERIFY(!error.isEmpty());
}

void TestPhotoCopier::staleTemporariesAreRemoved()
{
    const QString dir = m_dir.filePath("stale");
    QDir().mkpath(dir);
    const QString dead = dir + "/" + PhotoCopier::temporaryPrefix() + "999999999-1.tmp";
    const QString live =
        dir + "/" + PhotoCopier::temporaryPrefix() + QString::number(::getppid()) + "-1.tmp";
    const QString photo = dir + "/KES_1_00001.JPG";
    for (const QString &path : {dead, live, photo}) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
    }
    QCOMPARE(PhotoCopier::removeStaleTemporaries(dir), 1);
    QVERIFY(!QFile::exists(dead));
    QVERIFY(QFile::exists(live));
    QVERIFY(QFile::exists(photo));
}

QTEST_GUILESS_MAIN(TestPhotoCopier)
#include "testphotocopier.moc"
