#include "blocks/customtablemodel.h"
#include "blocks/flydata.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "processing/previewtablemodel.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <algorithm>
#include <memory>

using Pieces = QList<QList<int>>;

namespace {

const QDateTime FlightStart(QDate(2024, 5, 17), QTime(10, 0, 0));

/// Row i lies i * 10 m north of the start and carries i in its height, so a row found
/// anywhere tells where it came from.
Line rowOf(int i)
{
    Line line;
    line.date = FlightStart.addSecs(2 * i).toString(QStringLiteral("HH:mm:ss"));
    line.x = 500000.0;
    line.y = 6000000.0 + 10.0 * i;
    line.z = 100.0 + i;
    line.zone = 33;
    return line;
}

QList<int> origins(const QList<Line> &rows)
{
    QList<int> found;
    for (const Line &line : rows)
        found << qRound(line.z - 100.0);
    return found;
}

/// Photo i has yaw i, so an attitude found anywhere tells where it came from.
QList<int> origins(const QList<Adj> &adjs)
{
    QList<int> found;
    for (const Adj &adj : adjs)
        found << qRound(adj.yaw);
    return found;
}

struct Piece
{
    QList<int> rows;
    QStringList photos;
    QList<int> adjs;
    QList<QDateTime> dates;
    BlockColumns columns;
};

} // namespace

Q_DECLARE_METATYPE(BlockColumns)

class TestFlyData : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void labels_data();
    void labels();
    void sizeText_data();
    void sizeText();
    void pairEditing_data();
    void pairEditing();
    void removePairsByIndex();
    void quarantineCommands();
    void quarantineRefusedWhenCountsDiffer_data();
    void quarantineRefusedWhenCountsDiffer();
    void changesDropQuarantine_data();
    void changesDropQuarantine();
    void filterRun_data();
    void filterRun();
    void secondRunWaitsForEveryPass();
    void split_data();
    void split();
    void splitRefusedWhenCountsDiffer();
    void splitPieceKeepsColumnsAndDelimiter_data();
    void splitPieceKeepsColumnsAndDelimiter();
    void fillFromSplitRefusesUnpairedLists();
    void snapshot();
    void reloadReadsKeptImports_data();
    void reloadReadsKeptImports();
    void removeUnmatched_data();
    void removeUnmatched();

private:
    /// Appends @p photos photos (small files of 100 bytes; photo i has yaw i and is taken
    /// @p offsets[i] seconds, or 2 i seconds, after the start) and @p rows rows.
    QStringList fill(FlyData &fly, int photos, int rows, const QList<int> &offsets = {});
    /// Records every piece @p fly sends.
    static void collectPieces(FlyData &fly, QList<Piece> *pieces);

    QTemporaryDir m_dir;
    GeoCalc m_geo{true};
    int m_serial = 0;
    QStringList m_filterPhotos;
    QString m_realPhoto;
};

void TestFlyData::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    qRegisterMetaType<BlockColumns>();

    // Photo 0 is exposed too briefly, photo 2 looks away from the ground.
    const QList<QPair<QString, double>> specs{
        {"1/2000", -90.0}, {"1/100", -90.0}, {"1/100", -60.0}};
    for (int i = 0; i < specs.size(); ++i) {
        PhotoSpec spec;
        spec.exposureTime = specs.at(i).first;
        spec.gimbalPitch = specs.at(i).second;
        spec.yaw = i;
        spec.seed = i;
        spec.dateTime = FlightStart.addSecs(2 * i).toString(QStringLiteral("yyyy:MM:dd HH:mm:ss"));
        const QString path = m_dir.filePath(QStringLiteral("filter%1.jpg").arg(i));
        QVERIFY(SyntheticFlight::writePhoto(path, spec));
        m_filterPhotos << path;
    }
    m_realPhoto = m_filterPhotos.first();
}

void TestFlyData::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

void TestFlyData::reloadReadsKeptImports_data()
{
    QTest::addColumn<QString>("then");
    QTest::addColumn<int>("reload");
    QTest::addColumn<QList<double>>("norths");
    const int done = int(FlyData::Reload::Done);
    const int none = int(FlyData::Reload::NoImport);
    QTest::newRow("second file added") << "add" << done << QList<double>{1, 2, 3, 7, 8, 9};
    QTest::newRow("second file replaces") << "replace" << done << QList<double>{7, 8, 9};
    QTest::newRow("refused file") << "refused" << done << QList<double>{1, 2, 3};
    QTest::newRow("cleared") << "clear" << none << QList<double>{};
    QTest::newRow("rows of no import") << "rows" << none << QList<double>{1, 2, 3, 0};
    // Read again, the removed row would come back and shift every later pair.
    QTest::newRow("row removed") << "remove" << int(FlyData::Reload::Edited) << QList<double>{1, 3};
}

