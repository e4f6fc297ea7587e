#include "logcapture.h"
#include "photos/fileworker.h"
#include "photos/photodate.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <sys/stat.h>
#include <unistd.h>

namespace {

struct Batch
{
    bool finished = false;
    bool failed = false;
    QStringList accepted;
    QStringList rejected;
    QList<Adj> adjs;
    QList<QDateTime> dates;
    QList<int> progress;
    QStringList refused;
    QStringList reasons;
};

// Runs the worker in the calling thread: its signals arrive directly.
Batch readBatch(const QStringList &entries)
{
    Batch batch;
    FileWorker worker;
    QObject::connect(&worker, &FileWorker::addFinished,
                     [&](const QStringList &n, const QStringList &r, const QList<Adj> &a,
                         const QList<QDateTime> &d) {
                         batch.finished = true;
                         batch.accepted = n;
                         batch.rejected = r;
                         batch.adjs = a;
                         batch.dates = d;
                     });
    QObject::connect(&worker, &FileWorker::addFinishedFail, [&] { batch.failed = true; });
    QObject::connect(&worker, &FileWorker::addRefused,
                     [&](const QStringList &entries, const QStringList &reasons) {
                         batch.refused = entries;
                         batch.reasons = reasons;
                     });
    QObject::connect(&worker, &FileWorker::addProcess, [&](int p) { batch.progress << p; });
    worker.setFileList(entries);
    worker.addWork();
    return batch;
}

double f(double v)
{
    return double(float(v));
}

} // namespace

class TestFileWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void realPhotos_data();
    void realPhotos();
    void realPhotosInAnyOrder();
    void rejectedAndUnreadable();
    void hostilePhotosAreNamed_data();
    void hostilePhotosAreNamed();
    void nothingAccepted();
    void emptyList();
    void progressValues();
    void volumeLogLine_data();
    void volumeLogLine();
    void parseDate_data();
    void parseDate();
    void datesInABatch();
    void sameFileTwiceAndAsUrl();

private:
    QString photo(const QString &name, const PhotoSpec &spec);
    QStringList realEntries() const;

    QTemporaryDir m_dir;
};

void TestFileWorker::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

QString TestFileWorker::photo(const QString &name, const PhotoSpec &spec)
{
    const QString path = m_dir.filePath(name);
    QString error;
    if (!SyntheticFlight::writePhoto(path, spec, &error))
        qWarning() << error;
    return path;
}

QStringList TestFileWorker::realEntries() const
{
    const QDir dir(TestEnv::testDataDir() + QStringLiteral("/photos"));
    return {dir.filePath("M30T_DJI_0001_R.JPG"),
            dir.filePath("DJI_H20T.jpg"),
            dir.filePath("DJI_XT2.jpg"),
            dir.filePath("DJI_XTS.jpg"),
            dir.filePath("DJI_XTR.jpg"),
            dir.filePath("H20N_DJI_0006_R.JPG"),
            dir.filePath("sequence/DJI_20250117111343_0139_T.JPG"),
            dir.filePath("sequence/DJI_20250117111345_0141_T.JPG"),
            dir.filePath("sequence/DJI_20250117111349_0143_T.JPG")};
}

