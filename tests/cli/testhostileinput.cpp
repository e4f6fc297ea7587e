// Input that must never become a coordinate, through the command line: each case is refused
// with a message that names it and nothing written, named in the report of a failed run, or
// read right. The sources are checked to be unchanged after every case.
#include "cliprocess.h"
#include "processing/runmarker.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>
#include <csignal>
#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace TestFiles;

// One timemark row as cells: date, point, north, east, height, sdN, sdE, sdH.
QStringList row(int i, bool degrees)
{
    const double north = degrees ? 54.0 + 0.0001 * i : 6000000.0 + 10.0 * i;
    const double east = degrees ? 10.0 : 500000.0;
    return {QStringLiteral("2024/05/17 10:00:%1.000").arg(2 * i, 2, 10, QChar('0')),
            QStringLiteral("P%1").arg(i + 1),
            SyntheticFlight::number(north, 9),
            SyntheticFlight::number(east, 9),
            "100.0",
            "0.010",
            "0.012",
            "0.025"};
}

bool writeRows(const QString &path, const QList<QStringList> &rows)
{
    QByteArray text = "Date;Point;North;East;H;sdN;sdE;sdH\n";
    for (const QStringList &cells : rows)
        text += cells.join(';').toUtf8() + '\n';
    return TestFiles::write(path, text);
}

} // namespace

class TestHostileInput : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void refusedOrNamed_data();
    void refusedOrNamed();
    void readRight_data();
    void readRight();
    void flightAcrossTheAntimeridian();
    void realPosFiles();
    void secondRunIntoABusyFolder();
    void automaticFoldersInTheSameSecond();
    void fifoInPlaceOfAPhoto_data();
    void fifoInPlaceOfAPhoto();

private:
    CliResult cli(const QStringList &args) { return CliProcess::run(m_env, args); }
    /// A fresh case folder with three photos; returns it.
    QString flight(const QString &name, int count = 3);

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

void TestHostileInput::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_env = CliProcess::isolatedEnvironment(m_dir.path());
}

QString TestHostileInput::flight(const QString &name, int count)
{
    const QString dir = m_dir.filePath(QString(name).replace(' ', '-'));
    QDir(dir).removeRecursively();
    SyntheticFlight::writeFlight(dir + "/photos", count, nullptr);
    return dir;
}

void TestHostileInput::refusedOrNamed_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message"); // %1: the case folder
    // Positions
    QTest::newRow("latitude 95") << "lat 95" << true << 1
                                 << "(first: line 3: latitude 95 is outside -90 to 90 degrees)";
    QTest::newRow("UTM file read as degrees")
        << "utm as degrees" << true << 1
        << "Timemark rows that are no usable position: 3. The file is refused as a whole (first: "
           "line 2: latitude 6000000 is outside -90 to 90 degrees)";
    QTest::newRow("degrees read as metres")
        << "degrees as utm" << false << 1
        << "easting 10 m is outside 100 000 to 900 000 m: the values look like degrees, or metres "
           "in the wrong columns";
    QTest::newRow("northing 1e20") << "north 1e20" << false << 1 << "northing 1e+20 m is outside";
    QTest::newRow("height 1e20") << "height 1e20" << false << 1
                                 << "height 1e+20 m is outside -11 000 to 100 000 m";
    QTest::newRow("stray delimiter, degrees")
        << "stray" << true << 1 << "km from the median position of the file";
    // RTKLIB forms and the first row
    QTest::newRow("ECEF solution")
        << "ecef" << true << 1
        << "is an RTKLIB solution in ECEF (x-ecef, y-ecef, z-ecef) form, which holds no "
           "latitude, longitude or UTM position: export the solution as latitude/longitude/height";
    QTest::newRow("first row on the header")
        << "first 1" << false << 1 << "(first: line 1: column 3 holds \"North\"";
    // Photos
    QTest::newRow("zero-byte photo")
        << "empty photo" << false << 1 << "Photo %1/photos/DJI_0002.JPG is empty (0 bytes)";
    QTest::newRow("not a JPEG") << "not jpeg" << false << 1
                                << "Photo %1/photos/DJI_0002.JPG is not a JPEG photo";
    QTest::newRow("a FIFO as photo")
        << "fifo" << false << 1
        << "Photo %1/photos/DJI_0002.JPG is a FIFO (named pipe), not a file";
    QTest::newRow("a link loop as photo")
        << "loop" << false << 1
        << "Photo %1/photos/DJI_0004.JPG is a symbolic link that leads in a circle";
    QTest::newRow("yaw 1e38") << "yaw" << false << 1
                              << "Photo %1/photos/DJI_0002.JPG has a drone attitude out of range "
                                 "(pitch 0, yaw 1e+38, roll 0 degrees";
    // Skipped and named; the pairs that remain are right, so the run goes on.
    QTest::newRow("same photo twice in a block")
        << "twice" << false << 0
        << "Photo %1/photos/DJI_0002.JPG is the same photo as %1/photos/DJI_0002.JPG, already "
           "in the list";
    QTest::newRow("same photo in two blocks")
        << "two blocks" << false << 1
        << "Photo %1/photos/DJI_0001.JPG is given twice: as photo 1 of block 1 and as photo 1 of "
           "block 2";
    QTest::newRow("timemark file is a folder")
        << "tm folder" << false << 1 << "Timemark file %1/photos is a folder";
    QTest::newRow("timemark file is a FIFO")
        << "tm fifo" << false << 1 << "Timemark file %1/tm.csv is a FIFO (named pipe), not a file";
    // Output
    QTest::newRow("date holds the output delimiter")
        << "date comma" << false << 1
        << "The date \"17.05.2024 10:00:02,000\" of timemark row 2 of block 1 holds the output "
           "delimiter \",\", which would shift the columns of its line; choose another output "
           "delimiter";
    QTest::newRow("fewer rows than photos, --no-check")
        << "fewer rows" << false << 3
        << "Missing from the coordinate file: %1/photos/DJI_0003.JPG (has no timemark row (2 "
           "rows for 3 photos))";
}

