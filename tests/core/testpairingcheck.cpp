#include "blocks/pairingcheck.h"
#include "geo/geocalc.h"
#include "settings/settingskeys.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "timemarks/marktime.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QFileInfo>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <algorithm>
#include <random>

Q_DECLARE_METATYPE(FlightTiming)
Q_DECLARE_METATYPE(PairingResult::Verdict)

namespace {

QList<Line> rowsOf(const QStringList &dates)
{
    QList<Line> rows;
    for (const QString &date : dates) {
        Line line;
        line.date = date;
        rows << line;
    }
    return rows;
}

PairingResult checkFlight(const TimedFlight &f)
{
    return PairingCheck::check(f.photoTimes, rowsOf(f.rowDates));
}

bool namesTruth(const PairingResult &r, const TimedFlight &f)
{
    return r.isClear() && r.unmatchedPhotoIndexes() == f.photosWithoutRow &&
           r.unmatchedRowIndexes() == f.rowsWithoutPhoto;
}

// A flight with lines of 12 shots 2 s apart and turns of 15 s, as a small survey flies.
FlightTiming survey(int shots)
{
    FlightTiming t;
    t.shots = shots;
    t.interval = 2.0;
    t.jitter = 0.15;
    t.turnEvery = 12;
    t.turnGap = 15.0;
    return t;
}

} // namespace

class TestPairingCheck : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void flights_data();
    void flights();
    void randomFlights();
    void markTimeForms_data();
    void markTimeForms();
    void captureTimeFromExif_data();
    void captureTimeFromExif();
    void cannotRun_data();
    void cannotRun();
    void rtklibDateColumn();
    void realRtklibTimes_data();
    void realRtklibTimes();

private:
    QTemporaryDir m_dir;
};

void TestPairingCheck::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestPairingCheck::flights_data()
{
    QTest::addColumn<FlightTiming>("timing");
    QTest::addColumn<PairingResult::Verdict>("verdict");

    const auto with = [](FlightTiming t, auto change) {
        change(t);
        return t;
    };
    QTest::newRow("nothing lost") << survey(60) << PairingResult::Matched;
    QTest::newRow("missed photo") << with(survey(60), [](auto &t) { t.droppedPhotos = {23}; })
                                  << PairingResult::Unmatched;
    QTest::newRow("missed event") << with(survey(60), [](auto &t) { t.droppedEvents = {40}; })
                                  << PairingResult::Unmatched;
    QTest::newRow("extra event") << with(survey(60), [](auto &t) {
        t.extraEvents = 1;
        t.subSeconds = true;
    }) << PairingResult::Unmatched;
    // Row 7 comes 0.8 s after shot 6, within the whole second that shot's photo is stamped
    // with: either row may be the photo's.
    QTest::newRow("extra event within a photo's second")
        << with(survey(60), [](auto &t) { t.extraEvents = 1; }) << PairingResult::Ambiguous;
    QTest::newRow("two of each at random places") << with(survey(120), [](auto &t) {
        t.randomPhotoDrops = 2;
        t.randomEventDrops = 2;
        t.seed = 7;
    }) << PairingResult::Unmatched;
    QTest::newRow("missed photo and missed event, equal counts") << with(survey(60), [](auto &t) {
        t.droppedPhotos = {11};
        t.droppedEvents = {37};
    }) << PairingResult::Unmatched;
    QTest::newRow("missed event and extra event, equal counts") << with(survey(60), [](auto &t) {
        t.droppedEvents = {5};
        t.extraEvents = 1;
        t.seed = 3;
    }) << PairingResult::Unmatched;
    QTest::newRow("first photo and last row missing") << with(survey(60), [](auto &t) {
        t.droppedPhotos = {0};
        t.droppedEvents = {59};
    }) << PairingResult::Unmatched;
    QTest::newRow("sub-second photo times") << with(survey(60), [](auto &t) {
        t.subSeconds = true;
        t.droppedPhotos = {30};
    }) << PairingResult::Unmatched;
    QTest::newRow("a clock offset of hours") << with(survey(60), [](auto &t) {
        t.clockOffset = -5 * 3600.0 + 17.6;
        t.droppedEvents = {12};
    }) << PairingResult::Unmatched;
    QTest::newRow("one line, constant interval") << with(survey(60), [](auto &t) {
        t.turnEvery = 0;
        t.jitter = 0.0;
    }) << PairingResult::Ambiguous;
    QTest::newRow("one line, constant interval, a row missing inside")
        << with(survey(60),
                [](auto &t) {
                    t.turnEvery = 0;
                    t.jitter = 0.0;
                    t.droppedPhotos = {30};
                })
        << PairingResult::Ambiguous;
    QTest::newRow("whole-second photos of a 1 s interval") << with(survey(60), [](auto &t) {
        t.interval = 1.0;
        t.jitter = 0.05;
        t.turnEvery = 0;
        t.droppedPhotos = {20};
    }) << PairingResult::Ambiguous;
}