void TestFlyData::reloadReadsKeptImports()
{
    QFETCH(QString, then);
    QFETCH(int, reload);
    QFETCH(QList<double>, norths);
    // North in column 1, east in 2, height in 3; east must read as UTM metres.
    auto table = [this](const QList<QString> &norths) {
        auto *model = new OpentTimeMarkTableModel(&m_geo, this);
        for (const QString &north : norths)
            model->appendRow(
                new QVector<QString>{north, QStringLiteral("500000"), QStringLiteral("100")});
        model->setColX(1);
        model->setColY(2);
        model->setColZ(3);
        return model;
    };
    FlyData fly(1, &m_geo);
    OpentTimeMarkTableModel *first = table({"1", "2", "3"});
    QVERIFY(fly.importTimemarks(*first, false, QStringLiteral("a.csv"), QStringLiteral(";")));
    // The block reads its own copy: the dialog's table moves on.
    first->setData(first->index(0, 0), QStringLiteral("99"));
    OpentTimeMarkTableModel *second = table({"7", "8", then == "refused" ? "x" : "9"});
    if (then == "add" || then == "replace") {
        QVERIFY(fly.importTimemarks(*second, then == "replace", QStringLiteral("b.csv"), {}));
    } else if (then == "refused") {
        LineConversionReport report;
        QVERIFY(!fly.importTimemarks(*second, true, QStringLiteral("b.csv"), {}, &report));
        QCOMPARE(report.invalidRows, 1);
        QCOMPARE(fly.timemarkFileName(), QStringLiteral("a.csv"));
    } else if (then == "clear") {
        fly.clearTimemarks();
        QCOMPARE(fly.metaLabel(), QStringLiteral("Timemark file wasn't selected"));
    } else if (then == "remove") {
        fly.removeTimemarks({1});
    } else {
        fly.addTimemarks({Line()}, false);
    }
    QCOMPARE(int(fly.reloadTimemarks()), reload);
    QList<double> found;
    for (const Line &line : fly.timemarks()->rows())
        found << line.y;
    QCOMPARE(found, norths);
}

QStringList TestFlyData::fill(FlyData &fly, int photos, int rows, const QList<int> &offsets)
{
    QStringList entries;
    QList<Adj> adjs;
    QList<QDateTime> dates;
    const QByteArray bytes(100, 'x');
    for (int i = 0; i < photos; ++i) {
        const QString path = m_dir.filePath(QStringLiteral("p%1_%2.jpg").arg(++m_serial).arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            return {};
        entries << path;
        Adj adj;
        adj.yaw = i;
        adjs << adj;
        dates << FlightStart.addSecs(offsets.value(i, 2 * i));
    }
    fly.photos()->appendPhotos(entries, adjs, dates);
    QList<Line> lines;
    for (int i = 0; i < rows; ++i)
        lines << rowOf(i);
    fly.timemarks()->appendRows(lines);
    fly.updateLabels();
    return entries;
}

void TestFlyData::collectPieces(FlyData &fly, QList<Piece> *pieces)
{
    QObject::connect(&fly, &FlyData::slicedBlock, &fly,
                     [pieces](const QList<Line> &meta, const QStringList &photos,
                              const QList<Adj> &adjs, const QList<QDateTime> &dates, int colDate,
                              int colSX, int colSY, int colSZ, const QList<CaptureTime> &captures) {
                         // Capture times travel with their photos into the piece.
                         if (captures.size() != photos.size())
                             return;
                         pieces->append(Piece{origins(meta), photos, origins(adjs), dates,
                                              BlockColumns{colDate, colSX, colSY, colSZ}});
                     });
}

void TestFlyData::labels_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("rows");
    QTest::addColumn<QString>("timemarkFile");
    QTest::addColumn<QString>("status");
    QTest::addColumn<QString>("photosLabel");
    QTest::addColumn<QString>("metaLabel");
    QTest::addColumn<bool>("match");
    const QString file = QStringLiteral("/data/flight 7/marks.csv");
    QTest::newRow("equal") << 10 << 10 << file << "Amount of the photos and timemarks are the same"
                           << "Added 10 photos, 0.98 Kb"
                           << "Added timemark file with 10 rows. marks.csv" << true;
    QTest::newRow("differ") << 10 << 9 << QString()
                            << "Amount of photos and timemarks does not match"
                            << "Added 10 photos, 0.98 Kb"
                            << "Added timemark file with 9 rows. " << false;
    QTest::newRow("photos only") << 2 << 0 << QString() << "Choose timemark file"
                                 << "Added 2 photos, 200 Byte"
                                 << "Timemark file wasn't selected" << false;
    QTest::newRow("photos only, file not recognised")
        << 2 << 0 << file << "Choose timemark file"
        << "Added 2 photos, 200 Byte"
        << "Timemark file wasn't recognized. marks.csv" << false;
    QTest::newRow("empty") << 0 << 0 << QString() << "Choose photos and timemark file"
                           << "No photos selected"
                           << "Timemark file wasn't selected" << false;
    QTest::newRow("empty, file not recognised")
        << 0 << 0 << file << "Choose photos and timemark file"
        << "No photos selected"
        << "Timemark file wasn't recognized. marks.csv" << false;
    QTest::newRow("rows only") << 0 << 3 << file << "Choose photos please"
                               << "No photos selected"
                               << "Added timemark file with 3 rows. marks.csv" << false;
}