void TestFileWorker::realPhotos_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("accepted");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("roll");
    QTest::addColumn<QString>("date");
    QTest::newRow("H20T") << "DJI_H20T.jpg" << true << -0.5 << 30.3 << 0.0 << "2021-05-28T10:33:46";
    QTest::newRow("XT2, no signs, float noise")
        << "DJI_XT2.jpg" << true << 1.2 << 81.900002 << -0.9 << "2018-07-27T14:51:54";
    QTest::newRow("XTR") << "DJI_XTR.jpg" << true << 0.4 << 66.599998 << -0.7
                         << "2018-05-16T10:22:57";
    QTest::newRow("H20N") << "H20N_DJI_0006_R.JPG" << true << 2.2 << -86.0 << 1.8
                          << "2022-03-24T17:37:59";
    QTest::newRow("sequence 0139") << "sequence/DJI_20250117111343_0139_T.JPG" << true << -13.0
                                   << 90.1 << -1.3 << "2025-01-17T11:13:43";
    QTest::newRow("sequence 0141") << "sequence/DJI_20250117111345_0141_T.JPG" << true << -9.2
                                   << 90.1 << -1.4 << "2025-01-17T11:13:45";
    QTest::newRow("sequence 0143") << "sequence/DJI_20250117111349_0143_T.JPG" << true << -6.7
                                   << 90.0 << -3.2 << "2025-01-17T11:13:49";
    QTest::newRow("XTS, undecodable XMP") << "DJI_XTS.jpg" << false << 0.0 << 0.0 << 0.0 << "";
    QTest::newRow("M30T, stripped") << "M30T_DJI_0001_R.JPG" << false << 0.0 << 0.0 << 0.0 << "";
}

void TestFileWorker::realPhotos()
{
    if (TestEnv::testDataDir().isEmpty())
        QSKIP("the real-world sample folder is absent");
    QFETCH(QString, name);
    QFETCH(bool, accepted);
    QFETCH(double, pitch);
    QFETCH(double, yaw);
    QFETCH(double, roll);
    QFETCH(QString, date);

    const QString entry = TestEnv::testDataDir() + QStringLiteral("/photos/") + name;
    // Read inside the whole set, so that neighbours cannot decide the outcome.
    const Batch batch = readBatch(realEntries());
    QVERIFY(batch.finished);
    QCOMPARE(batch.accepted.size(), 7);
    const int row = batch.accepted.indexOf(entry);
    if (!accepted) {
        QCOMPARE(row, -1);
        QVERIFY(batch.rejected.contains(entry));
        return;
    }
    QVERIFY(row >= 0);
    QVERIFY(!batch.rejected.contains(entry));
    QCOMPARE(batch.adjs.at(row).pitch, f(pitch));
    QCOMPARE(batch.adjs.at(row).yaw, f(yaw));
    QCOMPARE(batch.adjs.at(row).roll, f(roll));
    QCOMPARE(batch.dates.at(row), QDateTime::fromString(date, Qt::ISODate));
    QCOMPARE(batch.dates.at(row).timeSpec(), Qt::LocalTime);
}

void TestFileWorker::realPhotosInAnyOrder()
{
    if (TestEnv::testDataDir().isEmpty())
        QSKIP("the real-world sample folder is absent");
    QStringList entries = realEntries();
    const Batch forward = readBatch(entries);
    std::reverse(entries.begin(), entries.end());
    const Batch backward = readBatch(entries);
    // The photos without a drone-dji packet come first in one order and last in the other.
    for (int i = 0; i < forward.accepted.size(); ++i) {
        const int j = backward.accepted.indexOf(forward.accepted.at(i));
        QVERIFY(j >= 0);
        QCOMPARE(backward.adjs.at(j).yaw, forward.adjs.at(i).yaw);
        QCOMPARE(backward.adjs.at(j).pitch, forward.adjs.at(i).pitch);
    }
    QCOMPARE(backward.rejected.size(), 2);
}

