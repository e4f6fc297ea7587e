#include "blocks/customtablemodel.h"
#include "geo/geocalc.h"
#include "photos/photomodel.h"
#include "processing/previewtablemodel.h"
#include "referencegeometry.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

Line positioned(double north, double east = 500000.0, double height = 100.0, int zone = 33)
{
    Line line;
    line.x = east;
    line.y = north;
    line.z = height;
    line.zone = zone;
    line.sx = line.sy = line.sz = 0.01;
    return line;
}

/// A block's three models as the block wires them.
struct Models
{
    explicit Models(GeoCalc *geo)
    {
        timemarks.setGeoCalc(geo);
        preview.setGeoCalc(geo);
    }
    /// @p photos photos with the given attitudes (zero when none given) and @p rows rows.
    void fill(int photoCount, const QList<Line> &rows, const QList<Adj> &adjs = {})
    {
        QStringList entries;
        QList<Adj> attitudes;
        QList<QDateTime> dates;
        for (int i = 0; i < photoCount; ++i) {
            entries << QStringLiteral("/nowhere/DJI_%1.JPG").arg(i);
            attitudes << adjs.value(i);
            dates << QDateTime(QDate(2024, 5, 17), QTime(10, 0, 0)).addSecs(2 * i);
        }
        photos.appendPhotos(entries, attitudes, dates);
        timemarks.appendRows(rows);
        preview.resetData();
    }
    double value(int row, int column, int role = Qt::DisplayRole) const
    {
        return preview.data(preview.index(row, column), role).toDouble();
    }

    CustomTableModel timemarks;
    PhotoModel photos;
    PreviewTableModel preview{nullptr, &timemarks, &photos};
};

QList<Line> straight(int count)
{
    QList<Line> rows;
    for (int i = 0; i < count; ++i)
        rows << positioned(6000000.0 + 10.0 * i);
    return rows;
}

} // namespace

class TestPreviewTableModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void modelTester();
    void rowCountIsTheShorterList_data();
    void rowCountIsTheShorterList();
    void withoutModels();
    void rowWithoutPositionIsEmpty();
    void zeroAttitudeDefaultOffsets();
    void correctionFollowsAttitude_data();
    void correctionFollowsAttitude();
    void converterNotReady();
    void headersFollowCoordinateType();
    void coloursByColumnAndParity_data();
    void coloursByColumnAndParity();
    void decimals_data();
    void decimals();
    void quarantineStrikesOutTimemarkRows();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GeoCalc> m_geo;
};

void TestPreviewTableModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = std::make_unique<GeoCalc>();
    QVERIFY2(m_geo->isReady(), qPrintable(m_geo->errorText()));
}

void TestPreviewTableModel::init()
{
    QSettings s;
    s.clear();
    s.sync();
    m_geo->updateSettings();
}

