#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QtTest>

#include <exiv2/exiv2.hpp>

#include <optional>

using OptionalDouble = std::optional<double>;
using OptionalText = std::optional<QString>;
Q_DECLARE_METATYPE(OptionalDouble)
Q_DECLARE_METATYPE(OptionalText)
Q_DECLARE_METATYPE(SyntheticFlight::Format)

namespace {

// What Exiv2 reads back for a key, or nothing when the key is absent.
OptionalText readKey(const Exiv2::Image &image, const char *key)
{
    const std::string name(key);
    if (name.rfind("Xmp.", 0) == 0) {
        const auto it = image.xmpData().findKey(Exiv2::XmpKey(name));
        if (it == image.xmpData().end())
            return std::nullopt;
        return QString::fromStdString(it->toString());
    }
    const auto it = image.exifData().findKey(Exiv2::ExifKey(name));
    if (it == image.exifData().end())
        return std::nullopt;
    return QString::fromStdString(it->toString());
}

} // namespace

class TestSyntheticFlight : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void photoTagsReadBack_data();
    void photoTagsReadBack();
    void timemarkForms_data();
    void timemarkForms();
    void noisyFlightIsAsLargeAsRealPhotos();
    void timedFlight_data();
    void timedFlight();

private:
    QTemporaryDir m_tempDir;
};

void TestSyntheticFlight::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestSyntheticFlight::photoTagsReadBack_data()
{
    QTest::addColumn<OptionalDouble>("pitch");
    QTest::addColumn<OptionalDouble>("yaw");
    QTest::addColumn<OptionalDouble>("roll");
    QTest::addColumn<OptionalDouble>("gimbal");
    QTest::addColumn<OptionalText>("date");
    QTest::addColumn<OptionalText>("exposure");
    QTest::newRow("all tags") << OptionalDouble(-1.5) << OptionalDouble(179.9)
                              << OptionalDouble(0.25) << OptionalDouble(-90.0)
                              << OptionalText("2024:05:17 10:22:33") << OptionalText("1/2000");
    QTest::newRow("no attitude") << OptionalDouble() << OptionalDouble() << OptionalDouble()
                                 << OptionalDouble() << OptionalText("2024:05:17 10:22:33")
                                 << OptionalText();
    QTest::newRow("yaw missing") << OptionalDouble(2.0) << OptionalDouble() << OptionalDouble(-3.0)
                                 << OptionalDouble(-45.5) << OptionalText()
                                 << OptionalText("1/500");
}

void TestSyntheticFlight::photoTagsReadBack()
{
    QFETCH(OptionalDouble, pitch);
    QFETCH(OptionalDouble, yaw);
    QFETCH(OptionalDouble, roll);
    QFETCH(OptionalDouble, gimbal);
    QFETCH(OptionalText, date);
    QFETCH(OptionalText, exposure);
    PhotoSpec spec;
    spec.size = QSize(80, 60);
    spec.pitch = pitch;
    spec.yaw = yaw;
    spec.roll = roll;
    spec.gimbalPitch = gimbal;
    spec.dateTime = date;
    spec.exposureTime = exposure;
    const QString path = m_tempDir.filePath(QStringLiteral("%1.JPG").arg(QTest::currentDataTag()));
    QString error;
    QVERIFY2(SyntheticFlight::writePhoto(path, spec, &error), qPrintable(error));
    QCOMPARE(QImage(path).size(), QSize(80, 60));

    auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
    image->readMetadata();
    const auto number = [](const OptionalText &text) -> OptionalDouble {
        return text ? OptionalDouble(text->toDouble()) : std::nullopt;
    };
    QCOMPARE(number(readKey(*image, "Xmp.drone-dji.FlightPitchDegree")), pitch);
    QCOMPARE(number(readKey(*image, "Xmp.drone-dji.FlightYawDegree")), yaw);
    QCOMPARE(number(readKey(*image, "Xmp.drone-dji.FlightRollDegree")), roll);
    QCOMPARE(number(readKey(*image, "Xmp.drone-dji.GimbalPitchDegree")), gimbal);
    QCOMPARE(readKey(*image, "Exif.Image.DateTime"), date);
    QCOMPARE(readKey(*image, "Exif.Photo.ExposureTime"), exposure);
}

void TestSyntheticFlight::timemarkForms_data()
{
    QTest::addColumn<SyntheticFlight::Format>("format");
    QTest::addColumn<QString>("split"); // a regular expression
    QTest::addColumn<int>("headerLines");
    QTest::newRow("semicolon") << SyntheticFlight::Format::Semicolon << ";" << 1;
    QTest::newRow("comma") << SyntheticFlight::Format::Comma << "," << 1;
    QTest::newRow("tab") << SyntheticFlight::Format::Tab << "\t" << 1;
    QTest::newRow("rtklib") << SyntheticFlight::Format::RtklibPos << "\\s+" << 5;
}

