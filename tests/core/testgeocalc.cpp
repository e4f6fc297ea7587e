#include "geo/geocalc.h"
#include "referencegeometry.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRandomGenerator>
#include <QRegularExpression>
#include <QSemaphore>
#include <QSettings>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>

#include <cmath>
#include <geodesic.h>
#include <memory>
#include <thread>
#include <vector>

namespace {

struct GridPoint
{
    int zone;
    double lon;
    double lat;
    double east = 0; // cs2cs, EPSG:326zz
    double north = 0;
};

/// Restores an environment variable when the test leaves, whatever its outcome.
class EnvGuard
{
public:
    explicit EnvGuard(const char *name) : m_name(name), m_had(qEnvironmentVariableIsSet(name))
    {
        m_value = qgetenv(name);
    }
    ~EnvGuard()
    {
        if (m_had)
            qputenv(m_name, m_value);
        else
            qunsetenv(m_name);
    }

private:
    const char *m_name;
    bool m_had;
    QByteArray m_value;
};

class CwdGuard
{
public:
    CwdGuard() : m_dir(QDir::currentPath()) {}
    ~CwdGuard() { QDir::setCurrent(m_dir); }

private:
    QString m_dir;
};

} // namespace

class TestGeoCalc : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void workedExample_data();
    void workedExample();
    void eachAxisAlone_data();
    void eachAxisAlone();
    void randomAttitudes();
    void noConvergence_data();
    void noConvergence();
    void offsetLandsAtTrueAzimuth_data();
    void offsetLandsAtTrueAzimuth();
    void offsetsAreMillimetresInTheStore();
    void notReadyGivesZeros();

    void zoneOf_data();
    void zoneOf();
    void geoToUtmZoneRule_data();
    void geoToUtmZoneRule();
    void southernPointUsesNorthernZone();
    void southernZonesInverse();
    void utmToGeoRefusedZones_data();
    void utmToGeoRefusedZones();
    void nonFiniteInputGivesZeros();

    void databaseSearch_data();
    void databaseSearch();
    void databaseMissing();
    void reinitialize();

    void twoThreadsAtOnce();
    void agreesWithCs2cs();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GeoCalc> m_geo;
};

void TestGeoCalc::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = std::make_unique<GeoCalc>();
    QVERIFY2(m_geo->isReady(), qPrintable(m_geo->errorText()));
}

void TestGeoCalc::init()
{
    QSettings s;
    s.clear();
    s.sync();
    m_geo->updateSettings();
}

void TestGeoCalc::workedExample_data()
{
    QTest::addColumn<bool>("design");
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("east");
    QTest::addColumn<double>("north");
    QTest::addColumn<double>("height");
    auto row = [](const char *tag, bool design, double pitch, double yaw, double roll, double east,
                  double north, double height) {
        QTest::newRow(tag) << design << pitch << yaw << roll << east << north << height;
    };
    row("level", false, 0, 0, 0, 500000.0000, 6000000.0300, 99.8310);
    row("pitch 10", false, 10, 0, 0, 500000.0000, 6000000.0589, 99.8388);
    row("yaw 90: heading east, camera east", false, 0, 90, 0, 500000.0300, 6000000.0, 99.8310);
    row("roll 10: right wing down, camera left", false, 0, 0, 10, 499999.9707, 6000000.0300,
        99.8336);
    row("all three", false, -12.3, 47.5, 3.2, 499999.9887, 6000000.0025, 99.8287);
    row("all three, backwards", false, 5, -135, -4, 499999.9601, 5999999.9768, 99.8347);
    // The earlier formula, one switch away, gives what it always gave.
    row("design level", true, 0, 0, 0, 500000.000, 6000000.030, 99.831);
    row("design pitch 10", true, 10, 0, 0, 500000.000, 6000000.0589, 99.8388);
    row("design yaw 90", true, 0, 90, 0, 499999.970, 6000000.000, 99.831);
    row("design roll 10", true, 0, 0, 10, 500000.0293, 6000000.030, 99.8336);
    row("design all three", true, -12.3, 47.5, 3.2, 500000.0114, 6000000.0025, 99.8288);
}

