#include "blocks/customtablemodel.h"
#include "geo/geocalc.h"
#include "processing/outputlabelmodel.h"
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

Line makeLine(const QString &date, double x, double y, double z = 100.0)
{
    Line line;
    line.date = date;
    line.x = x;
    line.y = y;
    line.z = z;
    line.lon = 3.0 + x / 1e6;
    line.lat = 51.0 + y / 1e7;
    line.sx = 0.011;
    line.sy = 0.012;
    line.sz = 0.013;
    line.zone = 31;
    return line;
}

QList<Line> straightRows(int count, double spacing)
{
    QList<Line> rows;
    for (int i = 0; i < count; ++i)
        rows << makeLine(QStringLiteral("t%1").arg(i), 500000.0, 6000000.0 + spacing * i);
    return rows;
}

void setMode(bool wgs84)
{
    QSettings s;
    Keys::CoordinateType.write(s, wgs84 ? Keys::CoordinateTypeWgs84 : 0);
}

QStringList dates(const CustomTableModel &model)
{
    QStringList list;
    for (const Line &line : model.rows())
        list << line.date;
    return list;
}

} // namespace

class TestCustomTableModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void modelTester();
    void roles_data();
    void roles();
    void metricRoleFollowsColumns();
    void headers();
    void nameMovedHidesAField();
    void editing_data();
    void editing();
    void degreeEditRecomputesMetres();
    void eastBeforeNorth();
    void readersPastTheEnd();
    void accuracyRule_data();
    void accuracyRule();
    void quarantine();
    void removal();
    void distanceFilterInItsThread();
    void destroyedWhileFiltering();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GeoCalc> m_geo;
};

void TestCustomTableModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = std::make_unique<GeoCalc>();
    QVERIFY2(m_geo->isReady(), qPrintable(m_geo->errorText()));
}

void TestCustomTableModel::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

void TestCustomTableModel::modelTester()
{
    CustomTableModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendRow(makeLine("a", 1, 2));
    model.appendRows(straightRows(6, 10));
    model.setQuarantine({1, 2});
    model.setData(model.index(0, 1), 5.0);
    model.removeRows(QList<int>{4, 1});
    model.removeRowsEnd(3);
    model.unsetQuarantine({2});
    model.clearQuarantine();
    setMode(true);
    model.labelModel()->loadFromSettings();
    model.clearRows();
    QCOMPARE(model.rowCount(), 0);
}

void TestCustomTableModel::roles_data()
{
    QTest::addColumn<bool>("wgs84");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("display");
    QTest::addColumn<QVariant>("edit");
    QTest::addColumn<QVariant>("wgsValue");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<QString>("oddColour");
    QTest::addColumn<QString>("evenColour");
    const Line l = makeLine("2024/05/17 10:00:00", 500123.5, 6000456.25, 99.5);
    struct Column
    {
        QVariant metric, degree;
        QString odd, even;
    };
    const Column columns[] = {
        {l.date, l.date, "#a2a2a2", "#b4b4b4"}, {l.y, l.lat, "#f0e77c", "#fef483"},
        {l.x, l.lon, "#7ee9e5", "#8afffb"},     {l.z, l.z, "#ff89a2", "#ff97ad"},
        {l.sy, l.sy, "#8df0a3", "#97ffad"},     {l.sx, l.sx, "#8da3f0", "#7587c7"},
        {l.sz, l.sz, "#c8a0db", "#a382b3"}};
    for (int c = 0; c < 7; ++c) {
        const Column &col = columns[c];
        QTest::addRow("metric %d", c)
            << false << c << col.metric << col.metric << col.degree << 3 << col.odd << col.even;
        QTest::addRow("wgs84 %d", c) << true << c << col.metric << col.degree << col.degree
                                     << (c == 3 ? 3 : 9) << col.odd << col.even;
    }
}

