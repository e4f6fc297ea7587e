#include "geo/geocalc.h"
#include "processing/fileswork.h"
#include "processing/photocopier.h"
#include "processing/runmarker.h"
#include "referencegeometry.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QUrl>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <cmath>

namespace {

using namespace TestFiles;

} // namespace

class TestFilesWork : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void twoBlocksOfThree();
    void splitMode_data();
    void splitMode();
    void quarantinedPhotoGoesApart();
    void secondRunIntoTheSameFolder();
    void photosOnlySecondRunSkipsEveryPhoto();
    void timemarksOnlyTouchesNothing();
    void morePhotosThanRows();
    void refusedBeforeAnythingIsMade_data();
    void refusedBeforeAnythingIsMade();
    void photosWithoutPosition_data();
    void photosWithoutPosition();
    void automaticSubdirectoryIsNew();
    void lastProgressValue_data();
    void lastProgressValue();
    void stopRequestMidRun_data();
    void stopRequestMidRun();
    void prefixWithPath_data();
    void prefixWithPath();
    void wgs84Output();
    void automaticSubdirectory();
    void unusableOutputFolder();
    void leftoverTemporariesAreRemoved();
    void runsInItsOwnThread();
    void injectedWriteFailure();
    void photoChangedAfterAdding_data();
    void photoChangedAfterAdding();
    void geotagThatExiv2CannotWrite();
    void stopFromAnotherThreadMidRun();
    void stopBeforeTheRunStarts();
    void copiesSideBySideMatchOneAtATime_data();
    void copiesSideBySideMatchOneAtATime();

private:
    BlockSnapshot makeBlock(const QString &name, int count, int rowCount = -1);
    int run(FilesWork &job, const QString &out, const QList<BlockSnapshot> &blocks,
            WorkType type = FullWork, bool autoDir = false);
    QString freshDir(const QString &name);
    /// Sets @p job up for a run into @p out and moves it to @p thread, whose start runs it.
    void prepareInThread(FilesWork &job, QThread &thread, const QString &out,
                         const BlockSnapshot &block);

    QTemporaryDir m_dir;
    GeoCalc *m_geo = nullptr;
    QStringList m_sources;
    QList<QList<TimemarkRow>> m_rows;
    QList<QList<double>> m_attitudes;
};

void TestFilesWork::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = new GeoCalc(false, this);
    QVERIFY(m_geo->isReady());
    m_geo->updateSettings();
}

void TestFilesWork::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

void TestFilesWork::cleanup()
{
    PhotoCopier::setWriteLimitForTesting(-1);
}

QString TestFilesWork::freshDir(const QString &name)
{
    const QString path = m_dir.filePath(name);
    QDir(path).removeRecursively();
    QDir().mkpath(path);
    return path;
}

BlockSnapshot TestFilesWork::makeBlock(const QString &name, int count, int rowCount)
{
    QList<TimemarkRow> rows;
    const QStringList photos =
        SyntheticFlight::writeFlight(m_dir.filePath("src/" + name), count, &rows);
    m_sources << photos;
    BlockSnapshot block;
    block.entries = photos;
    for (int i = 0; i < photos.size(); ++i) {
        block.quarantined << false;
        block.sizes << QFileInfo(photos.at(i)).size();
    }
    const int n = rowCount < 0 ? count : rowCount;
    for (int i = 0; i < n; ++i) {
        Line line;
        line.date = rows.at(i).date;
        line.y = rows.at(i).north;
        line.x = rows.at(i).east;
        line.z = rows.at(i).height;
        line.sy = rows.at(i).sdN;
        line.sx = rows.at(i).sdE;
        line.sz = i == 0 ? 0.0 : rows.at(i).sdH; // a stored 0 is written as 0.020
        line.zone = 31;
        block.rows << line;
    }
    block.hasDateColumn = false;
    block.delimiter = QStringLiteral(";");
    return block;
}

void TestFilesWork::prepareInThread(FilesWork &job, QThread &thread, const QString &out,
                                    const BlockSnapshot &block)
{
    job.setOutputDir(out);
    job.setAutoDir(false);
    job.setBlocks({block});
    job.moveToThread(&thread);
    connect(&thread, &QThread::started, &job, &FilesWork::doWork);
}

int TestFilesWork::run(FilesWork &job, const QString &out, const QList<BlockSnapshot> &blocks,
                       WorkType type, bool autoDir)
{
    QSignalSpy finished(&job, &FilesWork::workFinished);
    job.setOutputDir(out);
    job.setAutoDir(autoDir);
    job.setWorkType(type);
    job.setBlocks(blocks);
    const QByteArray before = checksum(m_sources);
    job.doWork();
    if (checksum(m_sources) != before)
        qFatal("a source photo changed");
    return finished.isEmpty() ? INT_MIN : finished.first().first().toInt();
}

