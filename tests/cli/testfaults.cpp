// Bad luck on the processing road, through the command line: a killed run, a full disk, output
// folders that cannot be used, timemark files that are not text, photo prefixes with path
// characters. After each, every photo under a final name must be complete, the sources
// unchanged, and the operator told what was not done.
#include "cliprocess.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QHash>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <cerrno>
#include <csignal>
#include <poll.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

using namespace TestFiles;

QStringList temporariesBelow(const QString &dir)
{
    return filesBelow(dir).filter(QStringLiteral(".kestrix-partial-"));
}

QStringList photosIn(const QString &dir)
{
    return QDir(dir).entryList({QStringLiteral("KES_*.JPG")}, QDir::Files, QDir::Name);
}

bool runCommand(const QString &program, const QStringList &args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(20000) && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
}

} // namespace

class TestFaults : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void killedMidRun();
    void diskFullOfPhotos();
    void diskFullOfLines();
    void readOnlyOutputFolder();
    void outputFolders_data();
    void outputFolders();
    void timemarkFiles_data();
    void timemarkFiles();
    void photoPrefixes_data();
    void photoPrefixes();

private:
    QProcess *startCli(const QStringList &args, const QStringList &wrapper = {});
    CliResult cli(const QStringList &args, const QStringList &wrapper = {});
    QStringList runArgs(const QString &out, const QStringList &extra = {}) const;
    bool mountTmpfs(const QString &dir, const QString &size);
    void verifyCompleteCopies(const QString &imgDir);
    void verifyCopiesInFlightOrder(const QString &imgDir, const QStringList &lines);

    QTemporaryDir m_dir;
    QProcessEnvironment m_env;
    QString m_flight;    //!< 60 photos of a camera's size, and their timemarks
    QString m_reference; //!< what a full run of m_flight produces
    QByteArray m_sources;
    QStringList m_mounts;
};

void TestFaults::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_env = CliProcess::isolatedEnvironment(m_dir.path());

    // Large enough that a run takes a while and a few copies fill a small disk.
    m_flight = m_dir.filePath("flight");
    PhotoSpec look;
    look.size = QSize(800, 600);
    look.noise = true;
    QCOMPARE(SyntheticFlight::writeFlightFolder(m_flight, 60, nullptr, look).size(), 60);
    m_sources = checksumOfTree(m_flight);

    m_reference = m_dir.filePath("reference");
    const CliResult r = cli(runArgs(m_reference));
    QVERIFY2(r.code == 0, qPrintable(r.err));
    QCOMPARE(photosIn(m_reference + "/IMG").size(), 60);
    // The reference itself is geotagged, so equal bytes mean a geotagged copy.
    auto image = Exiv2::ImageFactory::open(
        QFile::encodeName(m_reference + "/IMG/KES_1_00060.JPG").toStdString());
    image->readMetadata();
    QVERIFY(image->exifData().findKey(Exiv2::ExifKey("Exif.GPSInfo.GPSLatitude")) !=
            image->exifData().end());
    QCOMPARE(QString::fromStdString(image->xmpData()["Xmp.drone-dji.RtkFlag"].toString()),
             QStringLiteral("50"));
}

void TestFaults::cleanup()
{
    while (!m_mounts.isEmpty()) {
        const QString dir = m_mounts.takeLast();
        if (!runCommand("umount", {dir}))
            runCommand("umount", {"-l", dir});
    }
    // Every fault leaves the sources as they were.
    QCOMPARE(checksumOfTree(m_flight), m_sources);
}

QProcess *TestFaults::startCli(const QStringList &args, const QStringList &wrapper)
{
    return CliProcess::start(m_env, args, wrapper, this);
}

CliResult TestFaults::cli(const QStringList &args, const QStringList &wrapper)
{
    return CliProcess::run(m_env, args, wrapper);
}

QStringList TestFaults::runArgs(const QString &out, const QStringList &extra) const
{
    return QStringList{"process", "--no-subdir", "--utm-zone", "31"} + extra +
           QStringList{"--out", out, "--timemarks", m_flight + "/timemarks.csv",
                       m_flight + "/photos"};
}

bool TestFaults::mountTmpfs(const QString &dir, const QString &size)
{
    QDir().mkpath(dir);
    if (::geteuid() != 0 ||
        !runCommand("mount", {"-t", "tmpfs", "-o", "size=" + size, "tmpfs", dir}))
        return false;
    m_mounts << dir;
    return true;
}

