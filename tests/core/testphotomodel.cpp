#include "logcapture.h"
#include "photos/photomodel.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestPhotoModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void addThroughTheReaderThread();
    void addWithSomeRefused();
    void addWithNoneAccepted();
    void secondBatchWhileReading();
    void roles();
    void header();
    void removePhotosUnsorted_data();
    void removePhotosUnsorted();
    void removeFromAndRemovePhoto();
    void removeMissing();
    void urlAndPathEntries();
    void samePhotoTwiceIsSkipped();
    void appendPhotos();
    void quarantine();
    void readers();
    void destroyedWhileReading();

private:
    QString photo(const QString &name, double yaw, std::optional<double> gimbal = -90.0);
    /// Fills @p model with photos y0, y1, ... whose yaw is their row number.
    QStringList fill(PhotoModel &model, int count);
    bool addAndWait(PhotoModel &model, const QStringList &entries);

    QTemporaryDir m_dir;
};

void TestPhotoModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

QString TestPhotoModel::photo(const QString &name, double yaw, std::optional<double> gimbal)
{
    PhotoSpec spec;
    spec.yaw = yaw;
    spec.gimbalPitch = gimbal;
    spec.seed = int(yaw);
    spec.dateTime = QDateTime(QDate(2024, 5, 17), QTime(10, 0, 0))
                        .addSecs(qint64(yaw))
                        .toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
    const QString path = m_dir.filePath(name);
    if (!QFileInfo::exists(path))
        SyntheticFlight::writePhoto(path, spec);
    return path;
}

bool TestPhotoModel::addAndWait(PhotoModel &model, const QStringList &entries)
{
    QSignalSpy added(&model, &PhotoModel::photosAdded);
    if (!model.addPhotos(entries))
        return false;
    return added.wait(10000);
}

QStringList TestPhotoModel::fill(PhotoModel &model, int count)
{
    QStringList entries;
    for (int i = 0; i < count; ++i)
        entries << photo(QStringLiteral("y%1.jpg").arg(i), i);
    addAndWait(model, entries);
    return entries;
}

void TestPhotoModel::addThroughTheReaderThread()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy progress(&model, &PhotoModel::addProcess);
    const QStringList entries = fill(model, 4);
    QCOMPARE(model.rowCount(), 4);
    QCOMPARE(model.entries(), entries);
    QCOMPARE(model.adj(3).yaw, 3.0);
    QCOMPARE(model.quarantineFlags(), (QList<bool>{false, false, false, false}));
    QVERIFY(!model.isAdding());
    QCOMPARE(progress.size(), 5);

    qint64 volume = 0;
    for (const QString &e : entries)
        volume += QFileInfo(e).size();
    QCOMPARE(model.totalVolume(), volume);

    // The thread was stopped, so a next batch starts it again and appends.
    const QString fifth = photo("y4.jpg", 4);
    QVERIFY(addAndWait(model, {fifth}));
    QCOMPARE(model.rowCount(), 5);
    QCOMPARE(model.entry(4), fifth);
}

void TestPhotoModel::addWithSomeRefused()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    PhotoSpec noPitch;
    noPitch.pitch.reset();
    const QString refused = m_dir.filePath("nopitch.jpg");
    QVERIFY(SyntheticFlight::writePhoto(refused, noPitch));
    QStringList order;
    connect(&model, &PhotoModel::filesNoAdded, this,
            [&](const QStringList &files) { order << "filesNoAdded:" + files.join(','); });
    connect(&model, &PhotoModel::photosAdded, this, [&] { order << "photosAdded"; });
    connect(&model, &PhotoModel::addNoPhotos, this, [&] { order << "addNoPhotos"; });
    QVERIFY(addAndWait(model, {photo("y0.jpg", 0), refused, photo("y1.jpg", 1)}));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(order, (QStringList{"filesNoAdded:" + refused, "photosAdded"}));
}

