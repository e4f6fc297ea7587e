#include "photos/filterphotoworker.h"
#include "photos/photomodel.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QFileInfo>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <sys/inotify.h>
#include <unistd.h>

namespace {

struct Pass
{
    QList<int> rows;
    QList<int> progress;
    int finished = 0;
};

Pass runFilter(const QStringList &paths, FilterTypes type, int valSS = -90,
               const QList<bool> &quarantine = {})
{
    Pass pass;
    FilterPhotoWorker worker;
    QObject::connect(&worker, &FilterPhotoWorker::workFinished, [&](const QList<int> &rows) {
        pass.rows = rows;
        ++pass.finished;
    });
    QObject::connect(&worker, &FilterPhotoWorker::workProcess, [&](int p) { pass.progress << p; });
    worker.setData(paths);
    worker.setValSS(valSS);
    worker.setQuarantine(quarantine);
    worker.setFilterType(type);
    worker.doWork();
    return pass;
}

// Names of the files in a folder that were opened while the watch was on.
class OpenWatch
{
public:
    explicit OpenWatch(const QString &dir)
    {
        m_fd = inotify_init1(IN_NONBLOCK);
        if (m_fd >= 0)
            inotify_add_watch(m_fd, QFile::encodeName(dir).constData(), IN_OPEN);
    }
    ~OpenWatch()
    {
        if (m_fd >= 0)
            close(m_fd);
    }
    bool isValid() const { return m_fd >= 0; }
    QStringList opened() const
    {
        QStringList names;
        alignas(inotify_event) char buffer[8192];
        ssize_t n;
        while ((n = read(m_fd, buffer, sizeof buffer)) > 0) {
            for (char *p = buffer; p < buffer + n;) {
                const auto *event = reinterpret_cast<const inotify_event *>(p);
                if (event->len > 0)
                    names << QFile::decodeName(event->name);
                p += sizeof(inotify_event) + event->len;
            }
        }
        return names;
    }

private:
    int m_fd = -1;
};

} // namespace

class TestFilterPhotoWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void check_data();
    void check();
    void progressAndOrder();
    void quarantinedNeverOpened();
    void throughTheModelThread();
    void restartInterruptsThePassBefore();
    void readerAndFilterAtOnce();

private:
    QString photo(const QString &name, std::optional<double> gimbal,
                  std::optional<QString> exposure);

    QTemporaryDir m_dir;
};

void TestFilterPhotoWorker::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

QString TestFilterPhotoWorker::photo(const QString &name, std::optional<double> gimbal,
                                     std::optional<QString> exposure)
{
    PhotoSpec spec;
    spec.gimbalPitch = gimbal;
    spec.exposureTime = exposure;
    const QString path = m_dir.filePath(name);
    if (!QFileInfo::exists(path) && !SyntheticFlight::writePhoto(path, spec))
        qWarning() << "cannot write" << path;
    return path;
}