// Every photo under a final name is byte for byte the one a full run makes: complete and
// geotagged.
void TestFaults::verifyCompleteCopies(const QString &imgDir)
{
    for (const QString &name : photosIn(imgDir))
        QVERIFY2(readAll(imgDir + "/" + name) == readAll(m_reference + "/IMG/" + name),
                 qPrintable(name + " differs from the complete copy"));
}

// When some photos could not be copied, the names of the later ones moved up: every copy
// is still a complete copy of one source photo, in flight order, and each line is that
// photo's line of a full run under the copy's name. Copies written side by side may fail
// out of order on a full disk, so which photos are missing is not fixed.
void TestFaults::verifyCopiesInFlightOrder(const QString &imgDir, const QStringList &lines)
{
    QHash<QByteArray, int> photoOf; // checksum of a full run's copy -> its place in the flight
    const QStringList referenceNames = photosIn(m_reference + "/IMG");
    for (int i = 0; i < referenceNames.size(); ++i)
        photoOf.insert(checksum({m_reference + "/IMG/" + referenceNames.at(i)}), i);
    const QStringList reference = readLines(m_reference + "/fileData.txt");
    QVERIFY(!lines.isEmpty());
    QCOMPARE(lines.first(), reference.first());
    const QStringList copies = photosIn(imgDir);
    int previous = -1;
    for (int n = 0; n < copies.size(); ++n) {
        const int photo = photoOf.value(checksum({imgDir + "/" + copies.at(n)}), -1);
        QVERIFY2(photo > previous,
                 qPrintable(copies.at(n) + " is no complete copy of a later photo"));
        previous = photo;
        if (n + 1 < lines.size())
            QCOMPARE(
                lines.at(n + 1),
                QString(reference.at(photo + 1)).replace(referenceNames.at(photo), copies.at(n)));
    }
    QVERIFY(lines.size() - 1 <= copies.size());
}

void TestFaults::killedMidRun()
{
    QString out;
    QStringList leftovers;
    // The kill lands while a copy is being written, if the timing allows; a few tries make
    // it all but certain that an unfinished copy is left behind.
    for (int attempt = 0; attempt < 5 && leftovers.isEmpty(); ++attempt) {
        out = m_dir.filePath(QStringLiteral("killed%1").arg(attempt));
        QProcess *p = startCli(runArgs(out));
        QVERIFY(p->waitForStarted());
        const QString img = out + "/IMG";
        QElapsedTimer waited;
        waited.start();
        while (!QFileInfo(img).isDir() && waited.elapsed() < 20000)
            QThread::usleep(200);
        const int fd = ::inotify_init1(IN_CLOEXEC);
        QVERIFY(fd >= 0);
        QVERIFY(::inotify_add_watch(fd, QFile::encodeName(img).constData(),
                                    IN_CREATE | IN_MOVED_TO) >= 0);
        int placed = photosIn(img).size();
        bool killed = false;
        alignas(inotify_event) char buffer[8192];
        while (!killed && waited.elapsed() < 20000) {
            pollfd pfd{fd, POLLIN, 0};
            if (::poll(&pfd, 1, 100) <= 0)
                continue;
            const ssize_t n = ::read(fd, buffer, sizeof buffer);
            for (ssize_t at = 0; at < n && !killed;) {
                const auto *event = reinterpret_cast<const inotify_event *>(buffer + at);
                const QString name = event->len ? QFile::decodeName(event->name) : QString();
                if (event->mask & IN_MOVED_TO)
                    ++placed;
                // A few photos are done and the next is half written: kill now.
                if ((event->mask & IN_CREATE) && placed >= 3 &&
                    name.startsWith(".kestrix-partial-")) {
                    ::kill(pid_t(p->processId()), SIGKILL);
                    killed = true;
                }
                at += ssize_t(sizeof(inotify_event)) + event->len;
            }
        }
        ::close(fd);
        QVERIFY(killed);
        QVERIFY(p->waitForFinished(20000));
        QCOMPARE(p->exitStatus(), QProcess::CrashExit);
        delete p;
        leftovers = temporariesBelow(out);
    }
    if (leftovers.isEmpty())
        qWarning("Every kill landed between two copies; no unfinished copy was left to clean");

    const QStringList photos = photosIn(out + "/IMG");
    QVERIFY(photos.size() >= 3 && photos.size() < 60);
    verifyCompleteCopies(out + "/IMG");
    // The coordinate file never took its final name: only its temporary, named so, remains.
    QVERIFY(!QFileInfo::exists(out + "/fileData.txt"));
    const QStringList unfinished =
        QDir(out).entryList({QStringLiteral("fileData.txt.*.partial")}, QDir::Files);
    QCOMPARE(unfinished.size(), 1);
    // Lines are written after their photo is in place: each names a complete photo.
    const QStringList lines = readLines(out + "/" + unfinished.first());
    QVERIFY(lines.size() - 1 == photos.size() || lines.size() - 1 == photos.size() - 1);
    const QStringList reference = readLines(m_reference + "/fileData.txt");
    QCOMPARE(lines, reference.mid(0, lines.size()));
    QVERIFY(readAll(out + "/" + unfinished.first()).endsWith('\n'));

    // The next run into that folder clears what the killed one left unfinished, takes over
    // its stale marker, reports the unfinished coordinate file and replaces nothing.
    const QByteArray before = checksumOfTree(out + "/IMG");
    const CliResult again = cli(runArgs(out, {"--mode", "photos", "--no-check"}));
    QCOMPARE(again.code, 3);
    QVERIFY2(again.err.contains("Not copied: " + m_flight + "/photos/DJI_0001.JPG ("),
             qPrintable(again.err));
    QVERIFY2(again.err.contains(QStringLiteral("The output folder holds %1, the unfinished "
                                               "coordinate file of a run that did not end")
                                    .arg(unfinished.first())),
             qPrintable(again.err));
    QCOMPARE(readLines(out + "/" + unfinished.first()), lines);
    QCOMPARE(temporariesBelow(out), QStringList());
    const QStringList after = photosIn(out + "/IMG");
    QCOMPARE(after, photos);
    if (leftovers.isEmpty())
        QCOMPARE(checksumOfTree(out + "/IMG"), before);
    verifyCompleteCopies(out + "/IMG");
}

