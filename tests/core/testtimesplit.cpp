#include "blocks/timesplit.h"
#include "testenv.h"

#include <QTemporaryDir>
#include <QtTest>

using Ranges = QList<QPair<int, int>>;
Q_DECLARE_METATYPE(Ranges)

class TestTimeSplit : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cuts_data();
    void cuts();

private:
    QTemporaryDir m_dir;
};

void TestTimeSplit::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestTimeSplit::cuts_data()
{
    QTest::addColumn<QList<int>>("offsets"); // seconds after 10:00:00
    QTest::addColumn<int>("threshold");
    QTest::addColumn<QList<int>>("expectedCuts");
    QTest::addColumn<Ranges>("expectedPieces");
    QTest::newRow("one gap") << QList<int>{0, 5, 120, 124} << 60 << QList<int>{2} << Ranges{{2, 3}};
    QTest::newRow("exactly the threshold cuts")
        << QList<int>{0, 60} << 60 << QList<int>{1} << Ranges{{1, 1}};
    QTest::newRow("just below does not") << QList<int>{0, 59} << 60 << QList<int>{} << Ranges{};
    QTest::newRow("time going back")
        << QList<int>{100, 101, 40, 41} << 60 << QList<int>{2} << Ranges{{2, 3}};
    QTest::newRow("two gaps") << QList<int>{0, 2, 100, 102, 300, 302} << 60 << QList<int>{2, 4}
                              << Ranges{{2, 3}, {4, 5}};
    QTest::newRow("no gap") << QList<int>{0, 2, 4, 6} << 60 << QList<int>{} << Ranges{};
    QTest::newRow("threshold 0 cuts everywhere")
        << QList<int>{0, 2, 4} << 0 << QList<int>{0, 1, 2} << Ranges{{0, 0}, {1, 1}, {2, 2}};
    QTest::newRow("no photos") << QList<int>{} << 60 << QList<int>{} << Ranges{};
}

void TestTimeSplit::cuts()
{
    QFETCH(QList<int>, offsets);
    QFETCH(int, threshold);
    QList<QDateTime> times;
    const QDateTime start(QDate(2024, 5, 17), QTime(10, 0, 0));
    for (int s : offsets)
        times << start.addSecs(s);
    const QList<int> found = TimeSplit::cuts(times, quint16(threshold));
    QTEST(found, "expectedCuts");
    QTEST(TimeSplit::pieces(found, times.size()), "expectedPieces");
}

QTEST_GUILESS_MAIN(TestTimeSplit)
#include "testtimesplit.moc"