void TestHostileInput::refusedOrNamed()
{
    QFETCH(QString, kind);
    QFETCH(bool, degrees);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString dir = flight(QTest::currentDataTag());
    const QString photos = dir + "/photos";
    QString timemarks = dir + "/tm.csv";
    QList<QStringList> rows;
    for (int i = 0; i < 3; ++i)
        rows << row(i, degrees && kind != "utm as degrees");
    QStringList args{"process", "--no-subdir", "--columns", "1,3,4,5,6,7,8", "--utm-zone", "33"};
    if (degrees)
        args << "--coords"
             << "wgs84";
    QStringList inputs{timemarks, photos};
    auto photo = [&](int n) {
        return QStringLiteral("%1/DJI_%2.JPG").arg(photos).arg(n, 4, 10, QChar('0'));
    };

    if (kind == "lat 95") {
        rows[1][2] = "95";
    } else if (kind == "degrees as utm") {
        rows = {row(0, true), row(1, true), row(2, true)};
    } else if (kind == "north 1e20") {
        rows[1][2] = "1e20";
    } else if (kind == "height 1e20") {
        rows[2][4] = "1e20";
    } else if (kind == "stray") {
        rows[1][1] = "P;2"; // shifts the row's later cells one column right
    } else if (kind == "first 1") {
        args << "--first-row"
             << "1";
    } else if (kind == "date comma") {
        rows[1][0] = "17.05.2024 10:00:02,000";
        args << "--out-delimiter"
             << "comma";
    } else if (kind == "fewer rows") {
        rows.removeLast();
        args << "--no-check";
    }
    QVERIFY(writeRows(timemarks, rows));

    if (kind == "ecef") {
        QVERIFY(TestFiles::write(timemarks,
                                 "% program   : RTKPOST ver.2.4.3\n"
                                 "%  GPST                      x-ecef(m)      y-ecef(m)      "
                                 "z-ecef(m)   Q  ns\n"
                                 "2023/01/08 10:00:00.000   -481817.9432   5507212.2485   "
                                 "3170368.5142   5   8\n"));
    } else if (kind == "empty photo") {
        QVERIFY(TestFiles::write(photo(2), QByteArray()));
    } else if (kind == "not jpeg") {
        QVERIFY(TestFiles::write(photo(2), "Date;North;East\n"));
    } else if (kind == "fifo") {
        QFile::remove(photo(2));
        QVERIFY(::mkfifo(QFile::encodeName(photo(2)).constData(), 0600) == 0);
    } else if (kind == "loop") {
        QVERIFY(QFile::link(photo(4), photo(4)));
    } else if (kind == "yaw") {
        PhotoSpec spec;
        spec.yaw = 1e38;
        QVERIFY(SyntheticFlight::writePhoto(photo(2), spec));
    } else if (kind == "twice") {
        inputs << photo(2);
    } else if (kind == "two blocks") {
        inputs << "--timemarks" << timemarks << photo(1);
    } else if (kind == "tm folder") {
        inputs[0] = photos;
    } else if (kind == "tm fifo") {
        QFile::remove(timemarks);
        QVERIFY(::mkfifo(QFile::encodeName(timemarks).constData(), 0600) == 0);
    }

    const QByteArray sources = checksumOfTree(photos);
    const QString out = dir + "/out";
    QElapsedTimer timer;
    timer.start();
    const CliResult r = cli(args + QStringList{"--out", out, "--timemarks"} + inputs);
    QVERIFY(timer.elapsed() < 30000); // nothing is waited on, a FIFO neither
    QCOMPARE(r.code, code);
    message.replace("%1", dir);
    QVERIFY2((r.out + r.err).contains(message), qPrintable(r.err + r.out));
    if (code == 1)
        QVERIFY2(!QFileInfo::exists(out), "a refused run made its output folder");
    else if (code == 3)
        QCOMPARE(readAll(out + "/IMG/KES_1_00003.JPG"), readAll(photo(3))); // untouched copy
    else
        QCOMPARE(readLines(out + "/fileData.txt").size(), 4);
    QCOMPARE(checksumOfTree(photos), sources);
}