void TestFlyData::labels()
{
    QFETCH(int, photos);
    QFETCH(int, rows);
    QFETCH(QString, timemarkFile);
    QFETCH(bool, match);
    FlyData fly(1, &m_geo);
    fly.setTimemarkFileName(timemarkFile);
    fill(fly, photos, rows);
    QCOMPARE(fly.updateLabels(), match);
    QCOMPARE(fly.countsMatch(), match);
    QTEST(fly.statusLabel(), "status");
    QTEST(fly.photosLabel(), "photosLabel");
    QTEST(fly.metaLabel(), "metaLabel");
}

void TestFlyData::sizeText_data()
{
    QTest::addColumn<qint64>("bytes");
    QTest::addColumn<QString>("text");
    const qint64 kb = 1024, mb = kb * 1024, gb = mb * 1024, tb = gb * 1024;
    QTest::newRow("nothing") << qint64(0) << "0 Byte";
    QTest::newRow("just under 0.9 Kb") << qint64(921) << "921 Byte";
    QTest::newRow("0.9 Kb") << qint64(922) << "0.90 Kb";
    QTest::newRow("0.85 MB") << qint64(0.85 * mb) << "870.40 Kb";
    QTest::newRow("0.95 MB") << qint64(0.95 * mb) << "0.95 Mb";
    QTest::newRow("123.45 MB") << qint64(123.45 * mb) << "123.45 Mb";
    QTest::newRow("0.85 GB") << qint64(0.85 * gb) << "870.40 Mb";
    QTest::newRow("0.95 GB") << qint64(0.95 * gb) << "0.95 Gb";
    QTest::newRow("0.85 TB") << qint64(0.85 * tb) << "870.40 Gb";
    QTest::newRow("2 TB") << 2 * tb << "2.00 Tb";
    QTest::newRow("1500 TB") << 1500 * tb << "1500.00 Tb";
}

void TestFlyData::sizeText()
{
    QFETCH(qint64, bytes);
    QTEST(FlyData::sizeText(bytes), "text");
}

void TestFlyData::pairEditing_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("rows");
    QTest::addColumn<bool>("noCheck");
    QTest::addColumn<bool>("allowed");
    QTest::newRow("equal") << 3 << 3 << false << true;
    QTest::newRow("differ") << 3 << 2 << false << false;
    QTest::newRow("differ, no check") << 3 << 2 << true << true;
    QTest::newRow("empty") << 0 << 0 << false << false;
    QTest::newRow("empty, no check") << 0 << 0 << true << true;
}

void TestFlyData::pairEditing()
{
    QFETCH(int, photos);
    QFETCH(int, rows);
    QFETCH(bool, noCheck);
    QFETCH(bool, allowed);
    FlyData fly(1, &m_geo);
    fly.setNoCheck(noCheck);
    fill(fly, photos, rows);
    QCOMPARE(fly.pairEditingAllowed(), allowed);

    QSignalSpy photosChanged(&fly, &FlyData::changedPhotos);
    QSignalSpy metaChanged(&fly, &FlyData::changedMeta);
    const bool removed = fly.removePairs({0});
    QCOMPARE(removed, allowed && photos > 0);
    QCOMPARE(fly.photos()->rowCount(), removed ? photos - 1 : photos);
    QCOMPARE(fly.timemarks()->rowCount(), removed ? rows - 1 : rows);
    QCOMPARE(photosChanged.count(), removed ? 1 : 0);
    QCOMPARE(metaChanged.count(), removed ? 1 : 0);
}

void TestFlyData::removePairsByIndex()
{
    FlyData fly(1, &m_geo);
    const QStringList entries = fill(fly, 8, 8);
    QSignalSpy photosChanged(&fly, &FlyData::changedPhotos);

    // Indexes outside both lists remove nothing and announce nothing.
    QVERIFY(!fly.removePairs({8, -1}));
    QVERIFY(!fly.removePairs({}));
    QCOMPARE(photosChanged.count(), 0);

    QVERIFY(fly.removePairs({5, 2, 5}));
    const QList<int> kept{0, 1, 3, 4, 6, 7};
    QCOMPARE(origins(fly.timemarks()->rows()), kept);
    QCOMPARE(origins(fly.photos()->adjs(0, 7)), kept);
    QStringList keptEntries;
    for (int i : kept)
        keptEntries << entries.at(i);
    QCOMPARE(fly.photos()->entries(), keptEntries);
    QCOMPARE(fly.photosLabel(), QStringLiteral("Added 6 photos, 600 Byte"));
    QVERIFY(fly.countsMatch());
}