void TestGeoCalc::workedExample()
{
    QFETCH(bool, design);
    QFETCH(double, pitch);
    QFETCH(double, yaw);
    QFETCH(double, roll);
    QFETCH(double, east);
    QFETCH(double, north);
    QFETCH(double, height);
    QSettings s;
    Keys::LeverArmDesign.write(s, design);
    s.sync();
    m_geo->updateSettings();
    // On the central meridian of zone 33, where grid north is true north.
    const UtmPoint p =
        m_geo->applyAntennaOffset({500000.0, 6000000.0, 100.0, 33}, pitch, yaw, roll);
    QVERIFY2(std::abs(p.x - east) < 0.5e-4, qPrintable(QString::number(p.x, 'f', 6)));
    QVERIFY2(std::abs(p.y - north) < 0.5e-4, qPrintable(QString::number(p.y, 'f', 6)));
    QVERIFY2(std::abs(p.z - height) < 0.5e-4, qPrintable(QString::number(p.z, 'f', 6)));
    QCOMPARE(p.zone, 33);
    if (design) {
        double dE, dN, dH;
        ReferenceGeometry::designLeverArm(pitch, yaw, roll, &dE, &dN, &dH);
        QCOMPARE(p.x, 500000.0 + dE);
        QCOMPARE(p.y, 6000000.0 + dN);
        QCOMPARE(p.z, 100.0 + dH);
    }
}

void TestGeoCalc::eachAxisAlone_data()
{
    // Arm A 30, B 20, Z -169 mm: the camera ahead of, right of and below the antenna.
    QTest::addColumn<double>("pitch");
    QTest::addColumn<double>("yaw");
    QTest::addColumn<double>("roll");
    QTest::addColumn<double>("dEast");
    QTest::addColumn<double>("dNorth");
    QTest::addColumn<double>("dHeight");
    QTest::newRow("nose up 90") << 90.0 << 0.0 << 0.0 << 0.020 << 0.169 << 0.030;
    QTest::newRow("nose down 90") << -90.0 << 0.0 << 0.0 << 0.020 << -0.169 << -0.030;
    QTest::newRow("heading east") << 0.0 << 90.0 << 0.0 << 0.030 << -0.020 << -0.169;
    QTest::newRow("heading west") << 0.0 << -90.0 << 0.0 << -0.030 << 0.020 << -0.169;
    QTest::newRow("right wing down 90") << 0.0 << 0.0 << 90.0 << -0.169 << 0.030 << -0.020;
    QTest::newRow("left wing down 90") << 0.0 << 0.0 << -90.0 << 0.169 << 0.030 << 0.020;
}

void TestGeoCalc::eachAxisAlone()
{
    QFETCH(double, pitch);
    QFETCH(double, yaw);
    QFETCH(double, roll);
    QFETCH(double, dEast);
    QFETCH(double, dNorth);
    QFETCH(double, dHeight);
    QSettings s;
    Keys::OffsetY.write(s, 20);
    s.sync();
    m_geo->updateSettings();
    const UtmPoint p =
        m_geo->applyAntennaOffset({500000.0, 6000000.0, 100.0, 33}, pitch, yaw, roll);
    QVERIFY2(std::abs(p.x - 500000.0 - dEast) < 1e-9, qPrintable(QString::number(p.x, 'f', 6)));
    QVERIFY2(std::abs(p.y - 6000000.0 - dNorth) < 1e-9, qPrintable(QString::number(p.y, 'f', 6)));
    QVERIFY2(std::abs(p.z - 100.0 - dHeight) < 1e-9, qPrintable(QString::number(p.z, 'f', 6)));
}

