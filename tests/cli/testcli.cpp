#include "cliprocess.h"
#include "referencegeometry.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <cmath>
#include <csignal>

namespace {

using namespace TestFiles;

} // namespace

Q_DECLARE_METATYPE(FlightTiming)

class TestCli : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void version();
    void usageErrors_data();
    void usageErrors();
    void fullRunMatchesComputedCoordinates_data();
    void fullRunMatchesComputedCoordinates();
    void refusals_data();
    void refusals();
    void secondRunIntoTheSameFolderFails();
    void splitGapMakesBlocks();
    void distanceFilterQuarantines();
    void wgs84FromPosFile();
    void storedSettingsStayUntouched();
    void interruptStopsBeforeTheNextPhoto();
    void folderPhotosInNaturalOrder();
    void pairingCheck_data();
    void pairingCheck();

private:
    CliResult cli(const QStringList &args);
    QString flight(const QString &name, int count, QList<TimemarkRow> *rows = nullptr);

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
};

void TestCli::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_env = CliProcess::isolatedEnvironment(m_dir.path());
}

CliResult TestCli::cli(const QStringList &args)
{
    return CliProcess::run(m_env, args);
}

QString TestCli::flight(const QString &name, int count, QList<TimemarkRow> *rows)
{
    const QString dir = m_dir.filePath(name);
    QDir(dir).removeRecursively();
    SyntheticFlight::writeFlightFolder(dir, count, rows);
    return dir;
}

void TestCli::version()
{
    const CliResult r = cli({"--version"});
    QCOMPARE(r.code, 0);
    QCOMPARE(r.out, QStringLiteral("Kestrix 1.8.9\n"));
    const CliResult help = cli({"--help"});
    QCOMPARE(help.code, 0);
    QVERIFY(help.out.startsWith("Usage: kestrix-cli process"));
}

void TestCli::usageErrors_data()
{
    QTest::addColumn<QStringList>("args");
    QTest::newRow("nothing") << QStringList();
    QTest::newRow("unknown command") << QStringList{"copy"};
    QTest::newRow("unknown option") << QStringList{"process", "--frobnicate"};
    QTest::newRow("bad mode") << QStringList{"process", "--mode",      "all", "--out",
                                             "x",       "--timemarks", "t"};
    QTest::newRow("no out") << QStringList{"process", "--timemarks", "t", "p.jpg"};
    QTest::newRow("photo before timemarks") << QStringList{"process", "--out", "x", "p.jpg"};
    QTest::newRow("bad zone") << QStringList{"process", "--utm-zone",  "61", "--out",
                                             "x",       "--timemarks", "t"};
    QTest::newRow("bad lever arm")
        << QStringList{"process", "--lever-arm", "sideways", "--out", "x", "--timemarks", "t"};
    QTest::newRow("bad columns") << QStringList{"process", "--columns",   "1,2", "--out",
                                                "x",       "--timemarks", "t"};
    QTest::newRow("drop-unmatched for check")
        << QStringList{"check", "--drop-unmatched", "--timemarks", "t", "p.jpg"};
}

void TestCli::usageErrors()
{
    QFETCH(QStringList, args);
    const CliResult r = cli(args);
    QCOMPARE(r.code, 2);
    QVERIFY(r.err.contains("Usage: kestrix-cli process"));
}

void TestCli::fullRunMatchesComputedCoordinates_data()
{
    QTest::addColumn<QStringList>("leverArm");
    QTest::addColumn<bool>("design");
    QTest::newRow("aircraft by default") << QStringList() << false;
    QTest::newRow("aircraft") << QStringList{"--lever-arm", "aircraft"} << false;
    QTest::newRow("earlier results") << QStringList{"--lever-arm=design"} << true;
}