void TestSyntheticFlight::timemarkForms()
{
    QFETCH(SyntheticFlight::Format, format);
    QFETCH(QString, split);
    QFETCH(int, headerLines);
    TimemarkRow row;
    row.date = QStringLiteral("2024/05/17 10:00:00.000");
    row.north = 55.123456789;
    row.east = 37.987654321;
    row.height = 151.25;
    row.sdN = 0.011;
    row.sdE = 0.012;
    row.sdH = 0.025;
    const QString path =
        m_tempDir.filePath(QStringLiteral("marks-%1.txt").arg(QTest::currentDataTag()));
    QVERIFY(SyntheticFlight::writeTimemarks(path, {row, row}, format));
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList lines = QString::fromUtf8(file.readAll()).split('\n', Qt::SkipEmptyParts);
    QCOMPARE(lines.size(), headerLines + 2);
    for (int i = 0; i < headerLines; ++i)
        QCOMPARE(lines[i].startsWith('%'), format == SyntheticFlight::Format::RtklibPos);
    const QStringList cells = lines[headerLines].split(QRegularExpression(split));
    // Either date and time as two white-space tokens, or the date cell and a point name.
    constexpr int first = 2;
    QCOMPARE(cells.at(first), QStringLiteral("55.123456789"));
    QCOMPARE(cells.at(first + 1), QStringLiteral("37.987654321"));
    QCOMPARE(cells.at(first + 2).toDouble(), 151.25);
}

void TestSyntheticFlight::noisyFlightIsAsLargeAsRealPhotos()
{
    // A benchmark on small files would time the file system, not the copying.
    PhotoSpec look;
    look.size = QSize(547, 365); // a hundredth of a 5472 x 3648 frame
    look.quality = 90;
    look.noise = true;
    const QString dir = m_tempDir.filePath(QStringLiteral("noisy"));
    const QStringList paths = SyntheticFlight::writeFlight(dir, 2, nullptr, look);
    QCOMPARE(paths.size(), 2);
    const QStringList plain = SyntheticFlight::writeFlight(
        m_tempDir.filePath(QStringLiteral("plain")), 1, nullptr, look.size);
    QCOMPARE(plain.size(), 1);

    const double perPixel = double(QFileInfo(paths.first()).size()) / (547.0 * 365.0);
    // Real 20-megapixel drone photos of about 10 MB hold about half a byte per pixel.
    QVERIFY2(perPixel > 0.35 && perPixel < 0.7, qPrintable(QString::number(perPixel)));
    // The plain frame is painted farmland: some detail, but nothing like a sensor's grain.
    QVERIFY(QFileInfo(plain.first()).size() * 5 < QFileInfo(paths.first()).size());
    QCOMPARE(QImage(paths.first()).size(), look.size);
    QVERIFY(QImage(paths.first()) != QImage(paths.last()));
    auto image = Exiv2::ImageFactory::open(QFile::encodeName(paths.last()).toStdString());
    image->readMetadata();
    QVERIFY(readKey(*image, "Xmp.drone-dji.FlightPitchDegree"));
    QCOMPARE(readKey(*image, "Exif.Image.DateTime"), OptionalText("2024:05:17 10:00:02"));
}

void TestSyntheticFlight::timedFlight_data()
{
    QTest::addColumn<bool>("subSeconds");
    QTest::addColumn<bool>("withoutDropped");
    QTest::newRow("whole seconds, as recorded") << false << false;
    QTest::newRow("sub-seconds, as it should have been") << true << true;
}

void TestSyntheticFlight::timedFlight()
{
    QFETCH(bool, subSeconds);
    QFETCH(bool, withoutDropped);
    FlightTiming t;
    t.shots = 12;
    t.turnEvery = 5;
    t.subSeconds = subSeconds;
    t.clockOffset = 3600.25;
    t.droppedPhotos = {3};
    t.droppedEvents = {7};
    t.extraEvents = 1;
    const QString dir = m_tempDir.filePath(QStringLiteral("timed-%1").arg(QTest::currentDataTag()));
    TimedFlight f;
    const QStringList photos = SyntheticFlight::writeTimedFlight(
        dir, t, SyntheticFlight::Format::Semicolon, withoutDropped, PhotoSpec(), &f);
    QCOMPARE(photos.size(), withoutDropped ? 10 : 11);
    QCOMPARE(f.rowShots.size(), withoutDropped ? 10 : 12);
    QCOMPARE(f.photosWithoutRow, withoutDropped ? QList<int>() : QList<int>{6});
    QCOMPARE(f.rowsWithoutPhoto.size(), withoutDropped ? 0 : 2);
    QCOMPARE(QJsonDocument::fromJson(TestFiles::readAll(dir + "/truth.json"))
                 .object()
                 .value("photosWithoutRow")
                 .toArray()
                 .size(),
             f.photosWithoutRow.size());
    // A turn after every fifth shot: shot 5 comes a turn, not an interval, after shot 4.
    QVERIFY(f.shotTimes.at(5).toMSecsSinceEpoch() - f.shotTimes.at(4).toMSecsSinceEpoch() == 12000);

    auto image = Exiv2::ImageFactory::open(QFile::encodeName(photos.at(4)).toStdString());
    image->readMetadata();
    const CaptureTime c = CaptureTime::fromExif(image->exifData());
    QCOMPARE(c.text(), f.photoTimes.at(4).text());
    QCOMPARE(c.resolutionMs, subSeconds ? 1 : 1000);
    // Shot 5 is the fifth photo when shot 3 lost its photo; its camera clock runs ahead.
    const qint64 ahead =
        c.time.toMSecsSinceEpoch() - f.shotTimes.at(f.photoShots.at(4)).toMSecsSinceEpoch();
    QVERIFY2(ahead > (subSeconds ? 3600230 : 3599250) && ahead < 3600270,
             qPrintable(QString::number(ahead)));
    QCOMPARE(TestFiles::readLines(dir + "/timemarks.csv").size(), f.rowShots.size() + 1);
}

QTEST_GUILESS_MAIN(TestSyntheticFlight)
#include "testsyntheticflight.moc"