void TestGeoCalc::randomAttitudes()
{
    QRandomGenerator random(12);
    for (int i = 0; i < 500; ++i) {
        const int a = random.bounded(-2000, 2001), b = random.bounded(-2000, 2001),
                  z = random.bounded(-2000, 2001);
        // Angles as the photos give them, in single precision.
        const double pitch = double(float(random.bounded(180.0) - 90.0));
        const double yaw = double(float(random.bounded(360.0) - 180.0));
        const double roll = double(float(random.bounded(360.0) - 180.0));
        QSettings s;
        Keys::OffsetX.write(s, a);
        Keys::OffsetY.write(s, b);
        Keys::OffsetZ.write(s, z);
        s.sync();
        m_geo->updateSettings();
        double dE, dN, dH;
        ReferenceGeometry::leverArm(pitch, yaw, roll, &dE, &dN, &dH, a / 1000.0, b / 1000.0,
                                    z / 1000.0);
        const UtmPoint p =
            m_geo->applyAntennaOffset({500000.0, 6000000.0, 100.0, 33}, pitch, yaw, roll);
        const QByteArray where =
            QString::asprintf("arm %d %d %d, attitude %g %g %g", a, b, z, pitch, yaw, roll)
                .toUtf8();
        QVERIFY2(std::abs(p.x - (500000.0 + dE)) < 1e-9, where.constData());
        QVERIFY2(std::abs(p.y - (6000000.0 + dN)) < 1e-9, where.constData());
        QVERIFY2(std::abs(p.z - (100.0 + dH)) < 1e-9, where.constData());
    }
}

void TestGeoCalc::noConvergence_data()
{
    QTest::addColumn<double>("east");
    QTest::addColumn<double>("north");
    QTest::addColumn<int>("zone");
    QTest::newRow("central meridian, 54N") << 500000.0 << 6000000.0 << 33;
    QTest::newRow("central meridian, 80N") << 500000.0 << 8900000.0 << 60;
    QTest::newRow("central meridian, southern zone") << 500000.0 << 4000000.0 << -1;
    QTest::newRow("central meridian, south in a northern zone") << 500000.0 << -3000000.0 << 31;
    QTest::newRow("equator off the meridian") << 300000.0 << 0.0 << 31;
    QTest::newRow("zone unknown") << 700000.0 << 6600000.0 << 0;
}

void TestGeoCalc::noConvergence()
{
    QFETCH(double, east);
    QFETCH(double, north);
    QFETCH(int, zone);
    QVERIFY(std::abs(m_geo->gridConvergence({east, north, 0.0, zone})) < 1e-9);
}

void TestGeoCalc::offsetLandsAtTrueAzimuth_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("lat");
    QTest::addColumn<QString>("form");
    // Near the edges of zone 31 (0..6 E) at 60 degrees the convergence is 2.5 degrees.
    QTest::newRow("60N, east edge") << 5.97 << 60.0 << "north";
    QTest::newRow("60N, west edge") << 0.03 << 60.0 << "north";
    QTest::newRow("60S, northern zone") << 5.97 << -60.0 << "north";
    QTest::newRow("60S, southern zone") << 0.03 << -60.0 << "south";
    QTest::newRow("60N, metric row, zone from the settings") << 5.97 << 60.0 << "setting";
}