void TestCustomTableModel::roles()
{
    QFETCH(bool, wgs84);
    QFETCH(int, column);
    QFETCH(QVariant, display);
    QFETCH(QVariant, edit);
    QFETCH(QVariant, wgsValue);
    QFETCH(int, decimals);
    QFETCH(QString, oddColour);
    QFETCH(QString, evenColour);
    setMode(wgs84);
    CustomTableModel model;
    const Line l = makeLine("2024/05/17 10:00:00", 500123.5, 6000456.25, 99.5);
    model.appendRows({l, l});
    const QModelIndex even = model.index(0, column);
    const QModelIndex odd = model.index(1, column);
    QCOMPARE(model.data(even, Qt::DisplayRole), display);
    QCOMPARE(model.data(even, Qt::EditRole), edit);
    QCOMPARE(model.data(even, CustomTableModel::Wgs84ValueRole), wgsValue);
    QCOMPARE(model.data(even, CustomTableModel::DecimalsRole).toInt(), decimals);
    QCOMPARE(model.data(even, Qt::BackgroundRole).value<QColor>().name(), evenColour);
    QCOMPARE(model.data(odd, Qt::BackgroundRole).value<QColor>().name(), oddColour);
    QCOMPARE(model.data(even, CustomTableModel::QuarantineRole).toBool(), false);
    QVERIFY(!model.data(even, Qt::FontRole).isValid());
    model.setQuarantine({1});
    QCOMPARE(model.data(odd, CustomTableModel::QuarantineRole).toBool(), true);
    QVERIFY(model.data(odd, Qt::FontRole).value<QFont>().strikeOut());
    QVERIFY(!model.data(QModelIndex(), Qt::DisplayRole).isValid());
}

void TestCustomTableModel::metricRoleFollowsColumns()
{
    CustomTableModel model;
    model.appendRow(makeLine("d", 500001.0, 6000002.0, 33.0));
    QCOMPARE(model.data(model.index(0, 0), CustomTableModel::MetricRole).toDouble(), 6000002.0);
    QCOMPARE(model.data(model.index(0, 1), CustomTableModel::MetricRole).toDouble(), 500001.0);
    QCOMPARE(model.data(model.index(0, 2), CustomTableModel::MetricRole).toDouble(), 33.0);
    QVERIFY(!model.data(model.index(0, 3), CustomTableModel::MetricRole).isValid());
}

void TestCustomTableModel::headers()
{
    CustomTableModel model;
    model.appendRows(straightRows(2, 1));
    QStringList labels;
    for (int c = 0; c < model.columnCount(); ++c)
        labels << model.headerData(c, Qt::Horizontal).toString();
    QCOMPARE(labels, (QStringList{"Date", "North", "East", "H", "sdN", "sdE", "sdH"}));
    setMode(true);
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("Lat (N)"));
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Lon (E)"));
    QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("2"));
    QVERIFY(!model.headerData(1, Qt::Vertical, Qt::FontRole).isValid());
}

void TestCustomTableModel::nameMovedHidesAField()
{
    // Output order Date, North, East, Name, H, ...: Name stands at position 3.
    QSettings s;
    const int order[] = {1, 2, 3, 0, 4, 5, 6, 7};
    for (int p = 0; p < 8; ++p)
        Keys::metaHeader(p).write(s, order[p]);
    s.sync();
    CustomTableModel model;
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    model.labelModel()->loadFromSettings();
    QVERIFY(reset.count() >= 1);
    model.appendRow(makeLine("d", 500001.0, 6000002.0, 33.0));
    QCOMPARE(model.data(model.index(0, 0)).toDouble(), 6000002.0); // North
    QCOMPARE(model.data(model.index(0, 1)).toDouble(), 500001.0);  // East
    QVERIFY(!model.data(model.index(0, 2)).isValid());             // Name: no field
    QVERIFY(!model.data(model.index(0, 2), Qt::BackgroundRole).isValid());
    QCOMPARE(model.data(model.index(0, 3)).toDouble(), 33.0); // H
    QCOMPARE(model.headerData(2, Qt::Horizontal).toString(), QStringLiteral("Name"));
    for (int c = 0; c < 7; ++c)
        QVERIFY(model.data(model.index(0, c)).toString() != QLatin1String("d")); // Date hidden
    QVERIFY(!model.setData(model.index(0, 2), 1.0));
}