void TestFilterPhotoWorker::check_data()
{
    QTest::addColumn<QVariant>("gimbal");  // double, or invalid for no tag
    QTest::addColumn<QString>("exposure"); // rational text, empty for no tag
    QTest::addColumn<int>("valSS");
    QTest::addColumn<int>("type");
    QTest::addColumn<bool>("reported");
    const int g = GimbalPitchDegree;
    const int e = ExposureTime;
    const int both = GimbalPitchDegree | ExposureTime;
    const QVariant none;
    QTest::newRow("gimbal -90 at -90") << QVariant(-90.0) << "" << -90 << g << false;
    QTest::newRow("gimbal -82.5 above the band") << QVariant(-82.5) << "" << -90 << g << true;
    QTest::newRow("gimbal -83.0 on the edge") << QVariant(-83.0) << "" << -90 << g << false;
    QTest::newRow("gimbal -97.0 on the edge") << QVariant(-97.0) << "" << -90 << g << false;
    QTest::newRow("gimbal -97.5 below the band") << QVariant(-97.5) << "" << -90 << g << true;
    QTest::newRow("gimbal -45 at threshold -45") << QVariant(-45.0) << "" << -45 << g << false;
    QTest::newRow("gimbal -90 at threshold -45") << QVariant(-90.0) << "" << -45 << g << true;
    QTest::newRow("no gimbal tag skipped") << none << "" << -90 << g << false;
    QTest::newRow("exposure 1/2000") << none << "1/2000" << -90 << e << true;
    QTest::newRow("exposure 1/1250") << none << "1/1250" << -90 << e << false;
    QTest::newRow("exposure 1/1600, single precision") << none << "1/1600" << -90 << e << true;
    QTest::newRow("no exposure tag skipped") << none << "" << -90 << e << false;
    QTest::newRow("exposure 0/0 is no exposure") << none << "0/0" << -90 << e << false;
    QTest::newRow("exposure switch ignores the gimbal")
        << QVariant(-50.0) << "1/100" << -90 << e << false;
    QTest::newRow("gimbal switch ignores the exposure")
        << QVariant(-90.0) << "1/8000" << -90 << g << false;
    QTest::newRow("both: gimbal fails") << QVariant(-50.0) << "1/100" << -90 << both << true;
    QTest::newRow("both: exposure fails") << QVariant(-90.0) << "1/8000" << -90 << both << true;
    QTest::newRow("both: both pass") << QVariant(-90.0) << "1/100" << -90 << both << false;
    QTest::newRow("both: no gimbal tag, short exposure") << none << "1/8000" << -90 << both << true;
    QTest::newRow("no check switched on") << QVariant(-50.0) << "1/8000" << -90 << 0 << false;
}

void TestFilterPhotoWorker::check()
{
    QFETCH(QVariant, gimbal);
    QFETCH(QString, exposure);
    QFETCH(int, valSS);
    QFETCH(int, type);
    QFETCH(bool, reported);
    const QString name =
        QStringLiteral("c_%1_%2.jpg")
            .arg(gimbal.isValid() ? gimbal.toString() : "none",
                 exposure.isEmpty() ? "none" : QString(exposure).replace('/', '-'));
    const QString p =
        photo(name, gimbal.isValid() ? std::optional<double>(gimbal.toDouble()) : std::nullopt,
              exposure.isEmpty() ? std::nullopt : std::optional<QString>(exposure));
    const QString ok = photo("ok.jpg", -90.0, QStringLiteral("1/100"));
    const Pass pass = runFilter({ok, p}, FilterTypes(type), valSS);
    QCOMPARE(pass.finished, 1);
    QCOMPARE(pass.rows.contains(1), reported);
}

void TestFilterPhotoWorker::progressAndOrder()
{
    const QString bad = photo("bad.jpg", -20.0, QStringLiteral("1/4000"));
    const QString ok = photo("ok.jpg", -90.0, QStringLiteral("1/100"));
    const QString missing = m_dir.filePath("missing.jpg");
    const QString url = QUrl::fromLocalFile(bad).toString(QUrl::FullyEncoded);
    const Pass pass = runFilter({bad, ok, missing, url}, GimbalPitchDegree | ExposureTime, -90);
    QCOMPARE(pass.rows, (QList<int>{0, 3})); // an unreadable file is skipped, a URL is read
    QCOMPARE(pass.progress, (QList<int>{0, 25, 50, 75, 100}));
}

void TestFilterPhotoWorker::quarantinedNeverOpened()
{
    QTemporaryDir dir(m_dir.filePath("watched-XXXXXX"));
    QVERIFY(dir.isValid());
    QStringList paths;
    for (int i = 0; i < 4; ++i) {
        PhotoSpec spec;
        spec.gimbalPitch = -10.0; // would be reported by any pass that looked
        paths << dir.filePath(QStringLiteral("q%1.jpg").arg(i));
        QVERIFY(SyntheticFlight::writePhoto(paths.last(), spec));
    }
    OpenWatch watch(dir.path());
    if (!watch.isValid())
        QSKIP("inotify is not available here");
    const Pass pass = runFilter(paths, GimbalPitchDegree, -90, {false, true, false, true});
    QCOMPARE(pass.rows, (QList<int>{0, 2}));
    const QStringList opened = watch.opened();
    QVERIFY2(opened.contains("q0.jpg") && opened.contains("q2.jpg"), qPrintable(opened.join(',')));
    QVERIFY2(!opened.contains("q1.jpg") && !opened.contains("q3.jpg"),
             qPrintable(opened.join(',')));
}