void TestGeoCalc::offsetLandsAtTrueAzimuth()
{
    QFETCH(double, lon);
    QFETCH(double, lat);
    QFETCH(QString, form);
    const double pitch = 8.0, yaw = 70.0, roll = -6.0;
    QSettings s;
    Keys::OffsetX.write(s, 300);
    Keys::OffsetY.write(s, -150);
    Keys::OffsetZ.write(s, -400);
    Keys::CoordinateUtmZone.write(s, form == "setting" ? 31 : 0);
    s.sync();
    m_geo->updateSettings();

    UtmPoint antenna = m_geo->geoToUtm(lon, lat, 50.0);
    QCOMPARE(antenna.zone, 31);
    int inverseZone = 31;
    if (form == "south") {
        antenna.y += 10000000.0;
        antenna.zone = inverseZone = -31;
    } else if (form == "setting") {
        antenna.zone = 0;
    }
    QVERIFY(std::abs(m_geo->gridConvergence(antenna)) > 2.4);
    const UtmPoint camera = m_geo->applyAntennaOffset(antenna, pitch, yaw, roll);
    const GeoPoint reached = m_geo->utmToGeo(camera.x, camera.y, inverseZone, camera.z);

    double dE, dN, dH;
    ReferenceGeometry::leverArm(pitch, yaw, roll, &dE, &dN, &dH, 0.300, -0.150, -0.400);
    geod_geodesic wgs84;
    geod_init(&wgs84, 6378137.0, 1 / 298.257223563);
    double expectedLat = 0, expectedLon = 0, miss = 0;
    geod_direct(&wgs84, lat, lon, std::atan2(dE, dN) * 180.0 / M_PI, std::hypot(dE, dN),
                &expectedLat, &expectedLon, nullptr);
    geod_inverse(&wgs84, reached.lat, reached.lon, expectedLat, expectedLon, &miss, nullptr,
                 nullptr);
    QVERIFY2(miss < 1e-4, qPrintable(QStringLiteral("%1 mm off").arg(miss * 1000.0)));
    QVERIFY(std::abs(camera.z - (50.0 + dH)) < 1e-9);
}

void TestGeoCalc::offsetsAreMillimetresInTheStore()
{
    QCOMPARE(m_geo->offsetX(), 0.030);
    QCOMPARE(m_geo->offsetY(), 0.0);
    QCOMPARE(m_geo->offsetZ(), -0.169);
    {
        QSettings s;
        Keys::OffsetX.write(s, 0);
        Keys::OffsetY.write(s, 250);
        Keys::OffsetZ.write(s, -1);
        s.sync();
    }
    m_geo->updateSettings();
    QCOMPARE(m_geo->offsetY(), 0.25);
    QCOMPARE(m_geo->offsetZ(), -0.001);
    // A body y offset lands on the easting when level.
    const UtmPoint p = m_geo->applyAntennaOffset({500000.0, 6000000.0, 30.0, 5}, 0, 0, 0);
    QCOMPARE(p.x, 500000.25);
    QCOMPARE(p.y, 6000000.0);
    QCOMPARE(p.z, 29.999);
}

void TestGeoCalc::notReadyGivesZeros()
{
    GeoCalc geo(true);
    geo.updateSettings();
    QVERIFY(!geo.isReady());
    QVERIFY(geo.errorText().isEmpty());
    QCOMPARE(geo.offsetX(), 0.030); // read, but not applied while not ready

    const UtmPoint off = geo.applyAntennaOffset({500000.0, 6000000.0, 100.0, 31}, 1, 2, 3);
    QCOMPARE(off.x, 0.0);
    QCOMPARE(off.y, 0.0);
    QCOMPARE(off.z, 0.0);
    QCOMPARE(off.zone, 0);
    QCOMPARE(geo.gridConvergence({700000.0, 6600000.0, 0.0, 31}), 0.0);
    const UtmPoint u = geo.geoToUtm(3.0, 51.0, 10.0);
    QVERIFY(u.x == 0.0 && u.y == 0.0 && u.z == 0.0 && u.zone == 0);
    const GeoPoint g = geo.utmToGeo(500000.0, 5650000.0, 31, 10.0);
    QVERIFY(g.lon == 0.0 && g.lat == 0.0 && g.h == 0.0);

    geo.release(); // harmless on a never-initialised object
    QVERIFY(geo.initialize());
    QVERIFY(geo.isReady());
    geo.release();
    QVERIFY(!geo.isReady());
    QCOMPARE(geo.geoToUtm(3.0, 51.0, 10.0).zone, 0);
}