void TestFilesWork::twoBlocksOfThree()
{
    const QString out = freshDir("two");
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {makeBlock("a", 3), makeBlock("b", 3)}) >= 0);
    QCOMPARE(filesBelow(out),
             QStringList({"IMG/KES_1_00001.JPG", "IMG/KES_1_00002.JPG", "IMG/KES_1_00003.JPG",
                          "IMG/KES_2_00004.JPG", "IMG/KES_2_00005.JPG", "IMG/KES_2_00006.JPG",
                          "fileData.txt"}));
    QVERIFY(!QFileInfo::exists(out + "/QUARANTINE"));
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 7);
    QCOMPARE(lines.first(), QStringLiteral("Name\tNorth\tEast\tH\tsdN\tsdE\tsdH"));
    // Photo i of the generated flight: pitch -1 + 0.1 (i % 7), yaw 10 (i % 36), roll 0.5 (i % 3).
    for (int i = 0; i < 3; ++i) {
        double dE, dN, dZ;
        ReferenceGeometry::leverArm(double(float(-1.0 + 0.1 * (i % 7))),
                                    double(float(10.0 * (i % 36))), double(float(0.5 * (i % 3))),
                                    &dE, &dN, &dZ);
        const QStringList f = lines.at(1 + i).split('\t');
        QCOMPARE(f.size(), 7);
        QCOMPARE(f.at(0), QStringLiteral("KES_1_%1.JPG").arg(i + 1, 5, 10, QChar('0')));
        QCOMPARE(f.at(1), QString::number(6000000.0 + 10 * i + dN, 'f', 3));
        QCOMPARE(f.at(2), QString::number(500000.0 + dE, 'f', 3));
        QCOMPARE(f.at(3), QString::number(100.0 + dZ, 'f', 3));
        QCOMPARE(f.at(4), QStringLiteral("0.010"));
        QCOMPARE(f.at(5), QStringLiteral("0.012"));
        QCOMPARE(f.at(6), i == 0 ? QStringLiteral("0.020") : QStringLiteral("0.025"));
    }
    QVERIFY(lines.at(4).startsWith("KES_2_00004.JPG\t6000000.0"));
}

void TestFilesWork::splitMode_data()
{
    QTest::addColumn<bool>("pix4d");
    QTest::newRow("plain") << false;
    QTest::newRow("pix4d") << true;
}

void TestFilesWork::splitMode()
{
    QFETCH(bool, pix4d);
    QSettings s;
    Keys::OutputSplitFoldersBlock.write(s, true);
    Keys::OutputPix4dLabel.write(s, pix4d);
    s.sync();
    const QString out = freshDir("split");
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {makeBlock("a", 2), makeBlock("b", 2)}) >= 0);
    const QString f1 = pix4d ? "fileData_Pix4d_01.txt" : "fileData01.txt";
    const QString f2 = pix4d ? "fileData_Pix4d_02.txt" : "fileData02.txt";
    QCOMPARE(filesBelow(out),
             QStringList({"IMG01/KES_1_00001.JPG", "IMG01/KES_1_00002.JPG", "IMG02/KES_2_00003.JPG",
                          "IMG02/KES_2_00004.JPG", f1, f2}));
    QVERIFY(!QFileInfo::exists(out + "/QUARANTINE01"));
    QVERIFY(!QFileInfo::exists(out + "/QUARANTINE02"));
    QCOMPARE(readLines(out + "/" + f1).size(), 3);
    QCOMPARE(readLines(out + "/" + f2).size(), 3);
    QVERIFY(readLines(out + "/" + f2).at(1).startsWith("KES_2_00003.JPG"));
}

void TestFilesWork::quarantinedPhotoGoesApart()
{
    const QString out = freshDir("quarantine");
    BlockSnapshot block = makeBlock("q", 3);
    block.quarantined[1] = true;
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {block}) >= 0);
    QVERIFY(QFileInfo::exists(out + "/QUARANTINE/KES_1_00002.JPG"));
    QVERIFY(QFileInfo::exists(out + "/IMG/KES_1_00001.JPG"));
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(2).startsWith("KES_1_00002.JPG"));
    auto image = Exiv2::ImageFactory::open(
        QFile::encodeName(out + "/QUARANTINE/KES_1_00002.JPG").toStdString());
    image->readMetadata();
    QCOMPARE(QString::fromStdString(image->xmpData()["Xmp.drone-dji.RtkFlag"].toString()),
             QStringLiteral("50"));
}

void TestFilesWork::secondRunIntoTheSameFolder()
{
    const QString out = freshDir("twice");
    const BlockSnapshot block = makeBlock("t", 2);
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {block}) >= 0);
    const QByteArray firstFile = checksum({out + "/fileData.txt"});
    const QByteArray firstPhotos =
        checksum({out + "/IMG/KES_1_00001.JPG", out + "/IMG/KES_1_00002.JPG"});
    QSignalSpy text(&job, &FilesWork::curProcessFile);
    QCOMPARE(run(job, out, {block}), int(FilesWork::CoordinateFileExists));
    QVERIFY(text.last().first().toString().contains("fileData.txt"));
    QVERIFY(text.last().first().toString().contains("already exists"));
    QCOMPARE(checksum({out + "/fileData.txt"}), firstFile);
    QCOMPARE(checksum({out + "/IMG/KES_1_00001.JPG", out + "/IMG/KES_1_00002.JPG"}), firstPhotos);
}