void TestCustomTableModel::editing_data()
{
    QTest::addColumn<bool>("wgs84");
    QTest::addColumn<int>("column");
    QTest::addColumn<QVariant>("value");
    QTest::addColumn<QString>("changed");
    QTest::newRow("date") << false << 0 << QVariant("10:00") << "date";
    QTest::newRow("north metric") << false << 1 << QVariant(7.5) << "y";
    QTest::newRow("east metric") << false << 2 << QVariant(7.5) << "x";
    QTest::newRow("height") << true << 3 << QVariant(7.5) << "z";
    QTest::newRow("sdN") << false << 4 << QVariant(7.5) << "sy";
    QTest::newRow("sdE") << true << 5 << QVariant(7.5) << "sx";
    QTest::newRow("sdH") << false << 6 << QVariant("7.5") << "sz";
    QTest::newRow("text is no number") << false << 1 << QVariant("abc") << "";
    QTest::newRow("no value") << false << 1 << QVariant() << "";
}

void TestCustomTableModel::editing()
{
    QFETCH(bool, wgs84);
    QFETCH(int, column);
    QFETCH(QVariant, value);
    QFETCH(QString, changed);
    setMode(wgs84);
    CustomTableModel model;
    const Line before = makeLine("d", 500001.0, 6000002.0, 33.0);
    model.appendRow(before);
    QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
    QCOMPARE(model.setData(model.index(0, column), value), !changed.isEmpty());
    QCOMPARE(spy.count(), changed.isEmpty() ? 0 : 1);
    QVERIFY(!model.setData(model.index(0, column), value, Qt::DisplayRole));
    const Line after = model.row(0);
    const QMap<QString, std::pair<double, double>> fields{
        {"x", {before.x, after.x}},       {"y", {before.y, after.y}},
        {"z", {before.z, after.z}},       {"lon", {before.lon, after.lon}},
        {"lat", {before.lat, after.lat}}, {"sx", {before.sx, after.sx}},
        {"sy", {before.sy, after.sy}},    {"sz", {before.sz, after.sz}}};
    for (auto it = fields.cbegin(); it != fields.cend(); ++it) {
        if (it.key() == changed)
            QCOMPARE(it.value().second, 7.5);
        else
            QCOMPARE(it.value().second, it.value().first);
    }
    QCOMPARE(after.date, changed == QLatin1String("date") ? QStringLiteral("10:00") : before.date);
    QCOMPARE(after.zone, before.zone);
}

void TestCustomTableModel::degreeEditRecomputesMetres()
{
    setMode(true);
    CustomTableModel model;
    Line line = makeLine("d", 0, 0, 45.5);
    line.lat = 51.0;
    line.lon = 3.0;
    line.zone = 0;
    model.appendRow(line);

    // Without a converter only the latitude changes.
    QVERIFY(model.setData(model.index(0, 1), 51.5));
    QCOMPARE(model.row(0).lat, 51.5);
    QCOMPARE(model.row(0).x, 0.0);

    GeoCalc notReady(true);
    model.setGeoCalc(&notReady);
    QVERIFY(model.setData(model.index(0, 2), 3.25));
    QCOMPARE(model.row(0).lon, 3.25);
    QCOMPARE(model.row(0).zone, 0);

    model.setGeoCalc(m_geo.get());
    QSignalSpy spy(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 1), 51.25));
    const UtmPoint expected = m_geo->geoToUtm(3.25, 51.25, 45.5);
    QCOMPARE(model.row(0).x, expected.x);
    QCOMPARE(model.row(0).y, expected.y);
    QCOMPARE(model.row(0).zone, 31);
    QCOMPARE(model.row(0).z, 45.5);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.last().at(0).toModelIndex().column(), 0); // the whole row changed
    QCOMPARE(spy.last().at(1).toModelIndex().column(), 6);

    // A typing slip outside the zones leaves no metric position, but the height survives it.
    QVERIFY(model.setData(model.index(0, 2), 300.0));
    QCOMPARE(model.row(0).zone, 0);
    QCOMPARE(model.row(0).x, 0.0);
    QCOMPARE(model.row(0).z, 45.5);
    QVERIFY(model.setData(model.index(0, 2), 3.25));
    QCOMPARE(model.utmPoint(0).z, 45.5);
    QCOMPARE(model.row(0).x, expected.x);
}