void TestFaults::diskFullOfPhotos()
{
    // 3 MB hold eight of the sixty photos.
    const QString disk = m_dir.filePath("small-disk");
    if (!mountTmpfs(disk, "3m"))
        QSKIP("Mounting a small tmpfs needs root; the injected write failure of "
              "TestFilesWork::injectedWriteFailure covers a full disk instead");
    const CliResult refused = cli(runArgs(disk));
    QCOMPARE(refused.code, 1);
    QVERIFY2(refused.err.contains("Not enough free space"), qPrintable(refused.err));
    QCOMPARE(filesBelow(disk), QStringList());

    const CliResult r = cli(runArgs(disk, {"--no-check"}));
    QCOMPARE(r.code, 3);
    const QStringList photos = photosIn(disk + "/IMG");
    QVERIFY(photos.size() > 0 && photos.size() < 60);
    QCOMPARE(temporariesBelow(disk), QStringList());
    // Every photo that is not there is named, with the reason.
    QStringList notCopied;
    for (const QString &line : r.err.split('\n')) {
        if (line.startsWith("Not copied: ")) {
            QVERIFY2(line.endsWith("(No space left on device)"), qPrintable(line));
            notCopied << line;
        }
    }
    const QStringList lines = readLines(disk + "/fileData.txt");
    if (r.err.contains("Failed to write to the coordinate file fileData.txt")) {
        // The last page of the disk went to a photo: the file stops at a complete line.
        QVERIFY(r.out.contains("Not processed, the run broke off first: "));
    } else {
        QCOMPARE(photos.size() + notCopied.size(), 60);
        QVERIFY(r.out.contains(QStringLiteral("Not copied: %1 photo").arg(notCopied.size())));
        QCOMPARE(lines.size(), photos.size() + 1);
    }
    verifyCopiesInFlightOrder(disk + "/IMG", lines);
}