void TestGeoCalc::zoneOf_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<int>("zone");
    QTest::newRow("3") << 3.0 << 31;
    QTest::newRow("-0.5") << -0.5 << 30;
    QTest::newRow("-6.5") << -6.5 << 29;
    QTest::newRow("-180") << -180.0 << 1;
    QTest::newRow("179.99") << 179.99 << 60;
    QTest::newRow("180, the meridian of -180") << 180.0 << 60;
    QTest::newRow("0") << 0.0 << 31;
    QTest::newRow("-180.5") << -180.5 << 0;
    QTest::newRow("nan") << qQNaN() << 0;
    QTest::newRow("inf") << qInf() << 0;
}

void TestGeoCalc::zoneOf()
{
    QFETCH(double, lon);
    QFETCH(int, zone);
    QCOMPARE(GeoCalc::zoneOf(lon), zone);
}

void TestGeoCalc::geoToUtmZoneRule_data()
{
    QTest::addColumn<double>("lon");
    QTest::addColumn<int>("zone");
    QTest::newRow("3") << 3.0 << 31;
    QTest::newRow("-0.5") << -0.5 << 30;
    QTest::newRow("-6.5") << -6.5 << 29;
    QTest::newRow("-180") << -180.0 << 1;
    QTest::newRow("179.99") << 179.99 << 60;
    QTest::newRow("180, the meridian of -180") << 180.0 << 60;
    QTest::newRow("-181 refused") << -181.0 << 0;
}

void TestGeoCalc::geoToUtmZoneRule()
{
    QFETCH(double, lon);
    QFETCH(int, zone);
    const UtmPoint p = m_geo->geoToUtm(lon, 47.0, 123.456);
    QCOMPARE(p.zone, zone);
    if (zone == 0) {
        QVERIFY(p.x == 0.0 && p.y == 0.0 && p.z == 0.0);
        return;
    }
    QCOMPARE(p.z, 123.456); // the height never enters PROJ
    QVERIFY(p.x > 160000.0 && p.x < 840000.0);
    const GeoPoint back = m_geo->utmToGeo(p);
    QVERIFY(std::abs(std::remainder(back.lon - lon, 360.0)) < 1e-9); // 180 may come back as -180
    QVERIFY(std::abs(back.lat - 47.0) < 1e-9);
    QCOMPARE(back.h, 123.456);
}

void TestGeoCalc::southernPointUsesNorthernZone()
{
    const UtmPoint p = m_geo->geoToUtm(18.4, -33.0, 5.0);
    QCOMPARE(p.zone, 34);
    QVERIFY(p.y < 0.0);
    QVERIFY(std::abs(p.y - -3652000.0) < 5000.0);
    const GeoPoint back = m_geo->utmToGeo(p.x, p.y, p.zone, 5.0);
    QVERIFY(std::abs(back.lon - 18.4) < 1e-9);
    QVERIFY(std::abs(back.lat - -33.0) < 1e-9);
    QCOMPARE(back.h, 5.0);
}

void TestGeoCalc::southernZonesInverse()
{
    // The southern CRS differs from the northern one only by its false northing.
    for (int zone : {1, 2, 34, 60}) {
        const double lon = -183.0 + 6.0 * zone + 1.25;
        const UtmPoint p = m_geo->geoToUtm(lon, -20.0, 0.0);
        QCOMPARE(p.zone, zone);
        const GeoPoint back = m_geo->utmToGeo(p.x, p.y + 10000000.0, -zone, 7.0);
        QVERIFY2(std::abs(back.lon - lon) < 1e-9, qPrintable(QString::number(zone)));
        QVERIFY(std::abs(back.lat - -20.0) < 1e-9);
        QCOMPARE(back.h, 7.0);
    }
}

void TestGeoCalc::utmToGeoRefusedZones_data()
{
    QTest::addColumn<int>("zone");
    QTest::newRow("61") << 61;
    QTest::newRow("-61") << -61;
    QTest::newRow("0 unknown") << 0;
}