void TestFileWorker::rejectedAndUnreadable()
{
    PhotoSpec good;
    good.pitch = 1.5;
    good.yaw = -120.25;
    good.roll = 0.75;
    PhotoSpec noPitch;
    noPitch.pitch.reset();
    PhotoSpec notANumber;
    const QString a = photo("r_a.jpg", good);
    const QString b = photo("r_b.jpg", noPitch);
    const QString c = photo("r_c.jpg", good);
    const QString nan = photo("r_nan.jpg", notANumber);
    {
        // An attitude that is there but no number must not pass as a level flight.
        Exiv2::Image::AutoPtr image =
            Exiv2::ImageFactory::open(QFile::encodeName(nan).toStdString());
        image->readMetadata();
        image->xmpData()["Xmp.drone-dji.FlightYawDegree"] = std::string("n/a");
        image->writeMetadata();
    }
    const QString text = m_dir.filePath("r_text.jpg");
    QFile file(text);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("not a photo at all");
    file.close();
    const QString missing = m_dir.filePath("r_missing.jpg");

    LogCapture log;
    const Batch batch = readBatch({a, b, text, missing, nan, c});
    QVERIFY(batch.finished);
    QCOMPARE(batch.accepted, (QStringList{a, c}));
    QCOMPARE(batch.rejected, (QStringList{b, nan}));
    QCOMPARE(batch.adjs.size(), 2);
    QCOMPARE(batch.adjs.at(0).pitch, 1.5);
    QCOMPARE(batch.adjs.at(0).yaw, -120.25);
    QCOMPARE(batch.adjs.at(0).roll, 0.75);
    QCOMPARE(batch.dates.size(), 2);

    QVERIFY(log.contains(
        QStringLiteral("Warning: %1 does not contain Xmp.drone-dj.Flight* data").arg(b)));
    const QStringList critical = log.lines(QStringLiteral("Critical"));
    QCOMPARE(critical.size(), 1); // the text file; the missing one never reaches Exiv2
    QVERIFY2(QRegularExpression(QStringLiteral("^Exiv2 ERROR: \\d+ - .+"))
                 .match(critical.first())
                 .hasMatch(),
             qPrintable(critical.first()));
    // Every photo not taken is named with its reason, in batch order.
    QCOMPARE(batch.refused, (QStringList{b, text, missing, nan}));
    QCOMPARE(batch.reasons.value(0), QStringLiteral("has no drone attitude (Xmp.drone-dji."
                                                    "FlightPitchDegree, FlightYawDegree, "
                                                    "FlightRollDegree) in its XMP"));
    QCOMPARE(batch.reasons.value(1), QStringLiteral("is not a JPEG photo"));
    QCOMPARE(batch.reasons.value(2), QStringLiteral("does not exist"));
    QCOMPARE(batch.reasons.value(3), QStringLiteral("has a drone attitude that is not a number"));
}

void TestFileWorker::hostilePhotosAreNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("reason"); // the start of the reason given
    QTest::newRow("zero bytes") << "empty"
                                << "is empty (0 bytes)";
    QTest::newRow("cut short in its metadata") << "truncated"
                                               << "is cut short or damaged";
    QTest::newRow("not a JPEG") << "text"
                                << "is not a JPEG photo";
    QTest::newRow("damaged segments") << "damaged"
                                      << "is cut short or damaged";
    QTest::newRow("a folder") << "folder"
                              << "is a folder";
    QTest::newRow("a FIFO") << "fifo"
                            << "is a FIFO (named pipe), not a file";
    QTest::newRow("a link loop") << "loop"
                                 << "is a symbolic link that leads in a circle";
    QTest::newRow("no permission") << "unreadable"
                                   << "cannot be opened (Permission denied)";
    QTest::newRow("yaw 1e38") << "yaw"
                              << "has a drone attitude out of range (pitch 0, yaw 1e+38";
    QTest::newRow("pitch 999999") << "pitch"
                                  << "has a drone attitude out of range (pitch 999999";
    QTest::newRow("roll -180.5") << "roll"
                                 << "has a drone attitude out of range";
}