void TestFilesWork::photosOnlySecondRunSkipsEveryPhoto()
{
    const QString out = freshDir("photos-twice");
    const BlockSnapshot block = makeBlock("p", 3);
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {block}, PhotosOnly) >= 0);
    QVERIFY(!QFileInfo::exists(out + "/fileData.txt"));
    const QByteArray first = checksum({out + "/IMG/KES_1_00001.JPG"});
    QSignalSpy report(&job, &FilesWork::reportReady);
    QSignalSpy text(&job, &FilesWork::curProcessFile);
    QVERIFY(run(job, out, {block}, PhotosOnly) >= 0);
    const auto r = report.first().first().value<ProcessingReport>();
    QCOMPARE(r.skipped, 3);
    QCOMPARE(r.copied, 0);
    QCOMPARE(text.last().first().toString(),
             QStringLiteral("0 from 0 files were copied and processed in 0 seconds"));
    QCOMPARE(checksum({out + "/IMG/KES_1_00001.JPG"}), first);
}

void TestFilesWork::timemarksOnlyTouchesNothing()
{
    const QString out = freshDir("timemarks");
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {makeBlock("m", 2), makeBlock("n", 1)}, TimemarksOnly) >= 0);
    QCOMPARE(filesBelow(out), QStringList({"fileData.txt"}));
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 4);
    QVERIFY(lines.at(3).startsWith("KES_2_00003.JPG\t"));
}

void TestFilesWork::morePhotosThanRows()
{
    // A photo without a row has no position: it is copied as the camera made it, has no
    // line, and is named.
    const QString out = freshDir("more");
    const BlockSnapshot block = makeBlock("x", 3, 2);
    FilesWork job(m_geo);
    QSignalSpy report(&job, &FilesWork::reportReady);
    QVERIFY(run(job, out, {block}) >= 0);
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 3);
    QVERIFY(lines.at(2).startsWith("KES_1_00002.JPG\t"));
    QCOMPARE(checksum({out + "/IMG/KES_1_00003.JPG"}), checksum({block.entries.at(2)}));
    const auto r = report.first().first().value<ProcessingReport>();
    QCOMPARE(r.withoutPosition, 1);
    QCOMPARE(r.withoutPositionPhotos, QStringList{block.entries.at(2)});
    QCOMPARE(r.withoutPositionReasons, QStringList{"has no timemark row (2 rows for 3 photos)"});
    QCOMPARE(r.withoutLinePhotos, QStringList{block.entries.at(2)});
    QCOMPARE(r.copied, 3);
}

void TestFilesWork::refusedBeforeAnythingIsMade_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("a photo in two blocks")
        << "twice" << int(FilesWork::DuplicatePhotos)
        << "is given twice: as photo 2 of block 1 and as photo 1 of block 2";
    QTest::newRow("a date with the delimiter")
        << "date" << int(FilesWork::DateHoldsSeparator)
        << "The date \"17.05.2024\\t10:00:02\" of timemark row 2 of block 1 holds the output "
           "delimiter \"tab\"";
    QTest::newRow("another run holds the folder")
        << "busy" << int(FilesWork::OutputDirBusy)
        << QStringLiteral("Another Kestrix run (process %1) is writing into the folder")
               .arg(QCoreApplication::applicationPid());
}

void TestFilesWork::refusedBeforeAnythingIsMade()
{
    QFETCH(QString, kind);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString out = freshDir("refused");
    QList<BlockSnapshot> blocks{makeBlock("refused", 3)};
    blocks[0].hasDateColumn = true;
    RunMarker other;
    if (kind == "twice") {
        BlockSnapshot second = blocks.first();
        second.entries = QStringList{QUrl::fromLocalFile(blocks[0].entries.at(1)).toString()};
        blocks << second;
    } else if (kind == "date") {
        blocks[0].rows[1].date = QStringLiteral("17.05.2024\t10:00:02");
    } else {
        QVERIFY(other.acquire(out));
        other.recordProcessId();
    }
    FilesWork job(m_geo);
    QSignalSpy text(&job, &FilesWork::curProcessFile);
    QCOMPARE(run(job, out, blocks), code);
    QVERIFY2(text.last().first().toString().contains(message),
             qPrintable(text.last().first().toString()));
    QCOMPARE(filesBelow(out), other.isHeld() ? QStringList{RunMarker::fileName()} : QStringList());
}

void TestFilesWork::photosWithoutPosition_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("wgs84");
    QTest::addColumn<QString>("reason");
    QTest::newRow("a row without a position")
        << "zero" << false << "has a timemark row without a position";
    QTest::newRow("a row without a zone, in degrees")
        << "zone" << true
        << "has a timemark row without a UTM zone, so its latitude and longitude are unknown";
    QTest::newRow("yaw 1e38") << "yaw" << false
                              << "has a drone attitude out of range (pitch 0, yaw 1e+38, roll 0";
    QTest::newRow("pitch 999999") << "pitch" << true
                                  << "has a drone attitude out of range (pitch 999999";
    QTest::newRow("an attitude that is no number")
        << "nan" << false << "has a drone attitude that is not a number";
}