void TestPairingCheck::flights()
{
    QFETCH(FlightTiming, timing);
    QFETCH(PairingResult::Verdict, verdict);
    const TimedFlight f = SyntheticFlight::timing(timing);
    const PairingResult r = checkFlight(f);
    QVERIFY2(r.verdict == verdict,
             qPrintable(QStringLiteral("verdict %1: %2").arg(r.verdict).arg(r.reason)));
    QCOMPARE(r.reason.isEmpty(), r.isClear());
    if (!r.isClear()) {
        QVERIFY(r.photosWithoutRow.isEmpty() && r.rowsWithoutPhoto.isEmpty());
        return;
    }
    QCOMPARE(r.unmatchedPhotoIndexes(), f.photosWithoutRow);
    QCOMPARE(r.unmatchedRowIndexes(), f.rowsWithoutPhoto);
    QCOMPARE(r.pairs, f.photoShots.size() - f.photosWithoutRow.size());
    QVERIFY2(std::abs(r.offset - timing.clockOffset) < 0.2, qPrintable(QString::number(r.offset)));
    QVERIFY(r.spread < (timing.subSeconds ? 0.05 : 0.4));
    for (const PairingItem &item : r.rowsWithoutPhoto)
        QCOMPARE(item.time, f.rowDates.at(item.index));
    for (const PairingItem &item : r.photosWithoutRow)
        QCOMPARE(item.time, f.photoTimes.at(item.index).text());
}

void TestPairingCheck::randomFlights()
{
    // Flights as surveys fly them: three lines or more of varying length, turns of varying
    // length (a single line is too regular to tell, see flights()), intervals
    // of 1.5 to 3 s with some scatter, either photo clock, any offset, up to three drops. A
    // second set has rows for releases the camera never made as well, at any point between
    // two shots, where whole-second photos often cannot tell: there the check must only
    // never be wrong.
    std::mt19937 rng(20240517);
    auto uniform = [&rng](double a, double b) {
        return std::uniform_real_distribution<double>(a, b)(rng);
    };
    auto integer = [&rng](int a, int b) { return std::uniform_int_distribution<int>(a, b)(rng); };
    const int flights = 1000;
    const int withExtras = 300;
    int named = 0;
    QStringList wrong;
    for (int n = 0; n < flights + withExtras; ++n) {
        FlightTiming t;
        t.shots = integer(30, 300);
        t.interval = uniform(1.5, 3.0);
        t.jitter = uniform(0.02, 0.3);
        t.turnEvery = integer(8, qMin(40, t.shots / 3)); // three lines at least
        t.turnGap = uniform(6.0, 25.0);
        t.subSeconds = integer(0, 1) == 1;
        t.clockOffset = uniform(-3 * 3600.0, 3 * 3600.0);
        const int losses = integer(0, 3);
        for (int k = 0; k < losses; ++k) {
            // A row for no release next to a photo that lost its own row is that photo's row
            // as far as anyone can tell: the extras come with rows that lost their photo only.
            if (n < flights)
                (integer(0, 1) == 0 ? t.randomPhotoDrops : t.randomEventDrops)++;
            else
                (integer(0, 1) == 0 ? t.randomPhotoDrops : t.extraEvents)++;
        }
        t.seed = quint32(n + 1);
        const TimedFlight f = SyntheticFlight::timing(t);
        const PairingResult r = checkFlight(f);
        if (n < flights && namesTruth(r, f))
            ++named;
        if (r.isClear() && !namesTruth(r, f))
            wrong << QStringLiteral("flight %1").arg(n);
    }
    qInfo("named exactly in %d of %d flights", named, flights);
    QVERIFY2(wrong.isEmpty(), qPrintable(wrong.join(", ")));
    QVERIFY2(named >= flights * 99 / 100, qPrintable(QString::number(named)));
}