void TestFileWorker::hostilePhotosAreNamed()
{
    QFETCH(QString, kind);
    QFETCH(QString, reason);
    const QString good = photo("h_good.jpg", PhotoSpec());
    const QString path = m_dir.filePath("h_" + kind + ".jpg");
    QFile::remove(path);
    QDir(path).removeRecursively();
    const QByteArray bytes = TestFiles::readAll(good);
    auto write = [&](const QByteArray &content) { QVERIFY(TestFiles::write(path, content)); };
    PhotoSpec spec;
    if (kind == "empty") {
        write(QByteArray());
    } else if (kind == "truncated") {
        write(bytes.left(bytes.indexOf("http://ns.adobe.com/xap/1.0/") + 40));
    } else if (kind == "text") {
        write("Date;North;East\n");
    } else if (kind == "damaged") {
        QByteArray damaged = bytes;
        damaged[4] = char(0xff); // the first segment claims more bytes than the file has
        damaged[5] = char(0xf0);
        write(damaged.left(30000));
    } else if (kind == "folder") {
        QVERIFY(QDir().mkpath(path));
    } else if (kind == "fifo") {
        QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    } else if (kind == "loop") {
        QVERIFY(QFile::link(path, path));
    } else if (kind == "unreadable") {
        if (::geteuid() == 0)
            QSKIP("root reads files whatever their permissions");
        write(bytes);
        QVERIFY(QFile::setPermissions(path, QFileDevice::WriteOwner));
    } else {
        spec.pitch = kind == "pitch" ? 999999.0 : 0.0;
        spec.yaw = kind == "yaw" ? 1e38 : 0.0;
        spec.roll = kind == "roll" ? -180.5 : 0.0;
        QVERIFY(SyntheticFlight::writePhoto(path, spec));
    }
    QElapsedTimer timer;
    timer.start();
    const Batch batch = readBatch({good, path});
    QVERIFY(timer.elapsed() < 10000); // a FIFO is never waited on
    QCOMPARE(batch.accepted, QStringList{good});
    QCOMPARE(batch.refused, QStringList{path});
    QVERIFY2(batch.reasons.value(0).startsWith(reason), qPrintable(batch.reasons.value(0)));
}

void TestFileWorker::nothingAccepted()
{
    PhotoSpec noRoll;
    noRoll.roll.reset();
    const QString a = photo("n_a.jpg", noRoll);
    const QString b = photo("n_b.jpg", noRoll);
    const Batch batch = readBatch({a, b});
    QVERIFY(!batch.finished);
    QVERIFY(batch.failed);
}

void TestFileWorker::emptyList()
{
    LogCapture log;
    const Batch batch = readBatch({});
    QVERIFY(batch.failed);
    QCOMPARE(batch.progress, QList<int>{0});
    QVERIFY(log.contains(QStringLiteral("Info: Added 0 photos, volume 0 Mb")));
}

void TestFileWorker::progressValues()
{
    const QString a = photo("p_a.jpg", PhotoSpec());
    const Batch three = readBatch({a, a, a});
    QCOMPARE(three.progress, (QList<int>{0, 0, 33, 66}));
    const Batch four = readBatch({a, a, a, a});
    QCOMPARE(four.progress, (QList<int>{0, 0, 25, 50, 75}));
}

void TestFileWorker::volumeLogLine_data()
{
    QTest::addColumn<QList<qint64>>("sizes");
    QTest::addColumn<QString>("line");
    QTest::newRow("5 Mb in three")
        << QList<qint64>{1747626, 1747627, 1747627} << "Added 3 photos, volume 5 Mb";
    QTest::newRow("six significant digits")
        << QList<qint64>{12945383} << "Added 1 photos, volume 12.3457 Mb"; // 12.3456789...
}

void TestFileWorker::volumeLogLine()
{
    QFETCH(QList<qint64>, sizes);
    QFETCH(QString, line);
    QStringList entries;
    for (int i = 0; i < sizes.size(); ++i) {
        const QString path =
            photo(QStringLiteral("v_%1_%2.jpg").arg(QTest::currentDataTag()).arg(i), PhotoSpec());
        QFile file(path);
        // Bytes after the end of the image count in the file's size and nowhere else.
        QVERIFY(file.open(QIODevice::Append));
        QVERIFY(file.size() <= sizes.at(i));
        QVERIFY(file.resize(sizes.at(i)));
        file.close();
        entries << path;
    }
    LogCapture log;
    const Batch batch = readBatch(entries);
    QCOMPARE(batch.accepted.size(), sizes.size());
    QCOMPARE(log.lines(QStringLiteral("Info")), QStringList{line});
}