void TestFlyData::quarantineCommands()
{
    FlyData fly(1, &m_geo);
    fill(fly, 5, 5);
    QSignalSpy notes(&fly, &FlyData::notification);
    QSignalSpy previewReset(fly.preview(), &QAbstractItemModel::modelReset);
    auto photoFlags = [&fly] { return fly.photos()->quarantineFlags(); };

    QVERIFY(fly.addQuarantine({3, 1, 9}));
    QCOMPARE(fly.quarantinedRows(), (QList<int>{1, 3}));
    QCOMPARE(photoFlags(), (QList<bool>{false, true, false, true, false}));
    QCOMPARE(fly.snapshot().quarantined, photoFlags());
    QVERIFY(fly.preview()
                ->data(fly.preview()->index(1, 1), PreviewTableModel::QuarantineRole)
                .toBool());
    QVERIFY(previewReset.count() >= 1);

    QVERIFY(fly.addQuarantine({4}));
    QCOMPARE(fly.quarantinedRows(), (QList<int>{1, 3, 4}));
    QCOMPARE(photoFlags(), (QList<bool>{false, true, false, true, true}));

    QVERIFY(fly.removeQuarantine({3, 0}));
    QCOMPARE(fly.quarantinedRows(), (QList<int>{1, 4}));
    QCOMPARE(photoFlags(), (QList<bool>{false, true, false, false, true}));

    QVERIFY(fly.clearQuarantine());
    QVERIFY(fly.quarantinedRows().isEmpty());
    QVERIFY(!fly.photos()->isQuarantined());
    QCOMPARE(notes.count(), 0);
}

void TestFlyData::quarantineRefusedWhenCountsDiffer_data()
{
    QTest::addColumn<QString>("command");
    QTest::newRow("add") << "add";
    QTest::newRow("remove") << "remove";
    QTest::newRow("clear") << "clear";
}

void TestFlyData::quarantineRefusedWhenCountsDiffer()
{
    QFETCH(QString, command);
    FlyData fly(1, &m_geo);
    fill(fly, 10, 9);
    // Marks left from before the counts went apart; a refused command must not touch them.
    fly.timemarks()->setQuarantine({2});
    fly.photos()->setQuarantine({2});
    QSignalSpy notes(&fly, &FlyData::notification);

    bool done = true;
    if (command == "add")
        done = fly.addQuarantine({0, 1});
    else if (command == "remove")
        done = fly.removeQuarantine({2});
    else
        done = fly.clearQuarantine();
    QVERIFY(!done);
    QCOMPARE(notes.count(), 1);
    QCOMPARE(notes.first().first().toString(),
             QStringLiteral("Count photos and timemarks must be equal"));
    QCOMPARE(fly.quarantinedRows(), QList<int>{2});
    QCOMPARE(fly.photos()->quarantineFlags().indexOf(true), 2);
    QCOMPARE(fly.photos()->quarantineFlags().count(true), 1);
}

void TestFlyData::changesDropQuarantine_data()
{
    QTest::addColumn<QString>("change");
    for (const char *change :
         {"add timemarks", "replace timemarks", "remove photos", "remove timemarks", "remove pairs",
          "clear photos", "clear timemarks", "add photos", "photo file deleted", "split"})
        QTest::newRow(change) << QString::fromLatin1(change);
}

void TestFlyData::changesDropQuarantine()
{
    QFETCH(QString, change);
    FlyData fly(1, &m_geo);
    // A gap before photo 3 for the split.
    const QStringList entries = fill(fly, 5, 5, {0, 2, 4, 300, 302});
    QVERIFY(fly.addQuarantine({1, 4}));

    if (change == "add timemarks") {
        fly.addTimemarks({rowOf(5)}, false);
    } else if (change == "replace timemarks") {
        fly.addTimemarks({rowOf(0), rowOf(1), rowOf(2), rowOf(3), rowOf(4)}, true);
    } else if (change == "remove photos") {
        fly.removePhotos({0});
    } else if (change == "remove timemarks") {
        fly.removeTimemarks({0});
    } else if (change == "remove pairs") {
        QVERIFY(fly.removePairs({0}));
    } else if (change == "clear photos") {
        fly.clearPhotos();
    } else if (change == "clear timemarks") {
        fly.clearTimemarks();
    } else if (change == "add photos") {
        // Straight through the model, as a caller with the model in hand would.
        QSignalSpy added(fly.photos(), &PhotoModel::photosAdded);
        QVERIFY(fly.photos()->addPhotos({m_realPhoto}));
        QVERIFY(added.wait(10000));
        QCOMPARE(fly.photos()->rowCount(), 6);
        QCOMPARE(fly.statusLabel(),
                 QStringLiteral("Amount of photos and timemarks does not match"));
    } else if (change == "photo file deleted") {
        QVERIFY(QFile::remove(entries.at(0)));
        QCOMPARE(fly.removeMissing(), QStringList{entries.at(0)});
        QCOMPARE(fly.photos()->rowCount(), 4);
    } else if (change == "split") {
        QCOMPARE(fly.split(), 1);
        QCOMPARE(fly.photos()->rowCount(), 3);
    }
    QVERIFY(!fly.timemarks()->isQuarantined());
    QVERIFY(!fly.photos()->isQuarantined());
    for (int r = 0; r < fly.preview()->rowCount(); ++r)
        QVERIFY(!fly.preview()
                     ->data(fly.preview()->index(r, 1), PreviewTableModel::QuarantineRole)
                     .toBool());
}