void TestFilesWork::photosWithoutPosition()
{
    // Such a photo is copied as the camera made it, has no line, and is named with why.
    QFETCH(QString, kind);
    QFETCH(bool, wgs84);
    QFETCH(QString, reason);
    QSettings s;
    Keys::CoordinateType.write(s, wgs84 ? Keys::CoordinateTypeWgs84 : 0);
    s.sync();
    BlockSnapshot block = makeBlock("nopos-" + kind, 3);
    const QString victim = block.entries.at(1);
    if (kind == "zero") {
        block.rows[1].x = block.rows[1].y = 0.0;
    } else if (kind == "zone") {
        block.rows[1].zone = 0;
    } else {
        PhotoSpec spec;
        spec.pitch = kind == "pitch" ? 999999.0 : 0.0;
        spec.yaw = kind == "yaw" ? 1e38 : 0.0;
        QVERIFY(SyntheticFlight::writePhoto(victim, spec));
        if (kind == "nan") {
            auto image = Exiv2::ImageFactory::open(QFile::encodeName(victim).toStdString());
            image->readMetadata();
            image->xmpData()["Xmp.drone-dji.FlightRollDegree"] = std::string("level");
            image->writeMetadata();
        }
        block.sizes[1] = QFileInfo(victim).size();
    }
    const QString out = freshDir("nopos");
    FilesWork job(m_geo);
    QSignalSpy report(&job, &FilesWork::reportReady);
    QVERIFY(run(job, out, {block}) >= 0);
    const auto r = report.first().first().value<ProcessingReport>();
    QCOMPARE(r.withoutPositionPhotos, QStringList{victim});
    QVERIFY2(r.withoutPositionReasons.value(0).startsWith(reason),
             qPrintable(r.withoutPositionReasons.value(0)));
    QCOMPARE(r.withoutLinePhotos, QStringList{victim});
    QCOMPARE(checksum({out + "/IMG/KES_1_00002.JPG"}), checksum({victim}));
    QStringList names;
    for (const QString &line : readLines(out + "/fileData.txt").mid(1))
        names << line.section('\t', 0, 0);
    QCOMPARE(names, QStringList({"KES_1_00001.JPG", "KES_1_00003.JPG"}));
}

void TestFilesWork::automaticSubdirectoryIsNew()
{
    // Runs in the same second: the second one's folder gets a number, never the first's.
    const QString out = freshDir("auto-new");
    FilesWork job(m_geo);
    const BlockSnapshot block = makeBlock("auto-new", 1);
    for (int attempt = 0; attempt < 5; ++attempt) {
        QDir(out).removeRecursively();
        QDir().mkpath(out);
        QVERIFY(run(job, out, {block}, FullWork, true) >= 0);
        const QString first = job.outputDirectory();
        QVERIFY(run(job, out, {block}, FullWork, true) >= 0);
        const QString second = job.outputDirectory();
        QVERIFY(second != first);
        QCOMPARE(filesBelow(first), QStringList({"IMG/KES_1_00001.JPG", "fileData.txt"}));
        QCOMPARE(filesBelow(second), QStringList({"IMG/KES_1_00001.JPG", "fileData.txt"}));
        if (second == first.chopped(1) + "_2/")
            return;
    }
    QSKIP("The two runs never started in the same second");
}

void TestFilesWork::lastProgressValue_data()
{
    QTest::addColumn<int>("total");
    for (int total : {1, 3, 7, 49})
        QTest::newRow(qPrintable(QString::number(total))) << total;
}

void TestFilesWork::lastProgressValue()
{
    QFETCH(int, total);
    const QString out = freshDir("progress");
    FilesWork job(m_geo);
    QSignalSpy progress(&job, &FilesWork::curProcess);
    QVERIFY(run(job, out, {makeBlock(QString("p%1").arg(total), total)}, TimemarksOnly) >= 0);
    QCOMPARE(progress.first().first().toInt(), 0);
    QCOMPARE(progress.last().first().toInt(), 100);
    const float step = 100.0f / float(total);
    QCOMPARE(progress.at(progress.size() - 2).first().toInt(), int(float(total) * step));
    QCOMPARE(progress.size(), total + 2);
}

void TestFilesWork::stopRequestMidRun_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<int>("copiesAtOnce");
    QTest::addColumn<int>("stopAfter"); // photos done when the request comes
    QTest::addColumn<QStringList>("files");
    const QStringList first{"IMG/KES_1_00001.JPG", "fileData.txt"};
    QTest::newRow("copies side by side") << int(FullWork) << 4 << 1 << first;
    QTest::newRow("one copy at a time") << int(FullWork) << 1 << 1 << first;
    QTest::newRow("timemarks only") << int(TimemarksOnly) << 4 << 1 << QStringList{"fileData.txt"};
    // After the last photo there is nothing left to stop: the run ends as done.
    QTest::newRow("after the last photo")
        << int(FullWork) << 1 << 4
        << QStringList{"IMG/KES_1_00001.JPG", "IMG/KES_1_00002.JPG", "IMG/KES_1_00003.JPG",
                       "IMG/KES_1_00004.JPG", "fileData.txt"};
}

void TestFilesWork::stopRequestMidRun()
{
    QFETCH(int, type);
    QFETCH(int, copiesAtOnce);
    QFETCH(int, stopAfter);
    QFETCH(QStringList, files);
    const QString out = freshDir("stop");
    FilesWork job(m_geo);
    job.setParallelCopies(copiesAtOnce);
    const int trigger = int(float(stopAfter) * (100.0f / 4.0f));
    connect(&job, &FilesWork::curProcess, &job, [&job, trigger](int percent) {
        if (percent == trigger)
            job.stop();
    });
    QSignalSpy stopped(&job, &FilesWork::stopped);
    const int result = run(job, out, {makeBlock("s", 4)}, WorkType(type));
    const bool late = stopAfter == 4;
    QCOMPARE(result >= 0, late); // a stopped run emits no workFinished
    QCOMPARE(stopped.size(), late ? 0 : 1);
    QCOMPARE(filesBelow(out), files);
    QCOMPARE(readLines(out + "/fileData.txt").size(), stopAfter + 1);
}