void TestCli::fullRunMatchesComputedCoordinates()
{
    QFETCH(QStringList, leverArm);
    QFETCH(bool, design);
    QList<TimemarkRow> rows;
    const QString dir = flight("full", 5, &rows);
    const QByteArray before = checksumOfTree(dir);
    const QString out = m_dir.filePath("full-out");
    QDir(out).removeRecursively();
    const CliResult r =
        cli(QStringList{"process", "--no-subdir", "--columns", "1,3,4,5,6,7,8", "--out", out,
                        "--timemarks", dir + "/timemarks.csv", dir + "/photos"} +
            leverArm);
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.out.contains("5 from 5 files were copied and processed in"));
    const QStringList lines = readLines(out + "/fileData.txt");
    QCOMPARE(lines.size(), 6);
    // ";" files give ";" output only on request; the default is a tab
    QCOMPARE(lines.first(), QStringLiteral("Name\tDate\tNorth\tEast\tH\tsdN\tsdE\tsdH"));
    for (int i = 0; i < 5; ++i) {
        double dE, dN, dH;
        (design ? ReferenceGeometry::designLeverArm : ReferenceGeometry::leverArm)(
            double(float(-1.0 + 0.1 * (i % 7))), double(float(10.0 * (i % 36))),
            double(float(0.5 * (i % 3))), &dE, &dN, &dH, 0.030, 0.0, -0.169);
        const QStringList f = lines.at(i + 1).split('\t');
        QCOMPARE(f.at(0), QStringLiteral("KES_1_%1.JPG").arg(i + 1, 5, 10, QChar('0')));
        QCOMPARE(f.at(1), rows.at(i).date);
        QCOMPARE(f.at(2), QString::number(rows.at(i).north + dN, 'f', 3));
        QCOMPARE(f.at(3), QString::number(rows.at(i).east + dE, 'f', 3));
        QCOMPARE(f.at(4), QString::number(rows.at(i).height + dH, 'f', 3));
        QCOMPARE(f.mid(5), QStringList({"0.010", "0.012", "0.025"}));
    }
    QCOMPARE(filesBelow(out + "/IMG").size(), 5);
    QCOMPARE(checksumOfTree(dir), before); // sources only read
}

void TestCli::refusals_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<QString>("message");
    QTest::newRow("not a timemark file") << "text"
                                         << "is not recognised";
    QTest::newRow("counts differ") << "counts"
                                   << "Amount of photos and timemark rows are not match";
    QTest::newRow("prefix with a path") << "prefix"
                                        << "cannot be used in a file name";
    QTest::newRow("output is a file") << "outfile"
                                      << "is a file";
    QTest::newRow("folder not empty") << "full"
                                      << "Selected directory is not empty";
}

void TestCli::refusals()
{
    QFETCH(QString, setup);
    const QString dir = flight("refuse-" + setup, 3);
    QString timemarks = dir + "/timemarks.csv";
    QString out = dir + "/out";
    QStringList extra{"--no-subdir"};
    if (setup == "text") {
        timemarks = dir + "/notes.txt";
        QFile f(timemarks);
        f.open(QIODevice::WriteOnly);
        f.write("just\nsome\nnotes\n");
    } else if (setup == "counts") {
        QFile::remove(dir + "/photos/DJI_0003.JPG");
    } else if (setup == "prefix") {
        extra << "--prefix"
              << "../x";
    } else if (setup == "outfile") {
        QFile f(out);
        f.open(QIODevice::WriteOnly);
    } else if (setup == "full") {
        QDir().mkpath(out);
        QFile f(out + "/earlier.txt");
        f.open(QIODevice::WriteOnly);
    }
    const QByteArray before = checksumOfTree(dir);
    const CliResult r = cli(QStringList{"process"} + extra +
                            QStringList{"--out", out, "--timemarks", timemarks, dir + "/photos"});
    QCOMPARE(r.code, 1);
    QFETCH(QString, message);
    QVERIFY2(r.err.contains(message), qPrintable(r.err));
    QCOMPARE(checksumOfTree(dir), before); // nothing written anywhere
}

void TestCli::secondRunIntoTheSameFolderFails()
{
    const QString dir = flight("twice", 2);
    const QString out = dir + "/out";
    const QStringList args{"process", "--no-subdir", "--no-check",           "--out",
                           out,       "--timemarks", dir + "/timemarks.csv", dir + "/photos"};
    QCOMPARE(cli(args).code, 0);
    const QByteArray first = checksumOfTree(out);
    const CliResult r = cli(args);
    QCOMPARE(r.code, 3);
    QVERIFY(r.err.contains("Coordinate file fileData.txt already exists"));
    QCOMPARE(checksumOfTree(out), first);
}