void TestGeoCalc::utmToGeoRefusedZones()
{
    QFETCH(int, zone);
    const GeoPoint g = m_geo->utmToGeo(500000.0, 6000000.0, zone, 99.0);
    QCOMPARE(g.lon, 0.0);
    QCOMPARE(g.lat, 0.0);
    QCOMPARE(g.h, 0.0);
}

void TestGeoCalc::nonFiniteInputGivesZeros()
{
    const UtmPoint u = m_geo->geoToUtm(3.0, qQNaN(), 1.0);
    QVERIFY(u.x == 0.0 && u.y == 0.0 && u.zone == 0);
    // Beyond the pole PROJ has no answer; that must not come out as a position.
    const UtmPoint pole = m_geo->geoToUtm(3.0, 95.0, 1.0);
    QVERIFY(pole.x == 0.0 && pole.y == 0.0 && pole.zone == 0);
    const GeoPoint g = m_geo->utmToGeo(qInf(), 6000000.0, 31, 1.0);
    QVERIFY(g.lon == 0.0 && g.lat == 0.0 && g.h == 0.0);
}

void TestGeoCalc::databaseSearch_data()
{
    QTest::addColumn<QString>("link");
    QTest::addColumn<QString>("cwd");
    QTest::newRow("beside the build tree") << "proj.db"
                                           << "sub";
    QTest::newRow("in the working directory") << "sub/proj.db"
                                              << "sub";
}

void TestGeoCalc::databaseSearch()
{
    QFETCH(QString, link);
    QFETCH(QString, cwd);
    const QString systemDb = QStringLiteral("/usr/share/proj/proj.db");
    if (!QFile::exists(systemDb))
        QSKIP("no system PROJ database to point at");
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("empty/deeper")));
    QVERIFY(QFile::link(systemDb, dir.filePath(link)));

    EnvGuard data("PROJ_DATA");
    EnvGuard lib("PROJ_LIB");
    CwdGuard cwdGuard;
    // PROJ's own search would come up empty, so only the relative path can succeed.
    qputenv("PROJ_DATA", dir.filePath(QStringLiteral("empty")).toLocal8Bit());
    qputenv("PROJ_LIB", dir.filePath(QStringLiteral("empty")).toLocal8Bit());
    QVERIFY(QDir::setCurrent(dir.filePath(cwd)));

    GeoCalc geo;
    QVERIFY2(geo.isReady(), qPrintable(geo.errorText()));
    // A thread's first conversion must not depend on the directory the program is in by then.
    QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("empty/deeper"))));
    GeoPoint fromThread;
    std::thread([&] { fromThread = geo.utmToGeo(geo.geoToUtm(3.0, 51.0, 0.0)); }).join();
    QVERIFY(std::abs(fromThread.lat - 51.0) < 1e-9);
}

void TestGeoCalc::databaseMissing()
{
    QTemporaryDir dir;
    QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("sub")));
    EnvGuard data("PROJ_DATA");
    EnvGuard lib("PROJ_LIB");
    CwdGuard cwdGuard;
    qputenv("PROJ_DATA", dir.path().toLocal8Bit());
    qputenv("PROJ_LIB", dir.path().toLocal8Bit());
    QVERIFY(QDir::setCurrent(dir.filePath(QStringLiteral("sub"))));

    GeoCalc geo(true);
    QSignalSpy spy(&geo, &GeoCalc::PJ_Init_Error);
    QVERIFY(!geo.initialize());
    QVERIFY(!geo.isReady());
    QCOMPARE(geo.errorText(), QStringLiteral("Cannot find proj DB"));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toString(), QStringLiteral("Cannot find proj DB"));
    QCOMPARE(geo.geoToUtm(3.0, 51.0, 1.0).zone, 0);
}