void TestFlyData::filterRun_data()
{
    QTest::addColumn<bool>("distance");
    QTest::addColumn<bool>("gimbal");
    QTest::addColumn<bool>("exposure");
    QTest::addColumn<QList<int>>("expected"); // every reported row, sorted
    QTest::addColumn<int>("passes");          // reports that carry rows
    QTest::newRow("all off") << false << false << false << QList<int>{} << 0;
    QTest::newRow("distance") << true << false << false << QList<int>{1} << 1;
    QTest::newRow("gimbal") << false << true << false << QList<int>{2} << 1;
    QTest::newRow("exposure") << false << false << true << QList<int>{0} << 1;
    QTest::newRow("distance and gimbal") << true << true << false << QList<int>{1, 2} << 2;
    QTest::newRow("distance and exposure") << true << false << true << QList<int>{0, 1} << 2;
}

void TestFlyData::filterRun()
{
    QFETCH(bool, distance);
    QFETCH(bool, gimbal);
    QFETCH(bool, exposure);
    QFETCH(QList<int>, expected);
    QFETCH(int, passes);
    FlyData fly(1, &m_geo);
    QList<Adj> adjs{Adj(), Adj(), Adj()};
    QList<QDateTime> dates{FlightStart, FlightStart, FlightStart};
    QVERIFY(fly.photos()->appendPhotos(m_filterPhotos, adjs, dates));
    // Three rows 10 m apart on a straight line: the middle one is thinned out at 30 m.
    fly.addTimemarks({rowOf(0), rowOf(1), rowOf(2)}, false);

    fly.setFilterEnabled(FlyData::ByDistance, distance);
    fly.setFilterEnabled(FlyData::ByGimbalPitch, gimbal);
    fly.setFilterEnabled(FlyData::ByExposureTime, exposure);
    QSignalSpy found(&fly, &FlyData::filterRowsFound);
    QSignalSpy finished(&fly, &FlyData::filtersFinished);
    const bool started = fly.runFilters();
    QCOMPARE(started, distance || gimbal || exposure);
    if (!started) {
        QVERIFY(!fly.isFiltering());
        QVERIFY(!fly.timemarks()->isDistanceFilterRunning());
        QVERIFY(!fly.photos()->isFilterRunning());
        QTest::qWait(50);
        QCOMPARE(found.count() + finished.count(), 0);
        return;
    }
    QVERIFY(fly.isFiltering());
    QVERIFY(finished.wait(10000));
    QVERIFY(!fly.isFiltering());
    QCOMPARE(finished.count(), 1);
    QCOMPARE(found.count(), passes);
    QList<int> rows;
    for (const QList<QVariant> &args : found)
        rows << args.first().value<QList<int>>();
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, expected);
    // Filters only select: nothing goes into quarantine by itself.
    QVERIFY(fly.quarantinedRows().isEmpty());
}

void TestFlyData::secondRunWaitsForEveryPass()
{
    FlyData fly(1, &m_geo);
    QVERIFY(fly.photos()->appendPhotos(m_filterPhotos, {Adj(), Adj(), Adj()},
                                       {FlightStart, FlightStart, FlightStart}));
    fly.addTimemarks({rowOf(0), rowOf(1), rowOf(2)}, false);
    QList<int> rows;
    connect(&fly, &FlyData::filterRowsFound, &fly,
            [&rows](const QList<int> &found) { rows << found; });
    QSignalSpy finished(&fly, &FlyData::filtersFinished);

    fly.setFilterEnabled(FlyData::ByDistance, true);
    QVERIFY(fly.runFilters());
    // Switched over before the distance pass reported: that pass still counts, and its
    // report must not end the photo pass's run.
    fly.setFilterEnabled(FlyData::ByDistance, false);
    fly.setFilterEnabled(FlyData::ByGimbalPitch, true);
    QVERIFY(fly.runFilters());
    QVERIFY(finished.wait(10000));
    std::sort(rows.begin(), rows.end());
    QCOMPARE(rows, (QList<int>{1, 2}));
    QTest::qWait(20);
    QCOMPARE(finished.count(), 1);
}