void TestCli::splitGapMakesBlocks()
{
    const QString dir = m_dir.filePath("gap");
    QDir(dir).removeRecursively();
    QDir().mkpath(dir + "/photos");
    const QList<int> offsets{0, 2, 100, 102, 104};
    QList<TimemarkRow> rows;
    const QDateTime start(QDate(2024, 5, 17), QTime(9, 0, 0));
    for (int i = 0; i < offsets.size(); ++i) {
        PhotoSpec spec;
        spec.dateTime = start.addSecs(offsets[i]).toString("yyyy:MM:dd HH:mm:ss");
        SyntheticFlight::writePhoto(QString("%1/photos/P%2.jpg").arg(dir).arg(i), spec);
        TimemarkRow row;
        row.date = start.addSecs(offsets[i]).toString("yyyy/MM/dd HH:mm:ss");
        row.north = 6000000 + 5 * i;
        row.east = 500000;
        row.height = 50;
        rows << row;
    }
    SyntheticFlight::writeTimemarks(dir + "/tm.csv", rows, SyntheticFlight::Format::Comma);
    const CliResult r = cli({"process", "--no-subdir", "--split-gap", "60", "--out", dir + "/out",
                             "--timemarks", dir + "/tm.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("Block sliced to 1 block"));
    QCOMPARE(filesBelow(dir + "/out/IMG"),
             QStringList({"KES_1_00001.JPG", "KES_1_00002.JPG", "KES_2_00003.JPG",
                          "KES_2_00004.JPG", "KES_2_00005.JPG"}));
    const QStringList lines = readLines(dir + "/out/fileData.txt");
    QCOMPARE(lines.size(), 6);
    const QStringList third = lines.at(3).split('\t');
    QCOMPARE(third.mid(0, 2), QStringList({"KES_2_00003.JPG", "2024/05/17 09:01:40"}));
    QVERIFY(third.at(2).startsWith("6000010.0"));
}

void TestCli::distanceFilterQuarantines()
{
    // A straight run 10 m apart: with 30 m the middle of every short straight stretch goes.
    const QString dir = flight("filter", 5);
    const CliResult r =
        cli({"process", "--no-subdir", "--quarantine-filter", "distance=30", "--out", dir + "/out",
             "--timemarks", dir + "/timemarks.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(r.err.contains("pairs quarantined"));
    const QStringList quarantined = filesBelow(dir + "/out/QUARANTINE");
    QVERIFY(!quarantined.isEmpty());
    QCOMPARE(filesBelow(dir + "/out/IMG").size() + quarantined.size(), 5);
    QCOMPARE(readLines(dir + "/out/fileData.txt").size(), 6);
}

void TestCli::wgs84FromPosFile()
{
    const QString dir = m_dir.filePath("pos");
    QDir(dir).removeRecursively();
    QList<TimemarkRow> rows;
    SyntheticFlight::writeFlight(dir + "/photos", 3, &rows);
    for (int i = 0; i < rows.size(); ++i) {
        rows[i].north = 52.5 + 0.0001 * i; // latitude
        rows[i].east = 3.25;               // longitude, zone 31
    }
    SyntheticFlight::writeTimemarks(dir + "/flight.pos", rows, SyntheticFlight::Format::RtklibPos);
    // Line 6 of the file, the first after its "%" header, as an editor numbers it.
    const CliResult r = cli({"process", "--no-subdir", "--coords", "wgs84", "--first-row", "6",
                             "--columns", "0,3,4,5,8,9,10", "--out", dir + "/out", "--timemarks",
                             dir + "/flight.pos", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    const QStringList lines = readLines(dir + "/out/fileData.txt");
    QCOMPARE(lines.size(), 4);
    QCOMPARE(lines.first(), QStringLiteral("Name\tLat (N)\tLon (E)\tH\tsdN\tsdE\tsdH"));
    for (int i = 0; i < 3; ++i) {
        const QStringList f = lines.at(i + 1).split('\t');
        QVERIFY(std::abs(f.at(1).toDouble() - rows.at(i).north) < 2e-6); // a few cm at most
        QVERIFY(std::abs(f.at(2).toDouble() - 3.25) < 2e-6);
        QCOMPARE(f.at(1).section('.', 1).size(), 9);
    }
}

void TestCli::storedSettingsStayUntouched()
{
    const QString conf = m_dir.filePath("child-config/Orvanta/Kestrix.conf");
    QDir().mkpath(QFileInfo(conf).path());
    {
        QFile f(conf);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write("[main]\nphotoPrefix=STORED\n");
    }
    const QByteArray before = checksumOfTree(QFileInfo(conf).path());
    const QString dir = flight("untouched", 2);
    const CliResult r =
        cli({"process", "--no-subdir", "--prefix", "CLI", "--coords", "utm", "--out", dir + "/out",
             "--timemarks", dir + "/timemarks.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QVERIFY(QFileInfo::exists(dir + "/out/IMG/CLI_1_00001.JPG"));
    QCOMPARE(checksumOfTree(QFileInfo(conf).path()), before);
    // without the override the stored prefix is used
    const QString dir2 = flight("stored", 1);
    QCOMPARE(cli({"process", "--no-subdir", "--out", dir2 + "/out", "--timemarks",
                  dir2 + "/timemarks.csv", dir2 + "/photos"})
                 .code,
             0);
    QVERIFY(QFileInfo::exists(dir2 + "/out/IMG/STORED_1_00001.JPG"));
    QFile::remove(conf);
}

void TestCli::interruptStopsBeforeTheNextPhoto()
{
    const QString dir = flight("interrupt", 400);
    const QByteArray before = checksumOfTree(dir);
    QProcess p;
    p.setProcessEnvironment(m_env);
    p.start(TestEnv::cliPath(), {"process", "--no-subdir", "--out", dir + "/out", "--timemarks",
                                 dir + "/timemarks.csv", dir + "/photos"});
    QVERIFY(p.waitForStarted());
    p.setReadChannel(QProcess::StandardError);
    // Once the block is read the run is about to start; interrupt it as Ctrl-C would.
    QByteArray err;
    while (!err.contains("timemark rows") && p.waitForReadyRead(20000))
        err += p.readAllStandardError();
    QVERIFY(err.contains("Block 1: 400 photos, 400 timemark rows"));
    ::kill(pid_t(p.processId()), SIGINT);
    QVERIFY(p.waitForFinished(30000));
    err += p.readAllStandardError();
    QCOMPARE(p.exitStatus(), QProcess::NormalExit);
    QCOMPARE(p.exitCode(), 3);
    QVERIFY2(err.contains("The task is canceled"), err.constData());
    const QStringList copies = filesBelow(dir + "/out/IMG");
    QVERIFY(copies.size() < 400);
    for (const QString &name : copies) // every copy under a final name is whole
        QVERIFY2(!name.startsWith('.'), qPrintable(name));
    QDir(dir + "/out").removeRecursively();
    QCOMPARE(checksumOfTree(dir), before);
}

void TestCli::folderPhotosInNaturalOrder()
{
    // Pairing is by order: DJI_9 must come before DJI_10, whatever the letter case.
    const QString dir = m_dir.filePath("order");
    QDir(dir).removeRecursively();
    QDir().mkpath(dir + "/photos");
    const QStringList names{"DJI_9.JPG", "dji_10.jpg", "DJI_11.JpEg", "DJI_100.jpeg"};
    QList<TimemarkRow> rows;
    for (int i = 0; i < names.size(); ++i) {
        PhotoSpec spec;
        spec.dateTime = QStringLiteral("2024:05:17 10:00:%1").arg(i, 2, 10, QChar('0'));
        QVERIFY(SyntheticFlight::writePhoto(dir + "/photos/" + names.at(i), spec));
        TimemarkRow row;
        row.date = QStringLiteral("row %1 of the file").arg(i);
        row.north = 6000000 + i;
        row.east = 500000;
        rows << row;
    }
    QFile other(dir + "/photos/notes.txt");
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.close();
    SyntheticFlight::writeTimemarks(dir + "/tm.csv", rows, SyntheticFlight::Format::Semicolon);
    const CliResult r = cli({"process", "--no-subdir", "--out", dir + "/out", "--timemarks",
                             dir + "/tm.csv", dir + "/photos"});
    QVERIFY2(r.code == 0, qPrintable(r.err));
    for (int i = 0; i < names.size(); ++i) {
        const QString copy =
            dir + QStringLiteral("/out/IMG/KES_1_%1.JPG").arg(i + 1, 5, 10, QChar('0'));
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(copy).toStdString());
        image->readMetadata();
        QCOMPARE(QString::fromStdString(image->exifData()["Exif.Image.DateTime"].toString()),
                 QStringLiteral("2024:05:17 10:00:%1").arg(i, 2, 10, QChar('0')));
    }
}

void TestCli::pairingCheck_data()
{
    QTest::addColumn<FlightTiming>("timing");
    QTest::addColumn<QString>("dateColumn");
    QTest::addColumn<int>("code");
    QTest::addColumn<QStringList>("said"); // lines check prints

    FlightTiming survey;
    survey.shots = 40;
    survey.jitter = 0.2;
    survey.turnEvery = 10;
    survey.turnGap = 15.0;
    survey.clockOffset = 7182.3;
    FlightTiming lost = survey;
    lost.droppedPhotos = {7};
    lost.droppedEvents = {23};
    QTest::newRow("a missed photo and a missed row")
        << lost << "1" << 4
        << QStringList{"Block 1: unmatched: photos without a row: 1, rows without a photo: 1, "
                       "pairs by time: 38 (photo clock +7182.30 s against the receiver's",
                       "  without a row: photo 23 DJI_0023.JPG (2024-05-17 12:00:55)",
                       "  without a photo: row 8 (2024/05/17 10:00:14.231)"};
    FlightTiming extra = survey;
    extra.subSeconds = true;
    extra.extraEvents = 1;
    QTest::newRow("an extra row") << extra << "1" << 4
                                  << QStringList{
                                         "  without a photo: row 40 (2024/05/17 10:01:56.897)"};
    QTest::newRow("nothing lost") << survey << "1" << 0
                                  << QStringList{"Block 1: matched: 40 photos and 40 rows pair "
                                                 "one to one by time"};
    FlightTiming regular = lost;
    regular.turnEvery = 0;
    regular.jitter = 0.0;
    QTest::newRow("one line, constant interval")
        << regular << "1" << 5
        << QStringList{"Block 1: ambiguous: the intervals are too regular to tell which photo "
                       "belongs to which row"};
    QTest::newRow("no date column") << lost << "0" << 5
                                    << QStringList{"Block 1: no dates: the timemark rows have "
                                                   "no dates"};
}

void TestCli::pairingCheck()
{
    QFETCH(FlightTiming, timing);
    QFETCH(QString, dateColumn);
    QFETCH(int, code);
    QFETCH(QStringList, said);
    const QString dir = m_dir.filePath(QStringLiteral("pairing"));
    QDir(dir).removeRecursively();
    const auto format = SyntheticFlight::Format::Semicolon;
    SyntheticFlight::writeTimedFlight(dir + "/lost", timing, format);
    SyntheticFlight::writeTimedFlight(dir + "/clean", timing, format, true);
    const QStringList options{"--no-subdir", "--utm-zone", "33", "--columns",
                              dateColumn + ",3,4,5,6,7,8"};
    auto block = [&dir](const QString &flight) {
        return QStringList{"--timemarks", dir + "/" + flight + "/timemarks.csv",
                           dir + "/" + flight + "/photos"};
    };
    const QByteArray sources = checksumOfTree(dir);

    const CliResult check = cli(QStringList{"check"} + options + block("lost"));
    QVERIFY2(check.code == code, qPrintable(check.out + check.err));
    for (const QString &line : said)
        QVERIFY2(check.out.contains(line), qPrintable(check.out));

    // Left out, the flight gives what it would have given had nothing been lost; refused
    // where the counts still differ.
    const CliResult dropped =
        cli(QStringList{"process", "--drop-unmatched", "--out", dir + "/out-dropped"} + options +
            block("lost"));
    const bool counts = code != 5 || timing.droppedPhotos.size() == timing.droppedEvents.size();
    QCOMPARE(dropped.code, counts ? 0 : 1);
    if (code == 4)
        QVERIFY(dropped.out.contains("Left out of block 1 (no partner by time, source files "
                                     "untouched):"));
    if (code == 0 || code == 4) {
        const CliResult clean =
            cli(QStringList{"process", "--out", dir + "/out-clean"} + options + block("clean"));
        QCOMPARE(clean.code, 0);
        QCOMPARE(checksumOfTree(dir + "/out-dropped"), checksumOfTree(dir + "/out-clean"));
    }
    QDir(dir + "/out-dropped").removeRecursively();
    QDir(dir + "/out-clean").removeRecursively();
    QCOMPARE(checksumOfTree(dir), sources);
}

QTEST_GUILESS_MAIN(TestCli)
#include "testcli.moc"