void TestFilesWork::prefixWithPath_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::newRow("parent") << "../x";
    QTest::newRow("slash") << "a/b";
    QTest::newRow("backslash") << "a\\b";
    QTest::newRow("dot") << ".";
    QTest::newRow("dotdot") << "..";
    // refused by Windows and memory-card file systems
    QTest::newRow("colon") << "C:KES";
    QTest::newRow("star") << "KES*";
    QTest::newRow("question mark") << "KES?";
    QTest::newRow("quote") << "KES\"";
    QTest::newRow("angle brackets") << "<KES>";
    QTest::newRow("pipe") << "KES|1";
    // would break the coordinate file's lines
    QTest::newRow("tab") << "KES\t1";
    QTest::newRow("newline") << "KES\n1";
    QTest::newRow("carriage return") << "KES\r";
    QTest::newRow("too long for a file name") << QString(201, QLatin1Char('K'));
    QTest::newRow("the output separator") << "KES;1";
}

void TestFilesWork::prefixWithPath()
{
    QFETCH(QString, prefix);
    QSettings s;
    Keys::PhotoPrefix.write(s, prefix);
    Keys::MetaOutSeparator.write(s, 3); // ";"
    s.sync();
    const QString out = freshDir("prefix/out");
    FilesWork job(m_geo);
    QSignalSpy text(&job, &FilesWork::curProcessFile);
    QCOMPARE(run(job, out, {makeBlock("pre", 1)}), int(FilesWork::InvalidPrefix));
    QCOMPARE(filesBelow(m_dir.filePath("prefix")), QStringList());
    QVERIFY(text.last().first().toString().startsWith("The photo prefix \"" + prefix + "\""));
    // Without a coordinate file no separator is in the way; the other refusals stay.
    QCOMPARE(run(job, out, {makeBlock("pre", 1)}, PhotosOnly) == int(FilesWork::InvalidPrefix),
             !prefix.contains(';'));
}

void TestFilesWork::wgs84Output()
{
    QSettings s;
    Keys::CoordinateType.write(s, 2);
    s.sync();
    const QString out = freshDir("wgs");
    BlockSnapshot block = makeBlock("w", 1);
    const UtmPoint utm = m_geo->geoToUtm(3.25, 52.5, 40.0);
    block.rows[0].x = utm.x;
    block.rows[0].y = utm.y;
    block.rows[0].z = utm.z;
    block.rows[0].zone = utm.zone;
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {block}) >= 0);
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.first(), QStringLiteral("Name\tLat (N)\tLon (E)\tH\tsdN\tsdE\tsdH"));
    const QStringList f = lines.at(1).split('\t');
    QCOMPARE(f.at(1).section('.', 1).size(), 9);
    QVERIFY(std::abs(f.at(1).toDouble() - 52.5) < 1e-5);
    QVERIFY(std::abs(f.at(2).toDouble() - 3.25) < 1e-5);
    auto image =
        Exiv2::ImageFactory::open(QFile::encodeName(out + "/IMG/KES_1_00001.JPG").toStdString());
    image->readMetadata();
    QCOMPARE(QString::fromStdString(image->xmpData()["Xmp.drone-dji.GpsLatitude"].toString()),
             f.at(1));
    QCOMPARE(QString::fromStdString(image->exifData()["Exif.GPSInfo.GPSLatitudeRef"].toString()),
             QStringLiteral("N"));
}

void TestFilesWork::automaticSubdirectory()
{
    const QString out = freshDir("auto");
    QFile other(out + "/already-here.txt");
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {makeBlock("auto", 1)}, FullWork, true) >= 0);
    const QStringList sub = QDir(out).entryList({"Kestrix_*"}, QDir::Dirs);
    QCOMPARE(sub.size(), 1);
    QVERIFY(QRegularExpression("^Kestrix_\\d{4}-\\d\\d-\\d\\dT\\d\\d\\.\\d\\d\\.\\d\\d$")
                .match(sub.first())
                .hasMatch());
    QVERIFY(QFileInfo::exists(out + "/" + sub.first() + "/IMG/KES_1_00001.JPG"));
    QCOMPARE(job.outputDirectory(), out + "/" + sub.first() + "/");
}

void TestFilesWork::unusableOutputFolder()
{
    FilesWork job(m_geo);
    QCOMPARE(run(job, m_dir.filePath("does/not/exist"), {makeBlock("u", 1)}),
             int(FilesWork::OutputDirUnusable));
    const QString file = m_dir.filePath("plainfile");
    QFile f(file);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    QCOMPARE(run(job, file, {makeBlock("u", 1)}), int(FilesWork::OutputDirUnusable));
}