void TestFlyData::split_data()
{
    QTest::addColumn<QList<int>>("offsets"); // shot times, seconds after 10:00:00
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QString>("message");
    QTest::addColumn<int>("kept");
    QTest::addColumn<Pieces>("pieces");
    QTest::newRow("one gap") << QList<int>{0, 5, 120, 124} << 60 << "Block sliced to 1 blocks" << 2
                             << Pieces{{2, 3}};
    QTest::newRow("exactly the threshold cuts")
        << QList<int>{0, 2, 62} << 60 << "Block sliced to 1 blocks" << 2 << Pieces{{2}};
    QTest::newRow("one second less does not")
        << QList<int>{0, 2, 61} << 60 << "No data to split on blocks" << 3 << Pieces{};
    QTest::newRow("going back by the threshold cuts")
        << QList<int>{100, 101, 41, 43} << 60 << "Block sliced to 1 blocks" << 2 << Pieces{{2, 3}};
    QTest::newRow("going back less does not")
        << QList<int>{100, 101, 42, 43} << 60 << "No data to split on blocks" << 4 << Pieces{};
    QTest::newRow("two gaps") << QList<int>{0, 2, 100, 102, 104, 300, 302} << 60
                              << "Block sliced to 2 blocks" << 2 << Pieces{{2, 3, 4}, {5, 6}};
    QTest::newRow("no gap") << QList<int>{0, 2, 4, 6} << 60 << "No data to split on blocks" << 4
                            << Pieces{};
    QTest::newRow("threshold 0") << QList<int>{0, 2, 4} << 0 << "Block sliced to 3 blocks" << 0
                                 << Pieces{{0}, {1}, {2}};
    QTest::newRow("stored threshold 90")
        << QList<int>{0, 61, 200} << 90 << "Block sliced to 1 blocks" << 2 << Pieces{{2}};
    QTest::newRow("empty block") << QList<int>{} << 60 << "No data to split on blocks" << 0
                                 << Pieces{};
}

void TestFlyData::split()
{
    QFETCH(QList<int>, offsets);
    QFETCH(int, threshold);
    QFETCH(int, kept);
    QFETCH(Pieces, pieces);
    QSettings s;
    Keys::SecondsToSlice.write(s, threshold);
    FlyData fly(1, &m_geo);
    const QStringList entries = fill(fly, offsets.size(), offsets.size(), offsets);
    fly.setColumns(BlockColumns{1, 5, 6, 0});
    QList<Piece> sent;
    collectPieces(fly, &sent);
    QSignalSpy notes(&fly, &FlyData::notification);
    QStringList order;
    connect(&fly, &FlyData::changedPhotos, &fly, [&order] { order << "photos"; });
    connect(&fly, &FlyData::changedMeta, &fly, [&order] { order << "meta"; });

    QCOMPARE(fly.split(), pieces.size());
    QCOMPARE(notes.count(), 1);
    QTEST(notes.first().first().toString(), "message");

    QCOMPARE(sent.size(), pieces.size());
    for (int k = 0; k < pieces.size(); ++k) {
        const QList<int> &piece = pieces.at(k);
        QCOMPARE(sent.at(k).rows, piece);
        QCOMPARE(sent.at(k).adjs, piece);
        QStringList photos;
        QList<QDateTime> dates;
        for (int i : piece) {
            photos << entries.at(i);
            dates << FlightStart.addSecs(offsets.at(i));
        }
        QCOMPARE(sent.at(k).photos, photos);
        QCOMPARE(sent.at(k).dates, dates);
        QCOMPARE(sent.at(k).columns.date, 1);
        QCOMPARE(sent.at(k).columns.sdN, 5);
        QCOMPARE(sent.at(k).columns.sdE, 6);
        QCOMPARE(sent.at(k).columns.sdH, 0);
    }

    QList<int> first;
    for (int i = 0; i < kept; ++i)
        first << i;
    QCOMPARE(origins(fly.timemarks()->rows()), first);
    QCOMPARE(fly.photos()->entries(), entries.mid(0, kept));
    if (pieces.isEmpty()) {
        QVERIFY(order.isEmpty()); // an unchanged block announces nothing
    } else {
        QCOMPARE(order, (QStringList{"photos", "meta"}));
        QCOMPARE(fly.preview()->rowCount(), kept);
        QCOMPARE(fly.countsMatch(), kept > 0);
    }
}