void TestPhotoModel::addWithNoneAccepted()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    PhotoSpec noPitch;
    noPitch.pitch.reset();
    const QString refused = m_dir.filePath("nopitch.jpg");
    QVERIFY(SyntheticFlight::writePhoto(refused, noPitch));
    QStringList order;
    connect(&model, &PhotoModel::filesNoAdded, this, [&] { order << "filesNoAdded"; });
    connect(&model, &PhotoModel::photosAdded, this, [&] { order << "photosAdded"; });
    connect(&model, &PhotoModel::addNoPhotos, this, [&] { order << "addNoPhotos"; });
    LogCapture log;
    QVERIFY(addAndWait(model, {refused, refused}));
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(order, (QStringList{"photosAdded", "addNoPhotos"}));
    QVERIFY(log.contains("Warning: addFinishedFail"));

    order.clear();
    QVERIFY(addAndWait(model, {}));
    QCOMPARE(order, (QStringList{"photosAdded", "addNoPhotos"}));
}

void TestPhotoModel::secondBatchWhileReading()
{
    PhotoModel model;
    const QString p = photo("y0.jpg", 0);
    QStringList many;
    for (int i = 0; i < 200; ++i)
        many << p;
    QSignalSpy added(&model, &PhotoModel::photosAdded);
    QVERIFY(model.addPhotos(many));
    // The reader still walks the first list: a second one is turned away, not raced.
    QVERIFY(!model.addPhotos({p}));
    QVERIFY(added.wait(10000));
    QCOMPARE(model.rowCount(), 1); // the same photo 200 times is one photo
    QVERIFY(addAndWait(model, {photo("y1.jpg", 1)}));
    QCOMPARE(model.rowCount(), 2);
}

void TestPhotoModel::roles()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QString noGimbal = photo("nogimbal.jpg", 7, std::nullopt);
    QVERIFY(addAndWait(model, {photo("y0.jpg", 0), photo("g50.jpg", 3, -50.0), noGimbal}));
    QCOMPARE(model.rowCount(), 3);
    const QModelIndex r0 = model.index(0, 0);
    const QModelIndex r1 = model.index(1, 0);
    QCOMPARE(model.data(r0).toString(), model.entry(0));
    QVERIFY(!model.data(r0, Qt::BackgroundRole).isValid());
    QCOMPARE(model.data(r1, Qt::BackgroundRole).value<QBrush>().color(), QColor("#d7d7d7"));
    QVERIFY(!model.data(r1, Qt::FontRole).isValid());
    QCOMPARE(model.data(r1, PhotoModel::QuarantineRole).toBool(), false);
    QCOMPARE(model.data(r0, PhotoModel::GimbalPitchRole).toDouble(), -90.0);
    QCOMPARE(model.data(r1, PhotoModel::GimbalPitchRole).toDouble(), -50.0);
    QVERIFY(!model.data(model.index(2, 0), PhotoModel::GimbalPitchRole).isValid());
    // The whole path, for a table too narrow to show it.
    QCOMPARE(model.data(r0, Qt::ToolTipRole).toString(), model.entry(0));
    QVERIFY(!model.data(model.index(3, 0)).isValid());
    QCOMPARE(model.flags(r0), Qt::ItemIsSelectable | Qt::ItemIsEnabled);

    model.setQuarantine({1});
    QCOMPARE(model.data(model.index(1, 0), PhotoModel::QuarantineRole).toBool(), true);
    QVERIFY(model.data(model.index(1, 0), Qt::FontRole).value<QFont>().strikeOut());

    // Read from the file on every call: a deleted file shows, and is logged.
    QVERIFY(QFile::remove(model.entry(1)));
    LogCapture log;
    QVERIFY(!model.data(model.index(1, 0), PhotoModel::GimbalPitchRole).isValid());
    const QStringList critical = log.lines("Critical");
    QCOMPARE(critical.size(), 1);
    QVERIFY2(critical.first().startsWith("xmp not readed: "), qPrintable(critical.first()));
}