void TestFilterPhotoWorker::throughTheModelThread()
{
    PhotoModel model;
    QSignalSpy added(&model, &PhotoModel::photosAdded);
    QVERIFY(model.addPhotos({photo("ok.jpg", -90.0, QStringLiteral("1/100")),
                             photo("bad.jpg", -20.0, QStringLiteral("1/4000")),
                             photo("bad.jpg", -20.0, QStringLiteral("1/4000"))}));
    QVERIFY(added.wait(10000));
    model.setQuarantine({2});
    QSignalSpy result(&model, &PhotoModel::filterResult);
    QSignalSpy progress(&model, &PhotoModel::filterProcess);
    model.startFilter(GimbalPitchDegree, -90);
    QVERIFY(result.wait(10000));
    QCOMPARE(result.first().first().value<QList<int>>(), QList<int>{1});
    QCOMPARE(progress.last().first().toInt(), 100);
    // The pass stops its own thread; the block's poll sees it idle.
    QTRY_VERIFY(!model.isFilterRunning());
    model.startFilter(ExposureTime, -90);
    QVERIFY(result.wait(10000));
    QCOMPARE(result.last().first().value<QList<int>>(), QList<int>{1});
}

void TestFilterPhotoWorker::restartInterruptsThePassBefore()
{
    PhotoModel model;
    const QString bad = photo("bad.jpg", -20.0, QStringLiteral("1/4000"));
    QStringList many;
    for (int i = 0; i < 3000; ++i)
        many << bad;
    QVERIFY(model.appendPhotos(many, QVector<Adj>(many.size()).toList(),
                               QVector<QDateTime>(many.size()).toList()));
    QSignalSpy result(&model, &PhotoModel::filterResult);
    model.startFilter(GimbalPitchDegree, -90);
    QTest::qWait(10);
    model.setQuarantine(QList<int>{0});
    model.startFilter(GimbalPitchDegree, -90); // the first pass reports nothing
    QVERIFY(result.wait(20000));
    QTest::qWait(50);
    QCOMPARE(result.size(), 1);
    QCOMPARE(result.first().first().value<QList<int>>().size(), many.size() - 1);
}

void TestFilterPhotoWorker::readerAndFilterAtOnce()
{
    // The list's two threads decode XMP with the library at the same time.
    PhotoModel model;
    const QString bad = photo("bad.jpg", -20.0, QStringLiteral("1/4000"));
    const QString ok = photo("ok.jpg", -90.0, QStringLiteral("1/100"));
    const int n = 400;
    QStringList bads;
    QStringList oks;
    for (int i = 0; i < n; ++i) {
        bads << bad;
        oks << ok;
    }
    QVERIFY(model.appendPhotos(bads, QVector<Adj>(n).toList(), QVector<QDateTime>(n).toList()));
    QSignalSpy result(&model, &PhotoModel::filterResult);
    QSignalSpy added(&model, &PhotoModel::photosAdded);
    model.startFilter(GimbalPitchDegree, -90);
    QVERIFY(model.addPhotos(oks));
    QTRY_VERIFY_WITH_TIMEOUT(!result.isEmpty() && !added.isEmpty(), 30000);
    QCOMPARE(result.first().first().value<QList<int>>().size(), n);
    // The reader read every entry; the list takes the photo once.
    QCOMPARE(model.entries(n, model.rowCount() - 1), QStringList{ok});
    QCOMPARE(model.refusedEntries().size(), n - 1);
}

QTEST_GUILESS_MAIN(TestFilterPhotoWorker)
#include "testfilterphotoworker.moc"