void TestFilesWork::leftoverTemporariesAreRemoved()
{
    const QString out = freshDir("leftover");
    QDir().mkpath(out + "/IMG");
    const QString stale = out + "/IMG/" + PhotoCopier::temporaryPrefix() + "999999999-3.tmp";
    QFile f(stale);
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write("half a photo");
    f.close();
    FilesWork job(m_geo);
    QVERIFY(run(job, out, {makeBlock("l", 1)}, PhotosOnly) >= 0);
    QVERIFY(!QFileInfo::exists(stale));
    QCOMPARE(filesBelow(out), QStringList({"IMG/KES_1_00001.JPG"}));
}

void TestFilesWork::runsInItsOwnThread()
{
    const QString out = freshDir("thread");
    FilesWork job(m_geo);
    QThread thread;
    prepareInThread(job, thread, out, makeBlock("th", 3));
    QList<int> finished; // received here, queued, as the window receives it
    connect(&job, &FilesWork::workFinished, this, [&finished](int result) { finished << result; });
    thread.start();
    QTRY_COMPARE_WITH_TIMEOUT(finished.size(), 1, 20000);
    thread.quit();
    QVERIFY(thread.wait(5000));
    QVERIFY(finished.first() >= 0);
    QCOMPARE(readLines(out + "/fileData.txt").size(), 4);
}

void TestFilesWork::injectedWriteFailure()
{
    const BlockSnapshot block = makeBlock("full", 5);
    const QString reference = freshDir("full-reference");
    FilesWork job(m_geo);
    QVERIFY(run(job, reference, {block}) >= 0);
    qint64 twoPhotos = 0;
    for (const char *name : {"KES_1_00001.JPG", "KES_1_00002.JPG"})
        twoPhotos += QFileInfo(reference + "/IMG/" + QLatin1String(name)).size();

    // The disk fills up in the middle of the third photo. The injected limit counts the
    // bytes of the whole process, which copies written side by side would share in no fixed
    // order.
    job.setParallelCopies(1);
    PhotoCopier::setWriteLimitForTesting(twoPhotos + 100);
    const QString out = freshDir("full-out");
    QSignalSpy report(&job, &FilesWork::reportReady);
    QVERIFY(run(job, out, {block}) >= 0);
    const auto r = report.first().first().value<ProcessingReport>();
    QCOMPARE(r.copied, 2);
    QCOMPARE(r.skipped, 3);
    QCOMPARE(r.notCopied, block.entries.mid(2));
    QCOMPARE(r.notCopiedReasons.size(), 3);
    for (const QString &reason : r.notCopiedReasons)
        QVERIFY2(reason.contains("No space left on device"), qPrintable(reason));
    // No partial copy, under a final name or a temporary one; what is there is complete.
    QCOMPARE(filesBelow(out),
             QStringList({"IMG/KES_1_00001.JPG", "IMG/KES_1_00002.JPG", "fileData.txt"}));
    for (const char *name : {"IMG/KES_1_00001.JPG", "IMG/KES_1_00002.JPG"})
        QCOMPARE(checksum({out + "/" + QLatin1String(name)}),
                 checksum({reference + "/" + QLatin1String(name)}));
    QCOMPARE(readLines(out + "/fileData.txt"), readLines(reference + "/fileData.txt").mid(0, 3));
}

void TestFilesWork::photoChangedAfterAdding_data()
{
    QTest::addColumn<QString>("change");
    QTest::addColumn<int>("type");
    QTest::addColumn<QString>("reason"); // why it was not copied; empty: it was
    QTest::addColumn<bool>("listed");    // whether it has its line
    for (int type : {int(FullWork), int(PhotosOnly)}) {
        const char *mode = type == FullWork ? "full" : "photos only";
        QTest::addRow("deleted, %s", mode) << "delete" << type << "does not exist" << false;
        QTest::addRow("cut short, %s", mode)
            << "truncate" << type << "the photo changed after it was added" << false;
        QTest::addRow("emptied, %s", mode) << "empty" << type << "(0 bytes," << false;
        QTest::addRow("garbage of another size, %s", mode)
            << "garbage+" << type << "the photo changed after it was added" << false;
        QTest::addRow("garbage of the same size, %s", mode)
            << "garbage" << type << "its metadata cannot be read any more" << false;
    }
    // Only read: a photo whose metadata still reads gives its line.
    QTest::newRow("deleted, timemarks only") << "delete" << int(TimemarksOnly) << "" << false;
    QTest::newRow("cut short, timemarks only") << "truncate" << int(TimemarksOnly) << "" << true;
    QTest::newRow("garbage, timemarks only") << "garbage" << int(TimemarksOnly) << "" << false;
}