void TestFaults::diskFullOfLines()
{
    // One free page on the disk: the header and the first lines fit, the rest does not.
    const QString disk = m_dir.filePath("full-disk");
    if (!mountTmpfs(disk, "1m"))
        QSKIP("Mounting a small tmpfs needs root");
    {
        QFile slack(disk + "/slack");
        QVERIFY(slack.open(QIODevice::WriteOnly));
        slack.write(QByteArray(4096, 's'));
        slack.close();
        QFile filler(disk + "/filler");
        QVERIFY(filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered));
        const QByteArray block(4096, 'f');
        while (filler.write(block) == block.size()) {
        }
        filler.close();
        QVERIFY(QFile::remove(disk + "/slack"));
    }
    const QString out = disk + "/out";
    QVERIFY(QDir().mkpath(out));
    const CliResult r = cli(runArgs(out, {"--mode", "timemarks", "--no-check"}));
    QCOMPARE(r.code, 3);
    QVERIFY2(r.err.contains("Failed to write to the coordinate file fileData.txt: No space left "
                            "on device"),
             qPrintable(r.err));
    // Only complete lines, each as a full run writes it; the rest is counted.
    const QByteArray file = readAll(out + "/fileData.txt");
    QVERIFY(file.endsWith('\n'));
    const QStringList lines = readLines(out + "/fileData.txt");
    QVERIFY(lines.size() > 1 && lines.size() < 61);
    QCOMPARE(lines, readLines(m_reference + "/fileData.txt").mid(0, lines.size()));
    QVERIFY2(r.out.contains("Missing from the coordinate file: 1 photo"), qPrintable(r.out));
    QVERIFY(r.out.contains(QStringLiteral("Not processed, the run broke off first: %1 photo")
                               .arg(60 - (lines.size() - 1) - 1)));
}

void TestFaults::readOnlyOutputFolder()
{
    const QString base = m_dir.filePath("readonly");
    const QString out = base + "/out";
    QVERIFY(QDir().mkpath(out));
    QStringList wrapper;
    QString reason;
    if (::geteuid() != 0) {
        QVERIFY(QFile::setPermissions(out, QFileDevice::ReadOwner | QFileDevice::ExeOwner |
                                               QFileDevice::ReadOther | QFileDevice::ExeOther));
        reason = "Permission denied";
    } else if (runCommand("setpriv",
                          {"--reuid=nobody", "--regid=nogroup", "--clear-groups", "true"})) {
        // Root writes through permission bits: the run goes as an ordinary user, who can
        // reach the photos and a home of its own, but not write into the folder.
        wrapper = QStringList{"setpriv", "--reuid=nobody", "--regid=nogroup", "--clear-groups"};
        ::chmod(QFile::encodeName(m_dir.path()).constData(), 0711);
        ::chmod(QFile::encodeName(base).constData(), 0755);
        ::chmod(QFile::encodeName(out).constData(), 0555);
        const QString home = base + "/home";
        QDir().mkpath(home);
        ::chmod(QFile::encodeName(home).constData(), 0777);
        m_env.insert("HOME", home);
        m_env.insert("XDG_CONFIG_HOME", home + "/config");
        m_env.insert("XDG_DATA_HOME", home + "/data");
        m_env.insert("TMPDIR", home);
        reason = "Permission denied";
    } else if (runCommand("mount", {"--bind", out, out})) {
        m_mounts << out;
        if (!runCommand("mount", {"-o", "remount,bind,ro", out}))
            QSKIP("A read-only bind mount could not be made");
        reason = "Read-only file system";
    } else {
        QSKIP("Neither an unprivileged user nor a read-only mount is available");
    }
    const CliResult full = cli(runArgs(out), wrapper);
    const CliResult lines = cli(runArgs(out, {"--mode", "timemarks"}), wrapper);
    m_env = CliProcess::isolatedEnvironment(m_dir.path());
    ::chmod(QFile::encodeName(m_dir.path()).constData(), 0700);

    // The run's marker is the first thing it makes in the folder.
    QCOMPARE(full.code, 3);
    QVERIFY2(
        full.err.contains(QStringLiteral("Cannot write into the folder %1: %2").arg(out, reason)),
        qPrintable(full.err));
    QCOMPARE(lines.code, 3);
    QVERIFY2(
        lines.err.contains(QStringLiteral("Cannot write into the folder %1: %2").arg(out, reason)),
        qPrintable(lines.err));
    QCOMPARE(filesBelow(out), QStringList());
}

void TestFaults::outputFolders_data()
{
    QTest::addColumn<QString>("setup");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("message");
    QTest::newRow("missing: created") << "missing" << 0 << "5 from 5 files were copied";
    QTest::newRow("a file") << "file" << 1 << "The output folder %1 is a file";
    QTest::newRow("below a file") << "below file" << 1 << "Cannot create the output folder %1";
}