void TestPhotoModel::header()
{
    PhotoModel model;
    QCOMPARE(model.headerData(0, Qt::Horizontal).toString(), QStringLiteral("Photos paths"));
    QVERIFY(!model.headerData(0, Qt::Vertical).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

void TestPhotoModel::removePhotosUnsorted_data()
{
    QTest::addColumn<QList<int>>("rows");
    QTest::addColumn<QList<int>>("left"); // yaws (= original rows) that stay
    QTest::newRow("5, 2, 3") << QList<int>{5, 2, 3} << QList<int>{0, 1, 4, 6};
    QTest::newRow("descending") << QList<int>{6, 0} << QList<int>{1, 2, 3, 4, 5};
    QTest::newRow("listed twice") << QList<int>{2, 2} << QList<int>{0, 1, 3, 4, 5, 6};
    QTest::newRow("outside ignored") << QList<int>{-1, 7, 3} << QList<int>{0, 1, 2, 4, 5, 6};
    QTest::newRow("none") << QList<int>{} << QList<int>{0, 1, 2, 3, 4, 5, 6};
}

void TestPhotoModel::removePhotosUnsorted()
{
    QFETCH(QList<int>, rows);
    QFETCH(QList<int>, left);
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList entries = fill(model, 7);
    model.setQuarantine({4});
    const qint64 before = model.totalVolume();

    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    model.removePhotos(rows);
    QCOMPARE(model.rowCount(), left.size());
    QCOMPARE(removed.size(), 7 - left.size());
    qint64 volume = 0;
    for (int i = 0; i < left.size(); ++i) {
        const int was = left.at(i);
        QCOMPARE(model.entry(i), entries.at(was));
        QCOMPARE(model.adj(i).yaw, double(was));
        QCOMPARE(model.date(i), QDateTime(QDate(2024, 5, 17), QTime(10, 0, was)));
        QCOMPARE(model.isQuarantined(i), was == 4);
        volume += QFileInfo(entries.at(was)).size();
    }
    QCOMPARE(model.totalVolume(), volume);
    QVERIFY(left.size() < 7 || model.totalVolume() == before);
}

void TestPhotoModel::removeFromAndRemovePhoto()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QStringList entries = fill(model, 5);
    model.removePhoto(1);
    model.removePhoto(9); // outside: nothing
    QCOMPARE(model.entries(), (QStringList{entries[0], entries[2], entries[3], entries[4]}));
    QVERIFY(model.removeFrom(2));
    QCOMPARE(model.entries(), (QStringList{entries[0], entries[2]}));
    QCOMPARE(model.adjs(0, 1).size(), 2);
    QCOMPARE(model.totalVolume(), QFileInfo(entries[0]).size() + QFileInfo(entries[2]).size());
    model.clearPhotos();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.totalVolume(), qint64(0));
    QVERIFY(model.quarantineFlags().isEmpty());
}

void TestPhotoModel::removeMissing()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QStringList entries;
    for (int i = 0; i < 5; ++i) {
        const QString path = m_dir.filePath(QStringLiteral("gone %1.jpg").arg(i));
        PhotoSpec spec;
        spec.yaw = i;
        QVERIFY(SyntheticFlight::writePhoto(path, spec));
        // Every other entry as a dropped URL.
        entries << (i % 2 ? QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded) : path);
    }
    QVERIFY(addAndWait(model, entries));
    QCOMPARE(model.rowCount(), 5);
    QVERIFY(model.removeMissing().isEmpty());
    QVERIFY(QFile::remove(m_dir.filePath("gone 3.jpg")));
    QVERIFY(QFile::remove(m_dir.filePath("gone 0.jpg")));
    QCOMPARE(model.removeMissing(), (QStringList{entries[0], entries[3]}));
    QCOMPARE(model.entries(), (QStringList{entries[1], entries[2], entries[4]}));
    QCOMPARE(model.adj(1).yaw, 2.0);
    qint64 volume = 0;
    for (int i : {1, 2, 4})
        volume += QFileInfo(m_dir.filePath(QStringLiteral("gone %1.jpg").arg(i))).size();
    QCOMPARE(model.totalVolume(), volume);
}

void TestPhotoModel::urlAndPathEntries()
{
    PhotoModel model;
    const QString path = m_dir.filePath("a b#c.jpg");
    PhotoSpec spec;
    spec.gimbalPitch = -45.0;
    QVERIFY(SyntheticFlight::writePhoto(path, spec));
    const QString url = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    const QString other = photo("other.jpg", 7);
    QVERIFY(addAndWait(model, {url, other}));
    // Entries keep the form they arrived in, and both reach the file.
    QCOMPARE(model.entries(), (QStringList{url, other}));
    QCOMPARE(model.totalVolume(), QFileInfo(path).size() + QFileInfo(other).size());
    QCOMPARE(model.data(model.index(0, 0), PhotoModel::GimbalPitchRole).toDouble(), -45.0);
    QVERIFY(model.removeMissing().isEmpty());
    QVERIFY(QFile::remove(path));
    QCOMPARE(model.removeMissing(), (QStringList{url}));
}