void TestGeoCalc::reinitialize()
{
    GeoCalc geo;
    QVERIFY(geo.isReady());
    const UtmPoint first = geo.geoToUtm(-71.0, -40.0, 2.0);
    QVERIFY(geo.initialize());
    const UtmPoint second = geo.geoToUtm(-71.0, -40.0, 2.0);
    QCOMPARE(second.x, first.x);
    QCOMPARE(second.y, first.y);
    QCOMPARE(second.zone, 19);
}

void TestGeoCalc::twoThreadsAtOnce()
{
    struct Case
    {
        double lon, lat;
        UtmPoint utm;
        GeoPoint back;
        UtmPoint offset;
    };
    std::vector<Case> cases;
    for (int i = 0; i < 3000; ++i) {
        Case c;
        c.lon = -179.5 + std::fmod(i * 7.31, 359.0);
        c.lat = -80.0 + std::fmod(i * 3.17, 164.0);
        c.utm = m_geo->geoToUtm(c.lon, c.lat, i);
        c.back = m_geo->utmToGeo(c.utm);
        c.offset = m_geo->applyAntennaOffset(c.utm, 1.0, 2.0, 3.0);
        QVERIFY(c.utm.zone >= 1 && c.utm.zone <= 60);
        cases.push_back(c);
    }
    QSemaphore go;
    auto work = [&](int first, int *mismatches) {
        go.acquire();
        for (int round = 0; round < 3; ++round) {
            for (size_t n = 0; n < cases.size(); ++n) {
                const Case &c = cases[(n + first) % cases.size()];
                const UtmPoint u = m_geo->geoToUtm(c.lon, c.lat, c.utm.z);
                const GeoPoint g = m_geo->utmToGeo(u);
                const UtmPoint o = m_geo->applyAntennaOffset(u, 1.0, 2.0, 3.0);
                if (u.x != c.utm.x || u.y != c.utm.y || u.zone != c.utm.zone ||
                    g.lon != c.back.lon || g.lat != c.back.lat || o.x != c.offset.x ||
                    o.y != c.offset.y || o.zone != u.zone)
                    ++*mismatches;
            }
        }
    };
    int mismatchesA = 0;
    int mismatchesB = 0;
    // std::thread rather than QThread: its join is visible to the thread sanitizer.
    std::thread a(work, 0, &mismatchesA);
    std::thread b(work, 1500, &mismatchesB);
    go.release(3);
    int mismatchesHere = 0; // the window converting on its own thread meanwhile
    work(700, &mismatchesHere);
    a.join();
    b.join();
    QCOMPARE(mismatchesA, 0);
    QCOMPARE(mismatchesB, 0);
    QCOMPARE(mismatchesHere, 0);
    // The threads are gone, their PROJ objects with them, and the object still works.
    QCOMPARE(m_geo->geoToUtm(cases[5].lon, cases[5].lat, 0).x, cases[5].utm.x);
}