void TestFileWorker::parseDate_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("expected"); // ISO form, empty for invalid
    QTest::newRow("EXIF form") << "2020:05:17 10:22:33"
                               << "2020-05-17T10:22:33";
    QTest::newRow("single digits") << "2020:5:7 1:2:3"
                                   << "2020-05-07T01:02:03";
    QTest::newRow("two blanks") << "2020:05:17  10:22:33"
                                << "";
    QTest::newRow("trailing blank") << "2020:05:17 10:22:33 "
                                    << "";
    QTest::newRow("date only") << "2020:05:17"
                               << "";
    QTest::newRow("dashes") << "2020-05-17 10:22:33"
                            << "";
    QTest::newRow("time without seconds") << "2020:05:17 10:22"
                                          << "";
    QTest::newRow("month 13") << "2020:13:17 10:22:33"
                              << "";
    QTest::newRow("hour 25") << "2020:05:17 25:22:33"
                             << "";
    QTest::newRow("letters") << "20x0:05:17 10:22:33"
                             << "";
    QTest::newRow("blank camera clock") << "    :  :     :  :  "
                                        << "";
}

void TestFileWorker::parseDate()
{
    QFETCH(QString, text);
    QFETCH(QString, expected);
    const QDateTime parsed = PhotoDate::parse(text);
    if (expected.isEmpty()) {
        QVERIFY(!parsed.isValid());
        return;
    }
    QCOMPARE(parsed, QDateTime::fromString(expected, Qt::ISODate));
    QCOMPARE(parsed.timeSpec(), Qt::LocalTime);
}

void TestFileWorker::datesInABatch()
{
    auto withDate = [](std::optional<QString> date) {
        PhotoSpec spec;
        spec.dateTime = date;
        return spec;
    };
    const QString first = photo("d_first.jpg", withDate(QStringLiteral("2024:05:17 10:00:00")));
    const QString empty = photo("d_empty.jpg", withDate(QString()));
    const QString none = photo("d_none.jpg", withDate(std::nullopt));
    const QString bad = photo("d_bad.jpg", withDate(QStringLiteral("2024:05:17  10:00:04")));
    PhotoSpec refused = withDate(QStringLiteral("2024:05:17 10:00:06"));
    refused.yaw.reset();
    const QString skipped = photo("d_refused.jpg", refused);
    const QString later = photo("d_later.jpg", withDate(QStringLiteral("2024:05:17 10:00:08")));

    const QDateTime t0(QDate(2024, 5, 17), QTime(10, 0, 0));
    Batch batch = readBatch({first, empty, none, bad, empty, skipped, none, later});
    QCOMPARE(batch.dates.size(), 7);
    QCOMPARE(batch.dates.at(0), t0);
    QCOMPARE(batch.dates.at(1), t0); // empty: the previous photo's
    QCOMPARE(batch.dates.at(2), t0); // missing: the same
    QVERIFY(!batch.dates.at(3).isValid());
    QVERIFY(!batch.dates.at(4).isValid()); // copies the invalid one before it
    // The refused photo's date is nobody's previous date.
    QVERIFY(!batch.dates.at(5).isValid());
    QCOMPARE(batch.dates.at(6), t0.addSecs(8));

    batch = readBatch({none, first});
    QVERIFY(!batch.dates.at(0).isValid()); // first of a batch, nothing to copy
    QCOMPARE(batch.dates.at(1), t0);
}

void TestFileWorker::sameFileTwiceAndAsUrl()
{
    const QString path = m_dir.filePath("twice and url.jpg");
    PhotoSpec spec;
    spec.yaw = 45.5;
    photo("twice and url.jpg", spec);
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    const Batch batch = readBatch({path, url, path});
    QCOMPARE(batch.accepted, (QStringList{path, url, path}));
    for (const Adj &adj : batch.adjs)
        QCOMPARE(adj.yaw, 45.5);
}

QTEST_GUILESS_MAIN(TestFileWorker)
#include "testfileworker.moc"