void TestPhotoModel::samePhotoTwiceIsSkipped()
{
    // Whatever form an entry takes, the real path decides; each duplicate is named.
    PhotoModel model;
    const QString a = photo("dup_a.jpg", 1);
    const QString b = photo("dup_b.jpg", 2);
    const QString link = m_dir.filePath("dup_link.jpg");
    QVERIFY(QFile::link(a, link));
    const QString url = QUrl::fromLocalFile(b).toString(QUrl::FullyEncoded);
    const QString dotted = m_dir.path() + "/./dup_a.jpg";
    QVERIFY(addAndWait(model, {a, b}));
    QSignalSpy refused(&model, &PhotoModel::photosRefused);
    QVERIFY(addAndWait(model, {link, url, dotted, photo("dup_c.jpg", 3)}));
    QCOMPARE(model.rowCount(), 3);
    QCOMPARE(refused.size(), 1);
    QCOMPARE(refused.first().at(0).toStringList(), (QStringList{link, url, dotted}));
    const QStringList reasons = refused.first().at(1).toStringList();
    QCOMPARE(reasons.value(0), "is the same photo as " + a + ", already in the list");
    QCOMPARE(reasons.value(1), "is the same photo as " + b + ", already in the list");
}

void TestPhotoModel::appendPhotos()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const QString a = photo("y0.jpg", 0);
    const QString b = photo("y1.jpg", 1);
    const QDateTime t(QDate(2024, 5, 17), QTime(12, 0, 0));
    QVERIFY(!model.appendPhotos({a, b}, {Adj{1, 2, 3}}, {t, t}));
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(model.appendPhotos({a, b}, {Adj{1, 2, 3}, Adj{4, 5, 6}}, {t, t.addSecs(2)}));
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.adj(1).roll, 6.0); // taken as given, not re-read
    QCOMPARE(model.date(1), t.addSecs(2));
    QCOMPARE(model.quarantineFlags(), (QList<bool>{false, false}));
    QCOMPARE(model.totalVolume(), QFileInfo(a).size() + QFileInfo(b).size());
}

void TestPhotoModel::quarantine()
{
    PhotoModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model, 4);
    QVERIFY(!model.isQuarantined());
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setQuarantine({1, 3, 8});
    QCOMPARE(changed.size(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex().row(), 1);
    QCOMPARE(changed.first().at(1).toModelIndex().row(), 3);
    QCOMPARE(model.quarantineFlags(), (QList<bool>{false, true, false, true}));
    QVERIFY(model.isQuarantined());
    QVERIFY(model.isQuarantined(3));
    QVERIFY(!model.isQuarantined(2));
    QVERIFY(!model.isQuarantined(99));
    model.unsetQuarantine({3});
    QCOMPARE(model.quarantineFlags(), (QList<bool>{false, true, false, false}));
    model.clearQuarantine();
    model.clearQuarantine(); // nothing left to repaint
    QCOMPARE(changed.size(), 3);
    QVERIFY(!model.isQuarantined());
}

void TestPhotoModel::readers()
{
    PhotoModel model;
    const QStringList entries = fill(model, 5);
    QCOMPARE(model.entries(1, 3), entries.mid(1, 3));
    QCOMPARE(model.entries(3, 10), entries.mid(3));
    QVERIFY(model.entries(4, 2).isEmpty());
    const QList<Adj> adjs = model.adjs(2, 3);
    QCOMPARE(adjs.size(), 2);
    QCOMPARE(adjs.at(0).yaw, 2.0);
    QCOMPARE(model.dates(0, 1).last(), QDateTime(QDate(2024, 5, 17), QTime(10, 0, 1)));
    QCOMPARE(model.adj(99).yaw, 0.0);
    QVERIFY(!model.date(-1).isValid());
    QVERIFY(model.entry(5).isEmpty());
}

void TestPhotoModel::destroyedWhileReading()
{
    const QString p = photo("y0.jpg", 0);
    QStringList many;
    for (int i = 0; i < 30000; ++i) // seconds of reading
        many << p;
    QElapsedTimer timer;
    timer.start();
    {
        PhotoModel model;
        QVERIFY(model.addPhotos(many));
        QTest::qWait(20);
    }
    // The reader stops at the next photo instead of finishing the batch.
    QVERIFY2(timer.elapsed() < 1000, qPrintable(QString::number(timer.elapsed())));
}

QTEST_GUILESS_MAIN(TestPhotoModel)
#include "testphotomodel.moc"