void TestGeoCalc::agreesWithCs2cs()
{
    const QString cs2cs = QStandardPaths::findExecutable(QStringLiteral("cs2cs"));
    if (cs2cs.isEmpty())
        QSKIP("cs2cs (proj-bin) is not installed");

    const double lats[] = {-79.5, -45.25, -0.5, 0.5, 33.3, 83.5};
    const double lonOffsets[] = {-2.999, 0.0, 1.7, 2.999};
    QVector<QVector<GridPoint>> zones(60);
    for (int zone = 1; zone <= 60; ++zone) {
        const double centre = -183.0 + 6.0 * zone;
        for (double lat : lats)
            for (double dlon : lonOffsets)
                zones[zone - 1].append({zone, centre + dlon, lat});
    }

    // One cs2cs per target CRS (it cannot switch CRS per line), a few running at a time. The
    // southern CRSs are asked only for a few zones; elsewhere they are checked through their
    // definition: the northern projection plus a false northing of 10000 km.
    const QList<int> southernAsked = {1, 2, 31, 60};
    QVector<int> targets;
    for (int zone = 1; zone <= 60; ++zone)
        targets.append(zone);
    for (int zone : southernAsked)
        targets.append(-zone);
    QHash<int, QStringList> answers;
    constexpr int parallel = 8;
    for (int first = 0; first < targets.size(); first += parallel) {
        std::vector<std::pair<int, std::unique_ptr<QProcess>>> procs;
        for (int i = first; i < first + parallel && i < targets.size(); ++i) {
            const int target = targets[i];
            auto proc = std::make_unique<QProcess>();
            const QString crs = QStringLiteral("EPSG:%1%2")
                                    .arg(target < 0 ? 327 : 326)
                                    .arg(std::abs(target), 2, 10, QLatin1Char('0'));
            proc->start(cs2cs, {QStringLiteral("-d"), QStringLiteral("9"),
                                QStringLiteral("EPSG:4326"), crs});
            QByteArray input;
            for (const GridPoint &p : zones[std::abs(target) - 1])
                input += QByteArray::number(p.lat, 'f', 9) + ' ' +
                         QByteArray::number(p.lon, 'f', 9) + " 0\n";
            proc->write(input);
            proc->closeWriteChannel();
            procs.emplace_back(target, std::move(proc));
        }
        for (auto &[target, proc] : procs) {
            QVERIFY(proc->waitForFinished(30000));
            QCOMPARE(proc->exitCode(), 0);
            answers[target] = QString::fromLatin1(proc->readAllStandardOutput())
                                  .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        }
    }
    const QRegularExpression blanks(QStringLiteral("\\s+"));
    auto eastNorth = [&](int target, int i) {
        const QStringList fields = answers[target].value(i).split(blanks, Qt::SkipEmptyParts);
        return fields.size() >= 2 ? std::make_pair(fields[0].toDouble(), fields[1].toDouble())
                                  : std::make_pair(qQNaN(), qQNaN());
    };

    int checked = 0;
    for (int zone = 1; zone <= 60; ++zone) {
        const QVector<GridPoint> &points = zones[zone - 1];
        QCOMPARE(answers[zone].size(), points.size());
        for (int i = 0; i < points.size(); ++i) {
            const GridPoint &p = points[i];
            const QString where =
                QStringLiteral("zone %1 lon %2 lat %3").arg(zone).arg(p.lon).arg(p.lat);
            const auto [east, northing] = eastNorth(zone, i);

            const UtmPoint u = m_geo->geoToUtm(p.lon, p.lat, 0.0);
            QCOMPARE(u.zone, zone);
            QVERIFY2(std::abs(u.x - east) < 1e-3, qPrintable(where));
            QVERIFY2(std::abs(u.y - northing) < 1e-3, qPrintable(where));

            const GeoPoint back = m_geo->utmToGeo(east, northing, zone, 0.0);
            QVERIFY2(std::abs(back.lon - p.lon) < 1e-9, qPrintable(where));
            QVERIFY2(std::abs(back.lat - p.lat) < 1e-9, qPrintable(where));

            double southEast = east;
            double southNorth = northing + 10000000.0;
            if (southernAsked.contains(zone)) {
                std::tie(southEast, southNorth) = eastNorth(-zone, i);
                QVERIFY2(std::abs(southNorth - (northing + 10000000.0)) < 1e-3, qPrintable(where));
            }
            const GeoPoint fromSouth = m_geo->utmToGeo(southEast, southNorth, -zone, 0.0);
            QVERIFY2(std::abs(fromSouth.lon - p.lon) < 1e-9, qPrintable(where));
            QVERIFY2(std::abs(fromSouth.lat - p.lat) < 1e-9, qPrintable(where));

            const GeoPoint round = m_geo->utmToGeo(u);
            QVERIFY2(std::abs(round.lon - p.lon) < 1e-9 && std::abs(round.lat - p.lat) < 1e-9,
                     qPrintable(where));
            ++checked;
        }
    }
    QCOMPARE(checked, 60 * 6 * 4);
}

QTEST_GUILESS_MAIN(TestGeoCalc)
#include "testgeocalc.moc"
