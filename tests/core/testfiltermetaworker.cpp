#include "blocks/filtermetaworker.h"
#include "testenv.h"

#include <QSignalSpy>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

#include <cmath>

namespace {

using Points = QList<QPointF>; // (east, north)

QList<Line> toRows(const Points &points)
{
    QList<Line> rows;
    for (const QPointF &p : points) {
        Line line;
        line.x = p.x();
        line.y = p.y();
        rows << line;
    }
    return rows;
}

Points straight(int count, double spacing)
{
    Points points;
    for (int i = 0; i < count; ++i)
        points << QPointF(500000.0, 6000000.0 + spacing * i);
    return points;
}

// Three points with the angle at the middle one given in degrees; legs of 10 m.
Points bend(double angle)
{
    const double turn = (180.0 - angle) * M_PI / 180.0;
    return {QPointF(500000.0, 6000000.0), QPointF(500000.0, 6000010.0),
            QPointF(500000.0 + 10.0 * std::sin(turn), 6000010.0 + 10.0 * std::cos(turn))};
}

struct Outcome
{
    QList<int> rows;
    QList<int> progress;
    bool finished = false;
};

Outcome run(const Points &points, int threshold, const QList<bool> &quarantine = {})
{
    FilterMetaWorker worker;
    QSignalSpy finished(&worker, &FilterMetaWorker::workFinished);
    QSignalSpy progress(&worker, &FilterMetaWorker::workProcess);
    worker.setData(toRows(points));
    worker.setValSS(threshold);
    worker.setQuarantine(quarantine);
    worker.doWork();
    Outcome outcome;
    outcome.finished = finished.count() == 1;
    if (outcome.finished)
        outcome.rows = finished.first().first().value<QList<int>>();
    for (const QList<QVariant> &args : progress)
        outcome.progress << args.first().toInt();
    return outcome;
}

} // namespace

class TestFilterMetaWorker : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void marks_data();
    void marks();
    void progressValues_data();
    void progressValues();
    void quarantinedRowStillSkipped();
    void straightAngleDespiteRounding();
    void stopsItsOwnThread();
    void stopRequest();

private:
    QTemporaryDir m_dir;
};

void TestFilterMetaWorker::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    QCOMPARE(FilterMetaWorker().valSS(), 30);
}

void TestFilterMetaWorker::marks_data()
{
    QTest::addColumn<Points>("points");
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("no rows") << Points() << 30 << QList<int>();
    QTest::newRow("one row") << straight(1, 10) << 30 << QList<int>();
    QTest::newRow("two rows") << straight(2, 10) << 30 << QList<int>();
    QTest::newRow("three rows, threshold 30") << straight(3, 10) << 30 << QList<int>{1};
    QTest::newRow("three rows, threshold 20 is not above 20")
        << straight(3, 10) << 20 << QList<int>();
    QTest::newRow("long run thins out")
        << straight(12, 5) << 30 << QList<int>{1, 2, 3, 4, 6, 7, 8, 9};
    QTest::newRow("angle 175 kept") << bend(175.0) << 30 << QList<int>();
    QTest::newRow("angle 177 marked") << bend(177.0) << 30 << QList<int>{1};
    QTest::newRow("right angle kept") << bend(90.0) << 30 << QList<int>();
    QTest::newRow("repeated point is no angle")
        << Points{QPointF(500000, 6000000), QPointF(500000, 6000005), QPointF(500000, 6000005)}
        << 30 << QList<int>();
    // Rows near the origin, where the missing row's (-1, -1) lies on the path's line.
    QTest::newRow("no phantom row past the end")
        << Points{QPointF(1.0, 1.0), QPointF(0.0, 0.0)} << 30 << QList<int>();
}

void TestFilterMetaWorker::marks()
{
    QFETCH(Points, points);
    QFETCH(int, threshold);
    QFETCH(QList<int>, expected);
    const Outcome outcome = run(points, threshold);
    QVERIFY(outcome.finished);
    QCOMPARE(outcome.rows, expected);
    QCOMPARE(outcome.progress.last(), 100);
}

void TestFilterMetaWorker::progressValues_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<QList<int>>("progress");
    QTest::newRow("none") << 0 << QList<int>{100};
    QTest::newRow("one") << 1 << QList<int>{0, 100};
    QTest::newRow("three") << 3 << QList<int>{0, 33, 66, 100};
    QTest::newRow("eight") << 8 << QList<int>{0, 12, 25, 37, 50, 62, 75, 87, 100};
}

void TestFilterMetaWorker::progressValues()
{
    QFETCH(int, count);
    QFETCH(QList<int>, progress);
    QCOMPARE(run(straight(count, 100), 30).progress, progress);
}

void TestFilterMetaWorker::quarantinedRowStillSkipped()
{
    // Threshold 25 on 10 m steps: row 1 is marked (10 + 10); row 2 then is measured from
    // row 0 (20 + 10), not from row 1, and stays.
    QCOMPARE(run(straight(4, 10), 25).rows, QList<int>{1});
    QCOMPARE(run(straight(4, 10), 25, {false, true, false, false}).rows, QList<int>());
    QCOMPARE(run(straight(4, 10), 50, {false, true, false, false}).rows, QList<int>{2});
}

void TestFilterMetaWorker::straightAngleDespiteRounding()
{
    const Points points{QPointF(500000.0, 6000000.0), QPointF(500000.1, 6000000.1),
                        QPointF(500000.2, 6000000.2)};
    auto distance = [&](int i, int j) {
        return std::hypot(points[i].x() - points[j].x(), points[i].y() - points[j].y());
    };
    const double a = distance(0, 2), b = distance(1, 2), c = distance(0, 1);
    if ((b * b + c * c - a * a) / (2 * b * c) >= -1.0)
        QSKIP("This machine's rounding gives a cosine within range for these points");
    QCOMPARE(run(points, 30).rows, QList<int>{1});
}

void TestFilterMetaWorker::stopsItsOwnThread()
{
    QThread thread;
    auto *worker = new FilterMetaWorker;
    worker->setData(toRows(straight(3, 10)));
    worker->moveToThread(&thread);
    connect(&thread, &QThread::started, worker, &FilterMetaWorker::doWork);
    // Received here, queued, as the table model receives it; a spy would record in the
    // worker's thread.
    QList<QList<int>> results;
    connect(worker, &FilterMetaWorker::workFinished, this,
            [&results](const QList<int> &rows) { results << rows; });
    thread.start();
    QVERIFY(thread.wait(5000)); // the pass ends the thread itself
    QTRY_COMPARE(results.size(), 1);
    QCOMPARE(results.first(), QList<int>{1});
    delete worker;
}

void TestFilterMetaWorker::stopRequest()
{
    FilterMetaWorker worker;
    QSignalSpy finished(&worker, &FilterMetaWorker::workFinished);
    QSignalSpy failed(&worker, &FilterMetaWorker::workFinishedFail);
    worker.setData(toRows(straight(5, 10)));
    worker.requestStop();
    worker.doWork();
    QCOMPARE(finished.count(), 0);
    QCOMPARE(failed.count(), 1);
    worker.setData(toRows(straight(5, 10))); // new inputs start a fresh pass
    worker.doWork();
    QCOMPARE(finished.count(), 1);
}

QTEST_GUILESS_MAIN(TestFilterMetaWorker)
#include "testfiltermetaworker.moc"