void TestFilesWork::photoChangedAfterAdding()
{
    QFETCH(QString, change);
    QFETCH(int, type);
    QFETCH(QString, reason);
    QFETCH(bool, listed);
    const BlockSnapshot block = makeBlock("changed-" + change, 3);
    const QString victim = block.entries.at(1);
    const qint64 size = QFileInfo(victim).size();
    if (change == "delete") {
        QVERIFY(QFile::remove(victim));
        m_sources.removeOne(victim);
    } else {
        QFile f(victim);
        QVERIFY(f.open(QIODevice::ReadWrite));
        if (change == "truncate")
            QVERIFY(f.resize(size - 100)); // the image data only: the metadata still reads
        else if (change == "empty")
            QVERIFY(f.resize(0));
        else
            f.write(QByteArray(int(size) + (change == "garbage+" ? 10 : 0), 'g'));
    }
    const QString out = freshDir("changed");
    FilesWork job(m_geo);
    QSignalSpy report(&job, &FilesWork::reportReady);
    QVERIFY(run(job, out, {block}, WorkType(type)) >= 0);
    const auto r = report.first().first().value<ProcessingReport>();
    const bool copies = type != TimemarksOnly;
    if (copies) {
        QCOMPARE(r.notCopied, QStringList{victim});
        QVERIFY2(r.notCopiedReasons.value(0).contains(reason),
                 qPrintable(r.notCopiedReasons.value(0)));
        // The others are copied as ever, and nothing stands in for the changed one.
        QCOMPARE(filesBelow(out + "/IMG"), QStringList({"KES_1_00001.JPG", "KES_1_00002.JPG"}));
        QCOMPARE(r.metadataFailed, 0);
    } else {
        QCOMPARE(r.skipped, 0);
        QCOMPARE(r.withoutLine, listed ? 0 : 1);
        QCOMPARE(r.metadataFailed, listed ? 0 : 1);
        if (!listed)
            QVERIFY(r.metadataProblems.value(0).startsWith(victim + ": "));
    }
    if (type != PhotosOnly) {
        QStringList names;
        for (const QString &line : readLines(out + "/fileData.txt").mid(1))
            names << line.section('\t', 0, 0);
        // A photo that is not copied leaves its number to the next one; one that is only
        // read keeps it (its line is missing, not shifted onto the next photo).
        QStringList expected = copies ? QStringList{"KES_1_00001.JPG", "KES_1_00002.JPG"}
                                      : QStringList{"KES_1_00001.JPG", "KES_1_00003.JPG"};
        if (listed)
            expected = QStringList{"KES_1_00001.JPG", "KES_1_00002.JPG", "KES_1_00003.JPG"};
        QCOMPARE(names, expected);
    }
}

void TestFilesWork::geotagThatExiv2CannotWrite()
{
    // An XMP packet as large as a JPEG segment allows: the geotag's keys cannot fit in.
    BlockSnapshot block = makeBlock("tight", 2);
    const QString tight = block.entries.at(0);
    const QByteArray original = [&] {
        QFile f(tight);
        f.open(QIODevice::ReadOnly);
        return f.readAll();
    }();
    int fits = 0;
    for (int low = 50000, high = 66000; low <= high;) {
        const int n = (low + high) / 2;
        QFile f(tight);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(original);
        f.close();
        try {
            auto image = Exiv2::ImageFactory::open(QFile::encodeName(tight).toStdString());
            image->readMetadata();
            image->xmpData()["Xmp.dc.source"] = std::string(size_t(n), 'x');
            image->writeMetadata();
            fits = n;
            low = n + 1;
        } catch (const Exiv2::AnyError &) {
            high = n - 1;
        }
    }
    QVERIFY(fits > 0);
    {
        QFile f(tight);
        QVERIFY(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(original);
        f.close();
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(tight).toStdString());
        image->readMetadata();
        image->xmpData()["Xmp.dc.source"] = std::string(size_t(fits), 'x');
        image->writeMetadata();
    }
    block.sizes[0] = QFileInfo(tight).size();
    m_sources << tight;

    const QString out = freshDir("tight");
    FilesWork job(m_geo);
    QSignalSpy report(&job, &FilesWork::reportReady);
    QVERIFY(run(job, out, {block}) >= 0);
    const auto r = report.first().first().value<ProcessingReport>();
    QCOMPARE(r.copied, 2);
    QCOMPARE(r.metadataFailed, 1);
    QCOMPARE(r.withoutLine, 1);
    QVERIFY2(r.metadataProblems.value(0).startsWith(tight + ": "),
             qPrintable(r.metadataProblems.value(0)));
    // The copy keeps the camera's bytes, untouched; it has no line, the other photo has.
    QCOMPARE(checksum({out + "/IMG/KES_1_00001.JPG"}), checksum({tight}));
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 2);
    QVERIFY(lines.at(1).startsWith("KES_1_00002.JPG\t"));
}