void TestFaults::outputFolders()
{
    QFETCH(QString, setup);
    QFETCH(int, code);
    QFETCH(QString, message);
    const QString base = m_dir.filePath("folders");
    QDir(base).removeRecursively();
    QDir().mkpath(base);
    const QStringList photos = SyntheticFlight::writeFlightFolder(base, 5);
    const QByteArray sources = checksumOfTree(base + "/photos");
    QString out = base + "/new/deeper";
    if (setup != "missing") {
        QVERIFY(TestFiles::write(base + "/plain", "the operator's notes"));
        out = setup == "file" ? base + "/plain" : base + "/plain/sub";
    }
    const CliResult r = cli({"process", "--no-subdir", "--out", out, "--timemarks",
                             base + "/timemarks.csv", base + "/photos"});
    QCOMPARE(r.code, code);
    if (message.contains("%1"))
        message = message.arg(out);
    QVERIFY2((r.out + r.err).contains(message), qPrintable(r.out + r.err));
    QCOMPARE(checksumOfTree(base + "/photos"), sources);
    if (setup == "missing")
        QCOMPARE(photosIn(out + "/IMG").size(), 5);
    else
        QCOMPARE(readAll(base + "/plain"), QByteArray("the operator's notes"));
}

void TestFaults::timemarkFiles_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("message");
    QTest::newRow("NUL bytes after the rows") << "nul tail"
                                              << "holds NUL bytes (line 62); it is not a text file";
    QTest::newRow("NUL inside a number") << "nul cell"
                                         << "holds NUL bytes (line 3)";
    QTest::newRow("1 GB, all NUL") << "sparse"
                                   << "is larger than 64 MB; it is not a timemark file";
}

void TestFaults::timemarkFiles()
{
    QFETCH(QString, kind);
    QFETCH(QString, message);
    const QString path = m_dir.filePath("bad-timemarks.csv");
    QFile::remove(path);
    QByteArray good = readAll(m_flight + "/timemarks.csv");
    if (kind == "nul tail") {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(good + QByteArray(8192, '\0'));
    } else if (kind == "nul cell") {
        const int third = good.indexOf('\n', good.indexOf('\n') + 1) + 1;
        good[good.indexOf(';', third) + 3] = '\0';
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.write(good);
    } else {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        f.close();
        QVERIFY(::truncate(QFile::encodeName(path).constData(), off_t(1) << 30) == 0);
    }
    const QString out = m_dir.filePath("bad-timemarks-out");
    const QString memory = m_dir.filePath("peak-memory");
    QStringList wrapper;
    if (QFileInfo::exists("/usr/bin/time") && !TestEnv::isSanitized())
        wrapper = QStringList{"/usr/bin/time", "-f", "%M", "-o", memory};
    const CliResult r =
        cli({"process", "--no-subdir", "--out", out, "--timemarks", path, m_flight + "/photos"},
            wrapper);
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("Timemark file %1 is not recognised: %1 ").arg(path)) &&
                 r.err.contains(message),
             qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(out)); // refused before anything was made
    if (!wrapper.isEmpty()) {
        // The last line; a line about the exit status may come before it.
        const qint64 peakKb = readAll(memory).trimmed().split('\n').last().toLongLong();
        QVERIFY2(peakKb > 0 && peakKb < 150 * 1024, qPrintable(QString::number(peakKb)));
    }
}

void TestFaults::photoPrefixes_data()
{
    QTest::addColumn<QString>("prefix");
    QTest::addColumn<QString>("message");
    const QString badName = QStringLiteral("cannot be used in a file name");
    QTest::newRow("parent folder") << "../KES" << badName;
    QTest::newRow("absolute path") << "/tmp/KES" << badName;
    QTest::newRow("backslash") << "..\\KES" << badName;
    QTest::newRow("drive letter") << "C:KES" << badName;
    QTest::newRow("newline") << "KES\n" << badName;
    QTest::newRow("output separator") << "KES;2"
                                      << "holds the separator \";\"";
}

void TestFaults::photoPrefixes()
{
    QFETCH(QString, prefix);
    QFETCH(QString, message);
    const QString base = m_dir.filePath("prefix");
    QDir(base).removeRecursively();
    const QString out = base + "/out";
    const CliResult r = cli(runArgs(out, {"--prefix", prefix, "--out-delimiter", "semicolon"}));
    QCOMPARE(r.code, 1);
    QVERIFY2(r.err.contains(QStringLiteral("The photo prefix \"%1\" ").arg(prefix)) &&
                 r.err.contains(message),
             qPrintable(r.err));
    QVERIFY(!QFileInfo::exists(base));
    QVERIFY(!QFileInfo::exists("/tmp/KES_1_00001.JPG"));
}

QTEST_GUILESS_MAIN(TestFaults)
#include "testfaults.moc"