void TestFlyData::splitRefusedWhenCountsDiffer()
{
    FlyData fly(1, &m_geo);
    fill(fly, 4, 3, {0, 2, 200, 202});
    QList<Piece> sent;
    collectPieces(fly, &sent);
    QSignalSpy notes(&fly, &FlyData::notification);
    QCOMPARE(fly.split(), 0);
    QVERIFY(sent.isEmpty());
    QCOMPARE(notes.count(), 1);
    QCOMPARE(notes.first().first().toString(),
             QStringLiteral("Count photos and timemarks must be equal"));
    QCOMPARE(fly.photos()->rowCount(), 4);
    QCOMPARE(fly.timemarks()->rowCount(), 3);
}

void TestFlyData::splitPieceKeepsColumnsAndDelimiter_data()
{
    QTest::addColumn<BlockColumns>("columns");
    QTest::newRow("all columns") << BlockColumns{1, 5, 6, 7};
    QTest::newRow("no date, no accuracies") << BlockColumns{0, 0, 0, 0};
    QTest::newRow("only sdH") << BlockColumns{0, 0, 0, 8};
}

void TestFlyData::splitPieceKeepsColumnsAndDelimiter()
{
    QFETCH(BlockColumns, columns);
    FlyData source(1, &m_geo);
    source.setDelimiter(QStringLiteral(";"));
    source.setColumns(columns);
    // Two gaps: the piece made at the first one is split again at the second.
    fill(source, 6, 6, {0, 2, 100, 102, 300, 302});
    // Made the way the window makes a block of a piece; only the first piece is looked at.
    std::unique_ptr<FlyData> made;
    connect(&source, &FlyData::slicedBlock, &source,
            [this, &source, &made](const QList<Line> &meta, const QStringList &photos,
                                   const QList<Adj> &adjs, const QList<QDateTime> &dates,
                                   int colDate, int colSX, int colSY, int colSZ) {
                if (made)
                    return;
                made = std::make_unique<FlyData>(2, &m_geo);
                made->fillFromSplit(meta, photos, adjs, dates,
                                    BlockColumns{colDate, colSX, colSY, colSZ}, source.delimiter());
            });
    QCOMPARE(source.split(), 2);
    QVERIFY(made);
    QCOMPARE(made->photos()->rowCount(), 2);
    QCOMPARE(origins(made->timemarks()->rows()), (QList<int>{2, 3}));
    QVERIFY(made->countsMatch());
    QCOMPARE(made->delimiter(), QStringLiteral(";"));
    QCOMPARE(made->snapshot().delimiter, QStringLiteral(";"));
    QCOMPARE(made->columns().date, columns.date);
    QCOMPARE(made->columns().sdN, columns.sdN);
    QCOMPARE(made->columns().sdE, columns.sdE);
    QCOMPARE(made->columns().sdH, columns.sdH);
    QCOMPARE(made->timemarks()->noDateColumn(), columns.date == 0);
    QCOMPARE(made->snapshot().hasDateColumn, columns.date != 0);
    QCOMPARE(source.delimiter(), QStringLiteral(";"));

    // Split again (threshold 0 cuts before every photo), the piece sends what it was given.
    QSettings s;
    Keys::SecondsToSlice.write(s, 0);
    QList<Piece> again;
    collectPieces(*made, &again);
    QCOMPARE(made->split(), 2);
    QCOMPARE(again.size(), 2);
    for (const Piece &piece : again) {
        QCOMPARE(piece.columns.date, columns.date);
        QCOMPARE(piece.columns.sdN, columns.sdN);
        QCOMPARE(piece.columns.sdE, columns.sdE);
        QCOMPARE(piece.columns.sdH, columns.sdH);
    }
    QCOMPARE(made->photos()->rowCount(), 0);
    QCOMPARE(made->statusLabel(), QStringLiteral("Choose photos and timemark file"));
}

void TestFlyData::fillFromSplitRefusesUnpairedLists()
{
    FlyData fly(1, &m_geo);
    QSignalSpy photosChanged(&fly, &FlyData::changedPhotos);
    QVERIFY(!fly.fillFromSplit({rowOf(0), rowOf(1)}, {"a.jpg", "b.jpg"}, {Adj()},
                               {FlightStart, FlightStart}, BlockColumns{1, 0, 0, 0},
                               QStringLiteral(",")));
    QCOMPARE(fly.photos()->rowCount(), 0);
    QCOMPARE(fly.timemarks()->rowCount(), 0);
    QVERIFY(fly.delimiter().isEmpty());
    QCOMPARE(photosChanged.count(), 0);
}