void TestCustomTableModel::eastBeforeNorth()
{
    QSettings s;
    Keys::metaHeader(2).write(s, 3);
    Keys::metaHeader(3).write(s, 2);
    s.sync();
    CustomTableModel model;
    model.appendRow(makeLine("d", 500001.0, 6000002.0));
    QCOMPARE(model.headerData(1, Qt::Horizontal).toString(), QStringLiteral("East"));
    QVERIFY(model.setData(model.index(0, 1), 123.0));
    QCOMPARE(model.row(0).x, 123.0);
    QCOMPARE(model.row(0).y, 6000002.0);
}

void TestCustomTableModel::readersPastTheEnd()
{
    CustomTableModel model;
    model.appendRow(makeLine("d", 500001.0, 6000002.0, 33.0));
    const UtmPoint u = model.utmPoint(0);
    QVERIFY(u.x == 500001.0 && u.y == 6000002.0 && u.z == 33.0 && u.zone == 31);
    const GeoPoint g = model.geoPoint(0);
    QVERIFY(g.lon == model.row(0).lon && g.lat == model.row(0).lat && g.h == 33.0);
    QCOMPARE(model.north(0), 6000002.0);
    QCOMPARE(model.east(0), 500001.0);
    QCOMPARE(model.date(0), QStringLiteral("d"));
    for (const int r : {1, 5, -1}) {
        const UtmPoint pu = model.utmPoint(r);
        QVERIFY(pu.x == 0 && pu.y == 0 && pu.z == 0 && pu.zone == 0);
        const GeoPoint pg = model.geoPoint(r);
        QVERIFY(pg.lon == 0 && pg.lat == 0 && pg.h == 0);
        QCOMPARE(model.north(r), -1.0);
        QCOMPARE(model.east(r), -1.0);
        QCOMPARE(model.accuracyEast(r), -1.0);
        QCOMPARE(model.accuracyNorth(r), -1.0);
        QCOMPARE(model.accuracyHeight(r), -1.0);
        QCOMPARE(model.date(r), QString());
        QCOMPARE(model.row(r).date, QString());
    }
    QVERIFY(!model.noDateColumn());
    model.setNoDateColumn(true);
    QVERIFY(model.noDateColumn());
}

void TestCustomTableModel::accuracyRule_data()
{
    QTest::addColumn<double>("stored");
    QTest::addColumn<double>("read");
    QTest::newRow("zero means not given") << 0.0 << 0.02;
    QTest::newRow("small stays") << 0.005 << 0.005;
    QTest::newRow("negative stays") << -0.5 << -0.5;
}

void TestCustomTableModel::accuracyRule()
{
    QFETCH(double, stored);
    QFETCH(double, read);
    CustomTableModel model;
    Line line;
    line.sx = stored;
    line.sy = stored;
    line.sz = stored;
    model.appendRow(line);
    QCOMPARE(model.accuracyEast(0), read);
    QCOMPARE(model.accuracyNorth(0), read);
    QCOMPARE(model.accuracyHeight(0), read);
    QCOMPARE(model.data(model.index(0, 4)).toDouble(), stored); // the table shows what is stored
}