void TestPairingCheck::markTimeForms_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QDateTime>("expected"); // invalid: no time
    QTest::addColumn<double>("resolution");
    const QDateTime t(QDate(2020, 12, 24), QTime(21, 28, 42, 250), Qt::UTC);
    QTest::newRow("RTKLIB GPST") << "2020/12/24 21:28:42.250" << t << 0.001;
    QTest::newRow("ISO with T and zone") << "2020-12-24T23:28:42.25+02:00" << t << 0.01;
    QTest::newRow("ISO, Z") << "2020-12-24T21:28:42.25Z" << t << 0.01;
    QTest::newRow("ISO with blank") << "2020-12-24 21:28:42.250" << t << 0.001;
    QTest::newRow("day first, decimal comma") << "24.12.2020 21:28:42,250" << t << 0.001;
    QTest::newRow("US order") << "12/24/2020 21:28:42.250" << t << 0.001;
    QTest::newRow("whole seconds") << "2020/12/24 21:28:42" << t.addMSecs(-250) << 1.0;
    QTest::newRow("joined columns, trailing blank") << "2020/12/24 21:28:42.250 " << t << 0.001;
    QTest::newRow("GPS week and seconds")
        << "2137 422922.250" << QDateTime(QDate(2020, 12, 24), QTime(21, 28, 42, 250), Qt::UTC)
        << 0.001;
    QTest::newRow("point number") << "17" << QDateTime() << 0.0;
    QTest::newRow("word") << "P17" << QDateTime() << 0.0;
    QTest::newRow("empty") << "" << QDateTime() << 0.0;
    QTest::newRow("month 13") << "2020/13/24 21:28:42" << QDateTime() << 0.0;
    QTest::newRow("hour 25") << "2020/12/24 25:28:42" << QDateTime() << 0.0;
}

void TestPairingCheck::markTimeForms()
{
    QFETCH(QString, text);
    QFETCH(QDateTime, expected);
    QFETCH(double, resolution);
    const auto time = MarkTime::parse(text);
    QCOMPARE(time.has_value(), expected.isValid());
    if (!time)
        return;
    QCOMPARE(time->scale, MarkTime::Absolute);
    QCOMPARE(time->resolution, resolution);
    QVERIFY(std::abs(time->seconds - MarkTime::absoluteSeconds(expected)) < 1e-4);
}

void TestPairingCheck::captureTimeFromExif_data()
{
    QTest::addColumn<QStringList>("tags"); // key=value
    QTest::addColumn<QString>("expected");
    QTest::addColumn<int>("resolutionMs");
    QTest::newRow("original with sub-seconds")
        << QStringList{"Exif.Photo.DateTimeOriginal=2024:05:17 10:22:33",
                       "Exif.Photo.SubSecTimeOriginal=047",
                       "Exif.Image.DateTime=2024:05:18 00:00:00"}
        << "2024-05-17 10:22:33.047" << 1;
    QTest::newRow("one sub-second digit")
        << QStringList{"Exif.Photo.DateTimeOriginal=2024:05:17 10:22:33",
                       "Exif.Photo.SubSecTimeOriginal=5"}
        << "2024-05-17 10:22:33.500" << 100;
    QTest::newRow("DateTime with its own sub-seconds")
        << QStringList{"Exif.Image.DateTime=2024:05:17 10:22:33", "Exif.Photo.SubSecTime=25",
                       "Exif.Photo.SubSecTimeOriginal=999"}
        << "2024-05-17 10:22:33.250" << 10;
    QTest::newRow("unreadable original falls back")
        << QStringList{"Exif.Photo.DateTimeOriginal=0000:00:00 00:00:00",
                       "Exif.Image.DateTime=2024:05:17 10:22:33"}
        << "2024-05-17 10:22:33" << 1000;
    QTest::newRow("sub-seconds that are no digits")
        << QStringList{"Exif.Photo.DateTimeOriginal=2024:05:17 10:22:33",
                       "Exif.Photo.SubSecTimeOriginal=  "}
        << "2024-05-17 10:22:33" << 1000;
    QTest::newRow("none") << QStringList{"Exif.Photo.SubSecTime=5"} << "" << 1000;
}

void TestPairingCheck::captureTimeFromExif()
{
    QFETCH(QStringList, tags);
    QFETCH(QString, expected);
    QFETCH(int, resolutionMs);
    Exiv2::ExifData exif;
    for (const QString &tag : tags)
        exif[tag.section('=', 0, 0).toStdString()] = tag.section('=', 1).toStdString();
    const CaptureTime c = CaptureTime::fromExif(exif);
    QCOMPARE(c.text(), expected);
    QCOMPARE(c.resolutionMs, resolutionMs);
}

void TestPairingCheck::cannotRun_data()
{
    QTest::addColumn<QStringList>("dates");
    QTest::addColumn<int>("photoWithoutTime"); // -1: all have one
    QTest::addColumn<QString>("reason");
    const QStringList good{"10:00:00.0", "10:00:02.0", "10:00:04.0"};
    QTest::newRow("no date column")
        << QStringList{"", "", ""} << -1 << "the timemark rows have no dates";
    QTest::newRow("a row without time") << QStringList{"10:00:00.0", "P2", "10:00:04.0"} << -1
                                        << "row 2 has no date and time that can be read: \"P2\"";
    QTest::newRow("forms mixed") << QStringList{"10:00:00.0", "2024/05/17 10:00:02.0", "10:00:04"}
                                 << -1
                                 << "the rows' times are not all written in one form (row 2: "
                                    "\"2024/05/17 10:00:02.0\")";
    QTest::newRow("a photo without time")
        << good << 1 << "photo 2 has no capture time (DateTimeOriginal or DateTime)";
}