void TestFlyData::snapshot()
{
    FlyData fly(3, &m_geo);
    const QStringList entries = fill(fly, 4, 4);
    fly.setDelimiter(QStringLiteral("\\s+"));
    fly.setColumns(BlockColumns{0, 4, 5, 6});
    QVERIFY(fly.addQuarantine({2}));

    BlockSnapshot shot = fly.snapshot();
    QCOMPARE(shot.entries, entries);
    QCOMPARE(shot.quarantined, (QList<bool>{false, false, true, false}));
    QCOMPARE(origins(shot.rows), (QList<int>{0, 1, 2, 3}));
    QCOMPARE(shot.rows.at(1).y, 6000010.0);
    QCOMPARE(shot.rows.at(1).zone, 33);
    QCOMPARE(shot.rows.at(1).date, rowOf(1).date);
    QCOMPARE(shot.hasDateColumn, false);
    QCOMPARE(shot.delimiter, QStringLiteral("\\s+"));

    // A copy: what the block does afterwards does not reach a run already configured.
    fly.clearPhotos();
    QCOMPARE(shot.entries, entries);
    fly.setColumns(BlockColumns{1, 0, 0, 0});
    QCOMPARE(fly.snapshot().hasDateColumn, true);
    QVERIFY(fly.snapshot().entries.isEmpty());
}

void TestFlyData::removeUnmatched_data()
{
    QTest::addColumn<bool>("changeBeforeRemoval");
    QTest::addColumn<bool>("changeBeforeRestore");
    QTest::addColumn<bool>("checkBeforeRestore");
    QTest::newRow("removed and restored") << false << false << false;
    QTest::newRow("changed since the check") << true << false << false;
    QTest::newRow("changed since the removal") << false << true << false;
    QTest::newRow("checked again, then restored") << false << false << true;
}

void TestFlyData::removeUnmatched()
{
    QFETCH(bool, changeBeforeRemoval);
    QFETCH(bool, changeBeforeRestore);
    QFETCH(bool, checkBeforeRestore);
    FlightTiming timing;
    timing.shots = 40;
    timing.turnEvery = 8;
    timing.jitter = 0.2;
    timing.droppedPhotos = {10};
    timing.droppedEvents = {25};
    const TimedFlight f = SyntheticFlight::timing(timing);
    FlyData fly(1, &m_geo);
    QStringList entries;
    QList<Adj> adjs;
    for (const int shot : f.photoShots) {
        entries << QStringLiteral("/nowhere/shot%1.jpg").arg(shot);
        Adj adj;
        adj.yaw = shot;
        adjs << adj;
    }
    QVERIFY(fly.photos()->appendPhotos(entries, adjs, QVector<QDateTime>(adjs.size()).toList(),
                                       f.photoTimes));
    QList<Line> rows;
    for (int r = 0; r < f.rowShots.size(); ++r) {
        Line line = rowOf(f.rowShots.at(r));
        line.date = f.rowDates.at(r);
        rows << line;
    }
    fly.addTimemarks(rows, false);
    const QList<int> photoShots = origins(fly.photos()->adjs(0, 99));
    const QList<int> rowShots = origins(fly.timemarks()->rows());

    const PairingResult r = fly.checkPairing();
    QCOMPARE(r.verdict, PairingResult::Unmatched);
    QCOMPARE(r.unmatchedRowIndexes(), f.rowsWithoutPhoto);
    QCOMPARE(r.unmatchedPhotoIndexes(), f.photosWithoutRow);
    if (changeBeforeRemoval) {
        fly.removeTimemarks({0});
        QVERIFY(!fly.removeUnmatched());
        QCOMPARE(fly.timemarks()->rowCount(), rows.size() - 1);
        return;
    }
    QVERIFY(fly.removeUnmatched());
    QVERIFY(fly.countsMatch());
    // What is left pairs shot with shot.
    QCOMPARE(origins(fly.photos()->adjs(0, 99)), origins(fly.timemarks()->rows()));
    QCOMPARE(fly.photos()->captureTimes().size(), fly.photos()->rowCount());
    QVERIFY(fly.canRestoreUnmatched());
    if (changeBeforeRestore) {
        QVERIFY(fly.removePairs({0}));
        QVERIFY(!fly.canRestoreUnmatched());
        QVERIFY(!fly.restoreUnmatched());
        return;
    }
    if (checkBeforeRestore)
        QCOMPARE(fly.checkPairing().verdict, PairingResult::Matched);
    QVERIFY(fly.restoreUnmatched());
    // The check that named them holds again, not one made on the lists without them.
    QCOMPARE(fly.lastPairing().unmatchedPhotoIndexes(), f.photosWithoutRow);
    QCOMPARE(fly.lastPairing().unmatchedRowIndexes(), f.rowsWithoutPhoto);
    QCOMPARE(origins(fly.photos()->adjs(0, 99)), photoShots);
    QCOMPARE(origins(fly.timemarks()->rows()), rowShots);
    QCOMPARE(fly.photos()->entries(), entries);
    // The lists are those the check saw: its removal may be asked for again.
    QVERIFY(fly.isPairingCurrent());
    QVERIFY(!fly.canRestoreUnmatched());
    QVERIFY(fly.removeUnmatched());
}

QTEST_GUILESS_MAIN(TestFlyData)
#include "testflydata.moc"
