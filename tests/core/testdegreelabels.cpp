#include "geo/degreelabels.h"

#include <QtTest>

#include <cmath>

using Labels = QMap<double, QString>;

class TestDegreeLabels : public QObject
{
    Q_OBJECT
private slots:
    void build_data();
    void build();
};

void TestDegreeLabels::build_data()
{
    QTest::addColumn<QVector<double>>("metres");
    QTest::addColumn<QVector<double>>("degrees");
    QTest::addColumn<Labels>("labels");
    QTest::newRow("none") << QVector<double>{} << QVector<double>{} << Labels{};
    QTest::newRow("first, then past the step")
        << QVector<double>{0, 10, 20, 30, 50}
        << QVector<double>{54.1, 54.10015, 54.10021, 54.1003, 54.1005}
        << Labels{{0, "54.100000"}, {20, "54.100210"}, {50, "54.100500"}};
    QTest::newRow("walked by degree, not by row")
        << QVector<double>{50, 20, 0, 30, 10}
        << QVector<double>{54.1005, 54.10021, 54.1, 54.1003, 54.10015}
        << Labels{{0, "54.100000"}, {20, "54.100210"}, {50, "54.100500"}};
    QTest::newRow("the step counts from the last label, not the last row")
        << QVector<double>{0, 1, 2, 3} << QVector<double>{27.0, 27.00015, 27.00025, 27.00035}
        << Labels{{0, "27.000000"}, {2, "27.000250"}};
    QTest::newRow("no number is no label")
        << QVector<double>{qQNaN(), 5, 7} << QVector<double>{1.0, qInf(), 2.0}
        << Labels{{7, "2.000000"}};
}

void TestDegreeLabels::build()
{
    QFETCH(QVector<double>, metres);
    QFETCH(QVector<double>, degrees);
    QFETCH(Labels, labels);
    QCOMPARE(DegreeLabels::build(metres, degrees), labels);
}

QTEST_GUILESS_MAIN(TestDegreeLabels)
#include "testdegreelabels.moc"