void TestPreviewTableModel::modelTester()
{
    Models m(m_geo.get());
    QAbstractItemModelTester tester(&m.preview,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    m.fill(4, straight(4));
    m.timemarks.setQuarantine({1});
    m.preview.resetData();
    m.photos.removePhotos({0, 2});
    m.preview.resetData();
    m.timemarks.clearRows();
    m.preview.resetData();
    QCOMPARE(m.preview.rowCount(), 0);
}

void TestPreviewTableModel::rowCountIsTheShorterList_data()
{
    QTest::addColumn<int>("photos");
    QTest::addColumn<int>("rows");
    QTest::addColumn<int>("expected");
    QTest::newRow("5 photos, 3 rows") << 5 << 3 << 3;
    QTest::newRow("3 photos, 5 rows") << 3 << 5 << 3;
    QTest::newRow("photos only") << 4 << 0 << 0;
    QTest::newRow("rows only") << 0 << 4 << 0;
}

void TestPreviewTableModel::rowCountIsTheShorterList()
{
    QFETCH(int, photos);
    QFETCH(int, rows);
    Models m(m_geo.get());
    m.fill(photos, straight(rows));
    QTEST(m.preview.rowCount(), "expected");
    QCOMPARE(m.preview.columnCount(), 4);
    // Past the shorter list there is nothing to show, not a zero position.
    QVERIFY(!m.preview.data(m.preview.index(3, 1)).isValid());
}

void TestPreviewTableModel::withoutModels()
{
    PreviewTableModel preview(nullptr, nullptr, nullptr);
    QAbstractItemModelTester tester(&preview,
                                    QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(preview.rowCount(), 0);
}

void TestPreviewTableModel::rowWithoutPositionIsEmpty()
{
    Models m(m_geo.get());
    Line empty;
    empty.z = 55.0; // a height alone is no position
    m.fill(2, {empty, positioned(6000000.0)});
    for (int column = 1; column <= 3; ++column) {
        QVERIFY(!m.preview.data(m.preview.index(0, column)).isValid());
        QVERIFY(!m.preview.data(m.preview.index(0, column), PreviewTableModel::Wgs84ValueRole)
                     .isValid());
        QVERIFY(m.preview.data(m.preview.index(1, column)).isValid());
    }
    // Column 0 carries no value in any row.
    QVERIFY(!m.preview.data(m.preview.index(1, 0)).isValid());
}

void TestPreviewTableModel::zeroAttitudeDefaultOffsets()
{
    Models m(m_geo.get());
    m.fill(1, {positioned(6000000.0, 500000.0, 100.0, 33)});
    QCOMPARE(m.value(0, 1), 6000000.030);
    QCOMPARE(m.value(0, 2), 500000.0);
    QCOMPARE(m.value(0, 3), 99.831);

    // On the central meridian of zone 33 (15° E); 3 cm north is about 2.7e-7°.
    const GeoPoint row = m_geo->utmToGeo(500000.0, 6000000.0, 33, 100.0);
    const double lat = m.value(0, 1, PreviewTableModel::Wgs84ValueRole);
    QVERIFY(qAbs(m.value(0, 2, PreviewTableModel::Wgs84ValueRole) - 15.0) < 1e-9);
    QVERIFY2(lat - row.lat > 2.5e-7 && lat - row.lat < 2.9e-7, qPrintable(QString::number(lat)));
    QCOMPARE(m.value(0, 3, PreviewTableModel::Wgs84ValueRole), 99.831);
}

void TestPreviewTableModel::correctionFollowsAttitude_data()
{
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("roll");
    QTest::addColumn<int>("offsetX"); // mm
    QTest::addColumn<int>("offsetY");
    QTest::addColumn<int>("offsetZ");
    QTest::newRow("yaw 90, default arm") << 0.0 << 90.0 << 0.0 << 30 << 0 << -169;
    QTest::newRow("pitched and rolled") << -12.5 << 33.0 << 4.0 << 30 << 0 << -169;
    QTest::newRow("sideways arm") << 3.0 << -140.0 << -2.0 << 100 << 250 << -400;
}

void TestPreviewTableModel::correctionFollowsAttitude()
{
    QFETCH(double, pitch);
    QFETCH(double, yaw);
    QFETCH(double, roll);
    QFETCH(int, offsetX);
    QFETCH(int, offsetY);
    QFETCH(int, offsetZ);
    QSettings s;
    Keys::OffsetX.write(s, offsetX);
    Keys::OffsetY.write(s, offsetY);
    Keys::OffsetZ.write(s, offsetZ);
    m_geo->updateSettings();

    Models m(m_geo.get());
    Adj adj;
    adj.pitch = pitch;
    adj.yaw = yaw;
    adj.roll = roll;
    m.fill(2, {positioned(6000000.0), positioned(6000010.0)}, {Adj(), adj});
    double dEast = 0, dNorth = 0, dHeight = 0;
    ReferenceGeometry::leverArm(pitch, yaw, roll, &dEast, &dNorth, &dHeight, offsetX / 1000.0,
                                offsetY / 1000.0, offsetZ / 1000.0);
    // Row 1 takes photo 1's attitude, not photo 0's.
    QVERIFY(qAbs(m.value(1, 1) - (6000010.0 + dNorth)) < 1e-9);
    QVERIFY(qAbs(m.value(1, 2) - (500000.0 + dEast)) < 1e-9);
    QVERIFY(qAbs(m.value(1, 3) - (100.0 + dHeight)) < 1e-9);
}

void TestPreviewTableModel::converterNotReady()
{
    GeoCalc notReady(true);
    Models m(&notReady);
    Line empty;
    m.fill(2, {positioned(6000000.0), empty});
    for (int column = 1; column <= 3; ++column) {
        for (int role : {int(Qt::DisplayRole), int(PreviewTableModel::Wgs84ValueRole)}) {
            const QVariant value = m.preview.data(m.preview.index(0, column), role);
            QVERIFY(value.isValid());
            QCOMPARE(value.toDouble(), 0.0);
            QVERIFY(!m.preview.data(m.preview.index(1, column), role).isValid());
        }
    }
}

void TestPreviewTableModel::headersFollowCoordinateType()
{
    Models m(m_geo.get());
    m.fill(2, straight(2));
    auto horizontal = [&m](int section) {
        return m.preview.headerData(section, Qt::Horizontal).toString();
    };
    QCOMPARE(horizontal(1), QStringLiteral("North"));
    QCOMPARE(horizontal(2), QStringLiteral("East"));
    QCOMPARE(horizontal(3), QStringLiteral("H"));
    QVERIFY(!m.preview.headerData(0, Qt::Horizontal).isValid());
    QVERIFY(!m.preview.headerData(1, Qt::Horizontal, Qt::ToolTipRole).isValid());
    QCOMPARE(m.preview.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(m.preview.headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));

    QSignalSpy reset(&m.preview, &QAbstractItemModel::modelReset);
    QSettings s;
    Keys::CoordinateType.write(s, Keys::CoordinateTypeWgs84);
    m.preview.resetData();
    QCOMPARE(reset.count(), 1);
    QCOMPARE(horizontal(1), QStringLiteral("Lat (N)"));
    QCOMPARE(horizontal(2), QStringLiteral("Lon (E)"));
    QCOMPARE(horizontal(3), QStringLiteral("H"));

    Keys::CoordinateType.write(s, 0);
    m.preview.resetData();
    QCOMPARE(horizontal(1), QStringLiteral("North"));
}

void TestPreviewTableModel::coloursByColumnAndParity_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QColor>("colour");
    QTest::newRow("0/0") << 0 << 0 << QColor(Qt::white);
    QTest::newRow("1/0") << 1 << 0 << QColor("#d7d7d7");
    QTest::newRow("0/1") << 0 << 1 << QColor("#fef483");
    QTest::newRow("1/1") << 1 << 1 << QColor("#f0e77c");
    QTest::newRow("2/2") << 2 << 2 << QColor("#8afffb");
    QTest::newRow("1/2") << 1 << 2 << QColor("#7ee9e5");
    QTest::newRow("2/3") << 2 << 3 << QColor("#ff97ad");
    QTest::newRow("3/3") << 3 << 3 << QColor("#ff89a2");
}

void TestPreviewTableModel::coloursByColumnAndParity()
{
    QFETCH(int, row);
    QFETCH(int, column);
    Models m(m_geo.get());
    m.fill(4, straight(4));
    const QVariant value = m.preview.data(m.preview.index(row, column), Qt::BackgroundRole);
    QTEST(value.value<QColor>(), "colour");
}

void TestPreviewTableModel::decimals_data()
{
    QTest::addColumn<int>("type");
    QTest::addColumn<QList<int>>("expected"); // columns 1, 2, 3
    QTest::newRow("UTM") << 0 << QList<int>{3, 3, 3};
    QTest::newRow("WGS 84") << Keys::CoordinateTypeWgs84 << QList<int>{9, 9, 3};
}

void TestPreviewTableModel::decimals()
{
    QFETCH(int, type);
    QSettings s;
    Keys::CoordinateType.write(s, type);
    Models m(m_geo.get());
    m.fill(1, straight(1));
    QList<int> found;
    for (int column = 1; column <= 3; ++column)
        found
            << m.preview.data(m.preview.index(0, column), PreviewTableModel::DecimalsRole).toInt();
    QTEST(found, "expected");
}

void TestPreviewTableModel::quarantineStrikesOutTimemarkRows()
{
    Models m(m_geo.get());
    m.fill(3, straight(3));
    m.timemarks.setQuarantine({1});
    // The flag shown is the timemark row's: a photo flag alone strikes nothing out.
    m.photos.setQuarantine({2});
    m.preview.resetData();
    for (int column = 0; column < 4; ++column) {
        const QModelIndex struck = m.preview.index(1, column);
        QVERIFY(m.preview.data(struck, Qt::FontRole).value<QFont>().strikeOut());
        QCOMPARE(m.preview.data(struck, PreviewTableModel::QuarantineRole).toBool(), true);
        for (int row : {0, 2}) {
            const QModelIndex plain = m.preview.index(row, column);
            QVERIFY(!m.preview.data(plain, Qt::FontRole).value<QFont>().strikeOut());
            QCOMPARE(m.preview.data(plain, PreviewTableModel::QuarantineRole).toBool(), false);
        }
    }
    // Quarantined rows still show where the photo will be.
    QCOMPARE(m.value(1, 1), 6000010.030);
}

QTEST_GUILESS_MAIN(TestPreviewTableModel)
#include "testpreviewtablemodel.moc"