void TestCustomTableModel::quarantine()
{
    CustomTableModel model;
    model.appendRows(straightRows(5, 10));
    QVERIFY(!model.isQuarantined());
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    model.setQuarantine({3, 1, 9});
    // The rows between the flags changed, whole: views repaint them and keep the rest.
    QCOMPARE(reset.count(), 0);
    QCOMPARE(changed.count(), 1);
    QCOMPARE(changed.first().at(0).toModelIndex(), model.index(1, 0));
    QCOMPARE(changed.first().at(1).toModelIndex(),
             model.index(3, CustomTableModel::ColumnCount - 1));
    QCOMPARE(changed.first().at(2).value<QVector<int>>(),
             (QVector<int>{CustomTableModel::QuarantineRole, Qt::FontRole}));
    model.setQuarantine({1}); // already so: nothing to repaint
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.quarantinedRows(), (QList<int>{1, 3}));
    QVERIFY(model.isQuarantined());
    QVERIFY(model.isQuarantined(3));
    QVERIFY(!model.isQuarantined(2));
    QVERIFY(!model.isQuarantined(17));
    QVERIFY(model.data(model.index(3, 0), Qt::FontRole).value<QFont>().strikeOut());
    QCOMPARE(model.data(model.index(3, 5), CustomTableModel::QuarantineRole).toBool(), true);
    model.unsetQuarantine({1});
    QCOMPARE(model.quarantinedRows(), QList<int>{3});
    // Flags move with their rows.
    model.removeRow(0);
    QCOMPARE(model.quarantinedRows(), QList<int>{2});
    model.appendRow(makeLine("new", 0, 0));
    QCOMPARE(model.quarantineFlags(), (QList<bool>{false, false, true, false, false}));
    model.clearQuarantine();
    QVERIFY(!model.isQuarantined());
    QCOMPARE(model.quarantineFlags().size(), model.rowCount());
}

void TestCustomTableModel::removal()
{
    CustomTableModel model;
    model.appendRows(straightRows(8, 1));
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QVERIFY(model.removeRows(QList<int>{5, 2, 3}));
    QCOMPARE(removed.count(), 3);
    QCOMPARE(dates(model), (QStringList{"t0", "t1", "t4", "t6", "t7"}));
    QVERIFY(model.removeRows(QList<int>{4, 4, -2, 30}));
    QCOMPARE(dates(model), (QStringList{"t0", "t1", "t4", "t6"}));
    QVERIFY(model.removeRows(1, 2));
    QCOMPARE(dates(model), (QStringList{"t0", "t6"}));
    QVERIFY(!model.removeRows(0, 1, model.index(0, 0)));
    model.appendRows(straightRows(4, 1));
    QCOMPARE(model.rows(1, 3).size(), 3);
    QCOMPARE(model.rows(1, 3).first().date, QStringLiteral("t6"));
    QCOMPARE(model.rows(4, 99).size(), 2);
    QVERIFY(model.rows(3, 1).isEmpty());
    model.removeRowsEnd(2);
    QCOMPARE(dates(model), (QStringList{"t0", "t6"}));
    model.removeRowsEnd(5);
    QCOMPARE(model.rowCount(), 2);
    QCOMPARE(model.quarantineFlags().size(), 2);
    model.clearRows();
    QCOMPARE(model.rowCount(), 0);
    QVERIFY(model.quarantineFlags().isEmpty());
}

void TestCustomTableModel::distanceFilterInItsThread()
{
    CustomTableModel model;
    model.appendRows(straightRows(12, 5));
    model.setQuarantine({3});
    QSignalSpy finished(&model, &CustomTableModel::distanceFilterFinished);
    QSignalSpy progress(&model, &CustomTableModel::distanceFilterProgress);
    QVERIFY(model.startDistanceFilter(30));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.first().first().value<QList<int>>(), (QList<int>{1, 2, 4, 6, 7, 8, 9}));
    QCOMPARE(progress.last().first().toInt(), 100);
    QTRY_VERIFY(!model.isDistanceFilterRunning());
    // The thread can run another pass, on the rows as they are now.
    model.clearQuarantine();
    QVERIFY(model.startDistanceFilter(12));
    QVERIFY(finished.wait(5000));
    QCOMPARE(finished.last().first().value<QList<int>>(), (QList<int>{1, 3, 5, 7, 9}));
}

void TestCustomTableModel::destroyedWhileFiltering()
{
    auto model = std::make_unique<CustomTableModel>();
    model->appendRows(straightRows(200000, 1));
    QVERIFY(model->startDistanceFilter(30));
    QElapsedTimer timer;
    timer.start();
    model.reset(); // quits and waits for the pass before anything goes
    QVERIFY(timer.elapsed() < 5000);
}

QTEST_GUILESS_MAIN(TestCustomTableModel)
#include "testcustomtablemodel.moc"