void TestPairingCheck::cannotRun()
{
    QFETCH(QStringList, dates);
    QFETCH(int, photoWithoutTime);
    QFETCH(QString, reason);
    QList<CaptureTime> photos;
    for (int i = 0; i < dates.size(); ++i)
        photos << (i == photoWithoutTime
                       ? CaptureTime()
                       : CaptureTime::parse(QStringLiteral("2024:05:17 10:00:0%1").arg(2 * i)));
    const PairingResult r = PairingCheck::check(photos, rowsOf(dates));
    QCOMPARE(r.verdict, PairingResult::NoDates);
    QCOMPARE(r.reason, reason);
}

void TestPairingCheck::rtklibDateColumn()
{
    // Split by blanks, an RTKLIB solution has the date in one column and the time in the
    // next; the rows built from it still carry their whole time.
    FlightTiming t = survey(40);
    t.droppedPhotos = {17};
    t.clockOffset = 7200.0 - 18.0;
    const QString dir = m_dir.filePath(QStringLiteral("pos"));
    TimedFlight f;
    SyntheticFlight::writeTimedFlight(dir, t, SyntheticFlight::Format::RtklibPos, false,
                                      PhotoSpec(), &f);
    OpentTimeMarkTableModel table(nullptr);
    TimemarkFile file(&table);
    file.setRemembersChoices(false);
    QVERIFY(file.detectSeparator(dir + QStringLiteral("/timemarks.pos")));
    QVERIFY(file.loadTable());
    table.setColDate(1);
    table.setColX(3);
    table.setColY(4);
    table.setColZ(5);
    table.setFirstRow(5);
    const QList<Line> rows = table.toLines();
    QCOMPARE(rows.size(), f.rowDates.size());
    QCOMPARE(rows.first().date, f.rowDates.first().section(' ', 0, 0));
    const PairingResult r = PairingCheck::check(f.photoTimes, rows);
    QCOMPARE(r.verdict, PairingResult::Unmatched);
    QCOMPARE(r.unmatchedRowIndexes(), QList<int>{17});
    QCOMPARE(r.rowsWithoutPhoto.first().time, f.rowDates.at(17));
}

void TestPairingCheck::realRtklibTimes_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<double>("interval");
    QTest::newRow("GPST dates") << "demo5_b34f_f.pos" << 1.0;
    QTest::newRow("GPS week and seconds") << "py_0315f.pos" << 1.0;
    QTest::newRow("week and seconds at 5 Hz") << "kinematic_rover_rtk.pos" << 0.2;
    QTest::newRow("UTC dates") << "lla__lla_utc_111_dd.pos" << 14400.0;
    QTest::newRow("CR LF line ends") << "Rover-dynamic_RTK_GPS-GAL_Forward_FixAndHold.pos" << 1.0;
}

void TestPairingCheck::realRtklibTimes()
{
    QFETCH(QString, file);
    QFETCH(double, interval);
    const QString path = TestEnv::testDataDir() + QStringLiteral("/pos/") + file;
    if (TestEnv::testDataDir().isEmpty() || !QFileInfo::exists(path))
        QSKIP("the real-world samples are not there");
    OpentTimeMarkTableModel table(nullptr);
    TimemarkFile reader(&table);
    reader.setRemembersChoices(false);
    reader.setFileName(path);
    reader.setSeparatorIndex(3);
    QVERIFY(reader.loadTable());
    int header = 0;
    while (table.rowCells(header).value(0).startsWith('%'))
        ++header;
    table.setColDate(1);
    table.setFirstRow(header + 1);
    const QList<Line> rows = table.toLines();
    QVERIFY(rows.size() >= 2);
    std::vector<double> steps;
    double previous = 0.0;
    for (int r = 0; r < rows.size(); ++r) {
        const auto t = MarkTime::parse(MarkTime::joined(rows.at(r).date, rows.at(r).dateTail));
        QVERIFY2(t && t->scale == MarkTime::Absolute, qPrintable(rows.at(r).date));
        if (r > 0)
            steps.push_back(t->seconds - previous);
        previous = t->seconds;
    }
    std::sort(steps.begin(), steps.end());
    QVERIFY(steps.front() > 0.0);
    QVERIFY2(std::abs(steps.at(steps.size() / 2) - interval) < 1e-3,
             qPrintable(QString::number(steps.at(steps.size() / 2))));
}

QTEST_GUILESS_MAIN(TestPairingCheck)
#include "testpairingcheck.moc"
