#include "fuzzpaths.h"
#include "geo/geocalc.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QHash>
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

namespace {

// What became of an input once its fault was mended, where that says more than "no broken
// promise": a part of the road's one-line summary.
const QHash<QString, QString> &outcomes()
{
    static const QHash<QString, QString> table{
        // Exiv2 wrote no tag and reported success: the copy keeps the source's bytes and the
        // reason is named.
        {"geotag/app0-length-swallows-markers.jpg",
         "kept metadata: Exiv2 ERROR: 1 - the geotag is missing from the metadata Exiv2 wrote; "
         "placed as is"},
        // Exiv2 rewrote the TIFF in place inside the buffer it had opened as const; a copy
        // made from such a buffer must still come from the unchanged source.
        {"geotag/tiff-rewritten-in-place.tif", "geotagged in memory; placed geotagged"},
    };
    return table;
}

} // namespace

void TestFuzzRegressions::replay_data()
{
    QTest::addColumn<QString>("road");
    QTest::addColumn<QString>("path");
    QTest::addColumn<QString>("outcome");
    const QDir root(QStringLiteral(KESTRIX_REGRESSIONS_DIR));
    int rows = 0;
    for (const QString &road : QStringList{"timemarks", "photo", "geotag"}) {
        const QDir dir(root.filePath(road));
        for (const QString &name : dir.entryList(QDir::Files, QDir::Name)) {
            const QString key = road + QLatin1Char('/') + name;
            QTest::newRow(qPrintable(key)) << road << dir.filePath(name) << outcomes().value(key);
            ++rows;
        }
    }
    QVERIFY2(rows >= outcomes().size(), "a kept input is missing from tests/data/regressions");
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
    QFETCH(QString, outcome);
    QVERIFY2(summary.contains(outcome), qPrintable(summary));
}

QTEST_GUILESS_MAIN(TestFuzzRegressions)
#include "testfuzzregressions.moc"