void TestHostileInput::readRight_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("firstLine"); // of fileData.txt after the header, its coordinates
    QTest::newRow("quoted numbers") << "quoted"
                                    << "6000000.027\t500000.000\t99.831";
    QTest::newRow("longitude 180 is zone 60") << "lon 180"
                                              << "54.0000002";
    QTest::newRow("first row auto after a text header") << "auto"
                                                        << "6000000.027\t500000.000";
}

void TestHostileInput::readRight()
{
    QFETCH(QString, kind);
    QFETCH(QString, firstLine);
    const QString dir = flight(QTest::currentDataTag());
    const bool degrees = kind == "lon 180";
    QList<QStringList> rows;
    for (int i = 0; i < 3; ++i) {
        rows << row(i, degrees);
        if (kind == "quoted")
            for (QString &cell : rows.last())
                cell = '"' + cell + '"';
        if (degrees)
            rows.last()[3] = "180";
    }
    QVERIFY(writeRows(dir + "/tm.csv", rows));
    QStringList args{"process", "--no-subdir", "--columns", "1,3,4,5,6,7,8", "--utm-zone", "33"};
    if (degrees)
        args << "--coords"
             << "wgs84";
    if (kind == "auto")
        args << "--first-row"
             << "auto";
    const CliResult r = cli(
        args + QStringList{"--out", dir + "/out", "--timemarks", dir + "/tm.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY2(r.err.contains("Block 1: first timemark row: line 2 (2024/05/17 10:00:00.000)"),
             qPrintable(r.err));
    const QStringList lines = readLines(dir + "/out/fileData.txt");
    QCOMPARE(lines.size(), 4);
    QVERIFY2(lines.at(1).section('\t', 2).startsWith(firstLine), qPrintable(lines.at(1)));
    if (degrees) // the lever arm may carry it a hair past the meridian
        QVERIFY(std::abs(std::remainder(lines.at(1).section('\t', 3, 3).toDouble() - 180.0,
                                        360.0)) < 1e-6);
}

void TestHostileInput::flightAcrossTheAntimeridian()
{
    // Longitudes 179.9999 to -179.9999 are neighbours, in two UTM zones.
    const QString dir = flight("antimeridian", 5);
    const QList<double> lons{179.9998, 179.9999, 180.0, -179.9999, -179.9998};
    QList<QStringList> rows;
    for (int i = 0; i < lons.size(); ++i) {
        rows << row(i, true);
        rows.last()[2] = "-16.5";
        rows.last()[3] = SyntheticFlight::number(lons.at(i), 9);
    }
    QVERIFY(writeRows(dir + "/tm.csv", rows));
    const CliResult r =
        cli({"process", "--no-subdir", "--coords", "wgs84", "--columns", "1,3,4,5,6,7,8", "--out",
             dir + "/out", "--timemarks", dir + "/tm.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList lines = readLines(dir + "/out/fileData.txt");
    QCOMPARE(lines.size(), 6);
    for (int i = 0; i < lons.size(); ++i) {
        const QStringList f = lines.at(i + 1).split('\t');
        // The lever arm moves a few centimetres; the side of the meridian stays.
        QVERIFY(std::abs(f.at(2).toDouble() + 16.5) < 1e-5);
        QVERIFY2(std::abs(std::remainder(f.at(3).toDouble() - lons.at(i), 360.0)) < 1e-5,
                 qPrintable(lines.at(i + 1)));
    }
}

void TestHostileInput::realPosFiles()
{
    const QString data = TestEnv::testDataDir();
    if (data.isEmpty())
        QSKIP("The real sample folder is absent");
    const QString dir = flight("real", 2);
    QStringList files;
    for (const char *name : {"lla__lla_gpst2_111_dd.pos", "lla__lla_gpst2_111_ds.pos"}) {
        const QString out = dir + "/out-" + QLatin1String(name);
        const CliResult r =
            cli({"process", "--no-subdir", "--coords", "wgs84", "--first-row", "auto", "--columns",
                 "1,3,4,5,0,0,0", "--mode", "timemarks", "--out", out, "--timemarks",
                 data + "/pos/" + name, dir + "/photos"});
        QVERIFY2(r.code == 0, qPrintable(r.err));
        QVERIFY(r.err.contains("Block 1: first timemark row: line 15 (2023/01/08)"));
        files << out + "/fileData.txt";
    }
    // The seconds of the DMS file have 5 decimals: 1.4e-9 degrees, on top of 1e-9.
    const QStringList dd = readLines(files.at(0));
    const QStringList dms = readLines(files.at(1));
    QCOMPARE(dms.size(), 3);
    for (int i = 1; i < 3; ++i) {
        for (int c : {1, 2})
            QVERIFY(std::abs(dms.at(i).section('\t', c, c).toDouble() -
                             dd.at(i).section('\t', c, c).toDouble()) <= 1e-9 + 1.4e-9);
    }
    const QString out = dir + "/out-ecef";
    const CliResult ecef =
        cli({"process", "--no-subdir", "--coords", "wgs84", "--first-row", "auto", "--out", out,
             "--timemarks", data + "/pos/ecef__ecef_gpst2_111_dd.pos", dir + "/photos"});
    QCOMPARE(ecef.code, 1);
    QVERIFY2(ecef.err.contains("export the solution as latitude/longitude/height"),
             qPrintable(ecef.err));
    QVERIFY(!QFileInfo::exists(out));
}

void TestHostileInput::secondRunIntoABusyFolder()
{
    const QString dir = flight("busy");
    QList<QStringList> rows;
    for (int i = 0; i < 3; ++i)
        rows << row(i, false);
    QVERIFY(writeRows(dir + "/tm.csv", rows));
    const QString out = dir + "/out";
    QVERIFY(QDir().mkpath(out));
    const QStringList args{"process",       "--no-subdir",  "--no-check", "--columns",
                           "1,3,4,5,6,7,8", "--out",        out,          "--timemarks",
                           dir + "/tm.csv", dir + "/photos"};
    {
        // Another run holds the folder, as this process does here.
        RunMarker other;
        QVERIFY(other.acquire(out));
        other.recordProcessId();
        const CliResult r = cli(args);
        QCOMPARE(r.code, 3);
        QVERIFY2(r.err.contains(QStringLiteral("Another Kestrix run (process %1) is writing into "
                                               "the folder %2")
                                    .arg(QCoreApplication::applicationPid())
                                    .arg(out)),
                 qPrintable(r.err));
        QCOMPARE(filesBelow(out), QStringList{RunMarker::fileName()});
    }
    // Its marker gone, the folder is free again.
    const CliResult r = cli(args);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(filesBelow(out).size(), 4); // three photos, the coordinate file
}

void TestHostileInput::automaticFoldersInTheSameSecond()
{
    const QString dir = flight("same-second");
    QList<QStringList> rows;
    for (int i = 0; i < 3; ++i)
        rows << row(i, false);
    QVERIFY(writeRows(dir + "/tm.csv", rows));
    const QStringList args{"process",    "--subdir",    "--columns",     "1,3,4,5,6,7,8", "--out",
                           dir + "/out", "--timemarks", dir + "/tm.csv", dir + "/photos"};
    // Until both names are known: two runs that start in the same second make two folders.
    for (int attempt = 0; attempt < 5; ++attempt) {
        QDir(dir + "/out").removeRecursively();
        std::unique_ptr<QProcess> a(CliProcess::start(m_env, args));
        std::unique_ptr<QProcess> b(CliProcess::start(m_env, args));
        QVERIFY(a->waitForFinished(60000) && b->waitForFinished(60000));
        QCOMPARE(a->exitCode(), 0);
        QCOMPARE(b->exitCode(), 0);
        const QStringList folders = QDir(dir + "/out").entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        QCOMPARE(folders.size(), 2);
        for (const QString &folder : folders)
            QCOMPARE(readLines(dir + "/out/" + folder + "/fileData.txt").size(), 4);
        if (folders.at(1) == folders.at(0) + "_2")
            return;
    }
    QSKIP("The two runs never started in the same second");
}

void TestHostileInput::fifoInPlaceOfAPhoto_data()
{
    QTest::addColumn<int>("interrupts");
    QTest::newRow("the run names it") << 0;
    QTest::newRow("a second Ctrl-C ends at once") << 2;
}

void TestHostileInput::fifoInPlaceOfAPhoto()
{
    QFETCH(int, interrupts);
    const int count = 400;
    const QString dir = flight(QTest::currentDataTag(), count);
    QList<QStringList> rows;
    for (int i = 0; i < count; ++i)
        rows << row(i, false);
    QVERIFY(writeRows(dir + "/tm.csv", rows));
    const QString victim = dir + "/photos/DJI_0400.JPG";
    const QByteArray sources = checksumOfTree(dir + "/photos");
    std::unique_ptr<QProcess> p(
        CliProcess::start(m_env, {"process", "--no-subdir", "--columns", "1,3,4,5,6,7,8", "--out",
                                  dir + "/out", "--timemarks", dir + "/tm.csv", dir + "/photos"}));
    QVERIFY(p->waitForStarted());
    p->setReadChannel(QProcess::StandardError);
    QByteArray err;
    while (!err.contains("timemark rows") && p->waitForReadyRead(20000))
        err += p->readAllStandardError();
    // The photo was read when it was added; now a FIFO takes its place.
    QVERIFY(QFile::rename(victim, victim + ".kept"));
    QVERIFY(::mkfifo(QFile::encodeName(victim).constData(), 0600) == 0);
    for (int i = 0; i < interrupts; ++i)
        ::kill(pid_t(p->processId()), SIGINT);
    QElapsedTimer timer;
    timer.start();
    QVERIFY(p->waitForFinished(interrupts ? 5000 : 60000));
    err += p->readAllStandardError();
    // The private settings copy goes with the run, however it ended.
    QCOMPARE(QDir(m_dir.filePath("child-tmp"))
                 .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList());
    if (interrupts) {
        QVERIFY(timer.elapsed() < 5000);
    } else {
        QCOMPARE(p->exitCode(), 3);
        QVERIFY2(err.contains(QStringLiteral("Not copied: %1 (is a FIFO (named pipe), not a file)")
                                  .arg(victim)
                                  .toUtf8()),
                 err.constData());
    }
    // Whatever is under a final name is a whole copy: it ends as its source ends.
    for (const QString &name : QDir(dir + "/out/IMG").entryList({"KES_*.JPG"}, QDir::Files)) {
        const int n = name.mid(6, 5).toInt();
        const QString source =
            QStringLiteral("%1/photos/DJI_%2.JPG").arg(dir).arg(n, 4, 10, QChar('0'));
        QCOMPARE(readAll(dir + "/out/IMG/" + name).right(256), readAll(source).right(256));
    }
    QVERIFY(QFile::remove(victim));
    QVERIFY(QFile::rename(victim + ".kept", victim));
    QCOMPARE(checksumOfTree(dir + "/photos"), sources);
}

QTEST_GUILESS_MAIN(TestHostileInput)
#include "testhostileinput.moc"