void TestFilesWork::stopFromAnotherThreadMidRun()
{
    const QString out = freshDir("stopthread");
    FilesWork job(m_geo);
    QThread thread;
    prepareInThread(job, thread, out, makeBlock("st", 4));
    // The run is held after its first photo until the request has been made from this
    // thread, so it lands mid-run every time.
    QSemaphore firstPhotoDone;
    QSemaphore stopSent;
    bool held = false; // touched by the run's thread only
    connect(
        &job, &FilesWork::curProcess, &job,
        [&](int percent) {
            if (percent == 0 || held)
                return;
            held = true;
            firstPhotoDone.release();
            stopSent.acquire();
        },
        Qt::DirectConnection);
    int stopped = 0;
    int finished = 0;
    // Counted here, in the test's thread, as the window would receive them.
    connect(&job, &FilesWork::stopped, this, [&] { ++stopped; });
    connect(&job, &FilesWork::workFinished, this, [&] { ++finished; });
    thread.start();
    QVERIFY(firstPhotoDone.tryAcquire(1, 20000));
    QCOMPARE(job.outputDirectory(), out + '/'); // the window asks while the run goes on
    job.stop();
    stopSent.release();
    QTRY_COMPARE_WITH_TIMEOUT(stopped, 1, 20000);
    thread.quit();
    QVERIFY(thread.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(finished, 0);
    QCOMPARE(filesBelow(out), QStringList({"IMG/KES_1_00001.JPG", "fileData.txt"}));
    QCOMPARE(readLines(out + "/fileData.txt").size(), 2);
}

void TestFilesWork::stopBeforeTheRunStarts()
{
    const QString out = freshDir("stopfirst");
    FilesWork job(m_geo);
    QThread thread;
    prepareInThread(job, thread, out, makeBlock("sf", 2));
    job.stop();
    int stopped = 0;
    int finished = 0;
    connect(&job, &FilesWork::stopped, this, [&] { ++stopped; });
    connect(&job, &FilesWork::workFinished, this, [&] { ++finished; });
    thread.start();
    QTRY_COMPARE_WITH_TIMEOUT(stopped, 1, 20000);
    thread.quit();
    QVERIFY(thread.wait(5000));
    QCoreApplication::processEvents();
    QCOMPARE(finished, 0);
    QCOMPARE(filesBelow(out), QStringList());

    // The request was used up: the same job, started again on the same input, goes through.
    QSignalSpy again(&job, &FilesWork::workFinished);
    job.doWork();
    QCOMPARE(again.size(), 1);
    QVERIFY(again.first().first().toInt() >= 0);
    QCOMPARE(readLines(out + "/fileData.txt").size(), 3);
}

QTEST_GUILESS_MAIN(TestFilesWork)
#include "testfileswork.moc"

void TestFilesWork::copiesSideBySideMatchOneAtATime_data()
{
    QTest::addColumn<QString>("scenario");
    QTest::addColumn<int>("type");
    for (const char *scenario : {"plain", "quarantined", "missing photo", "names taken",
                                 "split into two blocks", "second run", "wgs84"})
        QTest::newRow(scenario) << scenario << int(FullWork);
    QTest::newRow("photos only, names taken") << "names taken" << int(PhotosOnly);
}

// However many copies are written at once, a run leaves the same files with the same bytes
// and reports the same, also when photos are skipped and later names move up.
void TestFilesWork::copiesSideBySideMatchOneAtATime()
{
    QFETCH(QString, scenario);
    QFETCH(int, type);
    QSettings s;
    Keys::OutputSplitFoldersBlock.write(s, scenario == "split into two blocks");
    Keys::CoordinateType.write(s, scenario == "wgs84" ? 2 : 0);
    s.sync();
    const QString tag = QString(QTest::currentDataTag()).replace(' ', '-').remove(',');
    QList<BlockSnapshot> blocks{makeBlock("side-" + tag, 9)};
    if (scenario == "split into two blocks")
        blocks << makeBlock("side2-" + tag, 5);
    if (scenario == "quarantined")
        blocks[0].quarantined[2] = blocks[0].quarantined[3] = true;
    if (scenario == "missing photo" || scenario == "names taken") {
        QVERIFY(QFile::remove(blocks[0].entries.at(1)));
        m_sources.removeOne(blocks[0].entries.at(1));
    }

    QList<QByteArray> trees;
    QList<ProcessingReport> reports;
    for (int copies : {1, 4}) {
        const QString out = freshDir(QStringLiteral("side/%1-%2").arg(tag).arg(copies));
        if (scenario == "names taken") {
            // Two names in the middle are taken, by files that must stay as they are.
            QDir().mkpath(out + "/IMG");
            for (const char *name : {"KES_1_00004.JPG", "KES_1_00005.JPG"}) {
                QFile taken(out + "/IMG/" + QLatin1String(name));
                QVERIFY(taken.open(QIODevice::WriteOnly));
                taken.write("not a photo of this run");
            }
        }
        FilesWork job(m_geo);
        job.setParallelCopies(copies);
        if (scenario == "second run")
            QVERIFY(run(job, out, blocks, PhotosOnly) >= 0);
        QSignalSpy report(&job, &FilesWork::reportReady);
        QVERIFY(run(job, out, blocks, WorkType(type)) >= 0);
        QCOMPARE(report.size(), 1);
        reports << report.first().first().value<ProcessingReport>();
        QCOMPARE(filesBelow(out).filter(PhotoCopier::temporaryPrefix()), QStringList());
        trees << checksumOfTree(out);
        if (copies == 1 && scenario == "names taken")
            QCOMPARE(filesBelow(out + "/IMG").size(), 5); // two taken, three photos before
    }
    QCOMPARE(trees.at(1), trees.at(0));
    const ProcessingReport &one = reports.at(0);
    const ProcessingReport &four = reports.at(1);
    QCOMPARE(four.copied, one.copied);
    QCOMPARE(four.skipped, one.skipped);
    QCOMPARE(four.handled, one.handled);
    QCOMPARE(four.notCopied, one.notCopied);
    QCOMPARE(four.notCopiedReasons.size(), one.notCopiedReasons.size());
    QCOMPARE(four.withoutLine, one.withoutLine);
    QCOMPARE(four.metadataFailed, one.metadataFailed);
}
