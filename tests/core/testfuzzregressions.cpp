#include "fuzzpaths.h"
#include "geo/geocalc.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

// Replays every input the fuzz targets found troublesome through the very road the target
// drives it along (tests/data/regressions/<target>/), so a fix cannot quietly come undone.
class TestFuzzRegressions : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void replay_data();
    void replay();

private:
    QTemporaryDir m_dir;
    GeoCalc *m_geoCalc = nullptr;
};

void TestFuzzRegressions::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geoCalc = new GeoCalc(false, this);
    QVERIFY2(m_geoCalc->isReady(), qPrintable(m_geoCalc->errorText()));
}

void TestFuzzRegressions::replay_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("path");
    const QDir root(QStringLiteral(KESTRIX_REGRESSIONS_DIR));
    for (const QString &road : {"timemarks", "photo", "geotag"}) {
        const QDir dir(root.filePath(road));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name))
            QTest::newRow(qPrintable(road + QLatin1Char('/') + name)) << road << dir.filePath(name);
    }
}

void TestFuzzRegressions::replay()
{
    QFETCH(QString, road);
    QFETCH(QString, path);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    const QString scratch = m_dir.filePath(QStringLiteral("scratch"));
    QVERIFY(QDir().mkpath(scratch));
    QString summary;
    QStringList broken;
    if (road == QLatin1String("timemarks"))
        broken = FuzzPaths::timemarks(bytes, scratch, m_geoCalc, &summary);
    else if (road == QLatin1String("photo"))
        broken = FuzzPaths::photo(bytes, scratch, &summary);
    else
        broken = FuzzPaths::geotag(bytes, scratch, m_geoCalc, &summary);
    QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral("\n"))));
    QVERIFY(!summary.isEmpty());
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "testfuzzregressions.moc"
