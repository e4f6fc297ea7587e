#include "logcapture.h"
#include "photos/phototagtable.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

#include <exiv2/exiv2.hpp>

namespace {

QStringList sections(const QList<PhotoTagRow> &rows)
{
    QStringList titles;
    for (const PhotoTagRow &row : rows) {
        if (row.isSection)
            titles << row.value;
    }
    return titles;
}

QString valueOf(const QList<PhotoTagRow> &rows, const QString &tag)
{
    for (const PhotoTagRow &row : rows) {
        if (!row.isSection && row.tag == tag)
            return row.value;
    }
    return QStringLiteral("<absent>");
}

} // namespace

class TestPhotoTagTable : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void exifValueText_data();
    void exifValueText();
    void sectionsAndConversions_data();
    void sectionsAndConversions();
    void unreadableFileKeepsFileProperties();
    void realPhoto();

private:
    QTemporaryDir m_dir;
};

void TestPhotoTagTable::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestPhotoTagTable::exifValueText_data()
{
    QTest::addColumn<QString>("tag");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("shown");
    QTest::newRow("exposure") << "Photo.ExposureTime"
                              << "1/1000"
                              << "0.0010000000";
    QTest::newRow("FNumber") << "Photo.FNumber"
                             << "28/10"
                             << "2.8000000000";
    QTest::newRow("Fnumber") << "Photo.Fnumber"
                             << "28/10"
                             << "2.8000000000";
    QTest::newRow("altitude") << "GPSInfo.GPSAltitude"
                              << "12345/100"
                              << "123.4500000000";
    QTest::newRow("latitude") << "GPSInfo.GPSLatitude"
                              << "55/1 45/1 3000/100"
                              << "55.758333";
    QTest::newRow("longitude") << "GPSInfo.GPSLongitude"
                               << "37/1 36/1 0/1"
                               << "37.600000";
    QTest::newRow("zero denominator") << "Photo.ExposureTime"
                                      << "1/0"
                                      << "inf";
    QTest::newRow("not a fraction") << "Photo.ExposureTime"
                                    << "0.002"
                                    << "0.002";
    QTest::newRow("not numbers") << "Photo.FNumber"
                                 << "a/b"
                                 << "a/b";
    QTest::newRow("part without slash") << "GPSInfo.GPSLatitude"
                                        << "55 45/1 30/1"
                                        << "55 45/1 30/1";
    QTest::newRow("two parts") << "GPSInfo.GPSLatitude"
                               << "55/1 45/1"
                               << "55/1 45/1";
    QTest::newRow("other tag") << "Photo.ShutterSpeedValue"
                               << "1/2"
                               << "1/2";
}

void TestPhotoTagTable::exifValueText()
{
    QFETCH(QString, tag);
    QFETCH(QString, text);
    QFETCH(QString, shown);
    QCOMPARE(PhotoTagTable::exifValueText(tag, text), shown);
}

void TestPhotoTagTable::sectionsAndConversions_data()
{
    QTest::addColumn<bool>("iptc");
    QTest::addColumn<bool>("asUrl");
    QTest::newRow("no IPTC") << false << false;
    QTest::newRow("IPTC, entry as URL") << true << true;
}

void TestPhotoTagTable::sectionsAndConversions()
{
    QFETCH(bool, iptc);
    QFETCH(bool, asUrl);
    const QString path = m_dir.filePath(QStringLiteral("tags%1.jpg").arg(iptc));
    PhotoSpec spec;
    spec.exposureTime = QStringLiteral("1/1000");
    QVERIFY(SyntheticFlight::writePhoto(path, spec));
    {
        auto image = Exiv2::ImageFactory::open(QFile::encodeName(path).toStdString());
        image->readMetadata();
        image->exifData()["Exif.Photo.FNumber"] = std::string("28/10");
        image->exifData()["Exif.GPSInfo.GPSLatitude"] = std::string("55/1 45/1 3000/100");
        if (iptc)
            image->iptcData()["Iptc.Application2.Caption"] = std::string("survey");
        image->writeMetadata();
    }
    const QByteArray before = TestFiles::readAll(path);
    QString error;
    const QList<PhotoTagRow> rows =
        PhotoTagTable::build(asUrl ? QUrl::fromLocalFile(path).toString() : path, &error);
    QVERIFY2(error.isEmpty(), qPrintable(error));
    QStringList expected{"File properties", "EXIF Data", "XMP Data"};
    if (iptc)
        expected << "IPTC Data";
    QCOMPARE(sections(rows), expected);
    QCOMPARE(rows.first().tag, QString()); // a section's title stands in the value cell
    QCOMPARE(valueOf(rows, "File size"),
             QString::number(double(before.size()) / 1048576.0, 'f', 2) + " Mb");
    QCOMPARE(valueOf(rows, "Photo.ExposureTime"), QStringLiteral("0.0010000000"));
    QCOMPARE(valueOf(rows, "Photo.FNumber"), QStringLiteral("2.8000000000"));
    QCOMPARE(valueOf(rows, "GPSInfo.GPSLatitude"), QStringLiteral("55.758333"));
    QCOMPARE(valueOf(rows, "drone-dji.FlightYawDegree"), QStringLiteral("+0.00"));
    QCOMPARE(valueOf(rows, "Application2.Caption"),
             iptc ? QStringLiteral("survey") : QStringLiteral("<absent>"));
    QCOMPARE(TestFiles::readAll(path), before);
}

void TestPhotoTagTable::unreadableFileKeepsFileProperties()
{
    const QString path = m_dir.filePath(QStringLiteral("broken.jpg"));
    QVERIFY(TestFiles::write(path, "not a photo at all"));
    LogCapture log;
    QString error;
    const QList<PhotoTagRow> rows = PhotoTagTable::build(path, &error);
    QVERIFY(error.startsWith(QStringLiteral("Exiv2 ERROR: ")));
    QCOMPARE(sections(rows), QStringList{"File properties"});
    QCOMPARE(rows.last().tag, QStringLiteral("Metadata"));
    QVERIFY(rows.last().value.contains(error));
    QCOMPARE(log.lines(QStringLiteral("Critical")).size(), 1);
    QVERIFY(log.lines(QStringLiteral("Critical")).first().contains(path));
}

void TestPhotoTagTable::realPhoto()
{
    if (TestEnv::testDataDir().isEmpty())
        QSKIP("the real-world samples are absent");
    const QString path = TestEnv::testDataDir() + QStringLiteral("/photos/DJI_H20T.jpg");
    const QByteArray before = TestFiles::readAll(path);
    const QList<PhotoTagRow> rows = PhotoTagTable::build(path);
    QCOMPARE(sections(rows), (QStringList{"File properties", "EXIF Data", "XMP Data"}));
    QCOMPARE(valueOf(rows, "drone-dji.FlightYawDegree"), QStringLiteral("+30.30"));
    QCOMPARE(valueOf(rows, "Image.DateTime"), QStringLiteral("2021:05:28 10:33:46"));
    // Degrees, minutes and seconds become one decimal number.
    QVERIFY(QRegularExpression(QStringLiteral("^\\d+\\.\\d{6}$"))
                .match(valueOf(rows, "GPSInfo.GPSLatitude"))
                .hasMatch());
    QCOMPARE(TestFiles::readAll(path), before);
}

QTEST_GUILESS_MAIN(TestPhotoTagTable)
#include "testphototagtable.moc"
