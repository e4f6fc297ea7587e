#include "geo/geocalc.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QAbstractItemModelTester>
#include <QColor>
#include <QFont>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QVector<QString> *cells(const QString &text)
{
    return new QVector<QString>(text.split('|').toVector());
}

void fill(OpentTimeMarkTableModel &model, const QStringList &rows)
{
    QList<QVector<QString> *> list;
    for (const QString &row : rows)
        list << cells(row);
    model.appendRows(list);
}

QString rowText(const OpentTimeMarkTableModel &model, int row)
{
    return QStringList(model.rowCells(row).toList()).join('|');
}

void setMode(bool wgs84)
{
    QSettings s;
    Keys::CoordinateType.write(s, wgs84 ? Keys::CoordinateTypeWgs84 : 0);
}

} // namespace

class TestOpentTimeMarkTableModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void modelTester();
    void settersClampInsideOneReset_data();
    void settersClampInsideOneReset();
    void appendingAndColumnCount();
    void removeRowsUnsorted();
    void cellsAndEditing();
    void dragAndDrop();
    void headers();
    void backgroundColours_data();
    void backgroundColours();
    void joinCols_data();
    void joinCols();
    void toLinesFirstRowAndModes_data();
    void toLinesFirstRowAndModes();
    void toLinesReportsNonNumbers();
    void rowsThatAreNoPosition_data();
    void rowsThatAreNoPosition();
    void rowsAcrossTheAntimeridian();
    void firstDataRow_data();
    void firstDataRow();
    void degreesWithoutConverter();
    void degreesWithConverter();
    void modeIsReadWhenConverting();

private:
    QTemporaryDir m_dir;
    std::unique_ptr<GeoCalc> m_geo;
};

void TestOpentTimeMarkTableModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = std::make_unique<GeoCalc>();
    QVERIFY2(m_geo->isReady(), qPrintable(m_geo->errorText()));
}

void TestOpentTimeMarkTableModel::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

void TestOpentTimeMarkTableModel::modelTester()
{
    OpentTimeMarkTableModel model(m_geo.get());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    model.appendRow(cells("a|b|c"));
    fill(model, {"1|2|3|4|5", "6|7|8", "x|y|z|w"});
    model.setColX(2);
    model.setFirstRow(2);
    model.setData(model.index(1, 1), QStringLiteral("edited"));
    model.joinCols(0, 1);
    model.removeRows(QList<int>{0, 2});
    model.removeRow(0);
    model.clearRows();
    fill(model, {"p|q|r"});
    QCOMPARE(model.rowCount(), 1);
}

void TestOpentTimeMarkTableModel::settersClampInsideOneReset_data()
{
    QTest::addColumn<QString>("slot");
    QTest::addColumn<int>("value");
    QTest::addColumn<int>("stored");
    QTest::newRow("X negative kept") << "X" << -2 << -2;
    QTest::newRow("Y kept") << "Y" << 7 << 7;
    QTest::newRow("Z zero kept") << "Z" << 0 << 0;
    QTest::newRow("AccE clamped") << "AccE" << -1 << 0;
    QTest::newRow("AccN kept") << "AccN" << 9 << 9;
    QTest::newRow("AccZ clamped") << "AccZ" << -5 << 0;
    QTest::newRow("Date clamped") << "Date" << -1 << 0;
    QTest::newRow("first row 0 is 1") << "First" << 0 << 1;
    QTest::newRow("first row negative is 1") << "First" << -4 << 1;
    QTest::newRow("first row 3") << "First" << 3 << 3;
}

void TestOpentTimeMarkTableModel::settersClampInsideOneReset()
{
    QFETCH(QString, slot);
    QFETCH(int, value);
    QFETCH(int, stored);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"a|b|c"});
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    const QMap<QString, std::pair<void (OpentTimeMarkTableModel::*)(int),
                                  int (OpentTimeMarkTableModel::*)() const>>
        setters{
            {"X", {&OpentTimeMarkTableModel::setColX, &OpentTimeMarkTableModel::colX}},
            {"Y", {&OpentTimeMarkTableModel::setColY, &OpentTimeMarkTableModel::colY}},
            {"Z", {&OpentTimeMarkTableModel::setColZ, &OpentTimeMarkTableModel::colZ}},
            {"AccE", {&OpentTimeMarkTableModel::setAccE, &OpentTimeMarkTableModel::colAccE}},
            {"AccN", {&OpentTimeMarkTableModel::setAccN, &OpentTimeMarkTableModel::colAccN}},
            {"AccZ", {&OpentTimeMarkTableModel::setAccZ, &OpentTimeMarkTableModel::colAccZ}},
            {"Date", {&OpentTimeMarkTableModel::setColDate, &OpentTimeMarkTableModel::colDate}},
            {"First", {&OpentTimeMarkTableModel::setFirstRow, &OpentTimeMarkTableModel::firstRow}}};
    const auto pair = setters.value(slot);
    (model.*pair.first)(value);
    QCOMPARE((model.*pair.second)(), stored);
    QCOMPARE(reset.count(), 1);
    QCOMPARE(model.rowCount(), 1);
}

void TestOpentTimeMarkTableModel::appendingAndColumnCount()
{
    OpentTimeMarkTableModel model(m_geo.get());
    QSignalSpy inserted(&model, &QAbstractItemModel::rowsInserted);
    model.appendRow(cells("a|b|c|d|e"));
    QCOMPARE(inserted.count(), 1);
    QCOMPARE(inserted.last().at(1).toInt(), 0);
    QCOMPARE(inserted.last().at(2).toInt(), 0);
    fill(model, {"1|2|3|4|5|6|7", "1|2|3"});
    QCOMPARE(inserted.count(), 2);
    QCOMPARE(inserted.last().at(1).toInt(), 1);
    QCOMPARE(inserted.last().at(2).toInt(), 2);
    // The last appended row sets the column count, not the widest one.
    QCOMPARE(model.columnCount(), 3);
    QCOMPARE(model.data(model.index(1, 2)).toString(), QStringLiteral("3"));
    model.clearRows();
    QCOMPARE(model.rowCount(), 0);
    QCOMPARE(model.columnCount(), 3);
    model.appendRow(nullptr);
    QCOMPARE(model.rowCount(), 0);
}

void TestOpentTimeMarkTableModel::removeRowsUnsorted()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"r0|a|b", "r1|a|b", "r2|a|b", "r3|a|b", "r4|a|b", "r5|a|b", "r6|a|b"});
    QSignalSpy removed(&model, &QAbstractItemModel::rowsRemoved);
    QVERIFY(model.removeRows(QList<int>{5, 2, 3}));
    QCOMPARE(removed.count(), 3);
    QStringList left;
    for (int r = 0; r < model.rowCount(); ++r)
        left << model.rowCells(r).first();
    QCOMPARE(left, (QStringList{"r0", "r1", "r4", "r6"}));
    // Repeats and rows outside the table do not shift the aim.
    QVERIFY(model.removeRows(QList<int>{-1, 3, 3, 9, 1}));
    left.clear();
    for (int r = 0; r < model.rowCount(); ++r)
        left << model.rowCells(r).first();
    QCOMPARE(left, (QStringList{"r0", "r4"}));
    QVERIFY(model.removeRow(7));
    QCOMPARE(model.rowCount(), 2);
}

void TestOpentTimeMarkTableModel::cellsAndEditing()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"e|f|g", "a|b|c|d"});
    QCOMPARE(model.data(model.index(1, 3)).toString(), QStringLiteral("d"));
    QCOMPARE(model.data(model.index(0, 3), Qt::EditRole).toString(), QString());
    QVERIFY(model.data(model.index(0, 3)).isValid()); // empty text, not nothing
    QVERIFY(model.flags(model.index(0, 0)).testFlag(Qt::ItemIsEditable));

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(0, 1), QStringLiteral("F")));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(rowText(model, 0), QStringLiteral("e|F|g"));
    QVERIFY(!model.setData(model.index(0, 1), QStringLiteral("x"), Qt::DisplayRole));
    QVERIFY(!model.setData(model.index(0, 3), QStringLiteral("x"))); // no such cell
    QVERIFY(!model.setData(model.index(0, 1), QVariant()));          // a view clearing cells
    QCOMPARE(rowText(model, 0), QStringLiteral("e|F|g"));
}

void TestOpentTimeMarkTableModel::dragAndDrop()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"a|b|c"});
    QCOMPARE(model.supportedDropActions(), Qt::CopyAction | Qt::MoveAction);
    QMimeData mime;
    mime.setData(QStringLiteral("column"), "lbl_col_x");
    mime.setText(QStringLiteral("N"));
    QVERIFY(model.canDropMimeData(&mime, Qt::MoveAction, 0, 1, QModelIndex()));
    QVERIFY(model.dropMimeData(&mime, Qt::CopyAction, 0, 1, QModelIndex()));
    QCOMPARE(rowText(model, 0), QStringLiteral("a|b|c"));
    QCOMPARE(model.rowCount(), 1);
}

void TestOpentTimeMarkTableModel::headers()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"a|b|c|d|e|f|g|h", "a|b|c|d|e|f|g|h"});
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setAccN(5);
    model.setAccE(6);
    model.setAccZ(7);
    model.setFirstRow(2);
    auto header = [&](int section) { return model.headerData(section, Qt::Horizontal).toString(); };
    QStringList metric;
    for (int c = 0; c < 8; ++c)
        metric << header(c);
    QCOMPARE(metric, (QStringList{"Date", "North", "East", "Z", "sdN", "sdE", "sdH", ""}));
    setMode(true);
    QStringList degrees;
    for (int c = 0; c < 8; ++c)
        degrees << header(c);
    QCOMPARE(degrees, (QStringList{"Date", "Lat (N)", "Lon (E)", "H", "sdN", "sdE", "sdH", ""}));
    // A column with two roles shows the first in the order Date, X, Y, ...
    model.setColX(1);
    QCOMPARE(header(0), QStringLiteral("Date"));

    QCOMPARE(model.headerData(0, Qt::Vertical).toString(), QStringLiteral("1"));
    QCOMPARE(model.headerData(1, Qt::Vertical).toString(), QStringLiteral("\u27a4"));
    QVERIFY(model.headerData(1, Qt::Vertical, Qt::FontRole).value<QFont>().bold());
    QVERIFY(!model.headerData(0, Qt::Vertical, Qt::FontRole).isValid());
    QVERIFY(!model.headerData(0, Qt::Horizontal, Qt::ToolTipRole).isValid());
}

void TestOpentTimeMarkTableModel::backgroundColours_data()
{
    QTest::addColumn<int>("row");
    QTest::addColumn<int>("column");
    QTest::addColumn<QString>("colour");
    // Roles: X 1, Y 2, Z 3, AccE 4, AccN 5, AccZ 6, Date 7 and also 1; first row 2.
    QTest::newRow("above the first row") << 0 << 0 << "#ffffff";
    QTest::newRow("X odd row, wins over Date") << 1 << 0 << "#f0e77c";
    QTest::newRow("X even row") << 2 << 0 << "#fef483";
    QTest::newRow("Y") << 1 << 1 << "#7ee9e5";
    QTest::newRow("Z even") << 2 << 2 << "#ff97ad";
    QTest::newRow("AccE odd") << 1 << 3 << "#8da3f0";
    QTest::newRow("AccE even") << 2 << 3 << "#7587c7";
    QTest::newRow("AccN odd") << 1 << 4 << "#8df0a3";
    QTest::newRow("AccZ even") << 2 << 5 << "#a382b3";
    QTest::newRow("Date odd") << 1 << 6 << "#a2a2a2";
    QTest::newRow("Date even") << 2 << 6 << "#b4b4b4";
    QTest::newRow("no role odd") << 3 << 7 << "#d7d7d7";
    QTest::newRow("no role even") << 2 << 7 << "#ffffff";
}

void TestOpentTimeMarkTableModel::backgroundColours()
{
    QFETCH(int, row);
    QFETCH(int, column);
    QFETCH(QString, colour);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"a|b|c|d|e|f|g|h", "a|b|c|d|e|f|g|h", "a|b|c|d|e|f|g|h", "a|b|c|d|e|f|g|h"});
    model.setColX(1);
    model.setColDate(1);
    model.setColY(2);
    model.setColZ(3);
    model.setAccE(4);
    model.setAccN(5);
    model.setAccZ(6);
    model.setColDate(7);
    model.setFirstRow(2);
    const QVariant value = model.data(model.index(row, column), Qt::BackgroundRole);
    QCOMPARE(value.value<QColor>().name(), colour);
}

void TestOpentTimeMarkTableModel::joinCols_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("end");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("date and time") << QStringList{"2020/05/17|10:22:33.000|1|2|3"} << 0 << 1
                                   << QStringList{"2020/05/17 10:22:33.000 |1|2|3"};
    QTest::newRow("five cells, join 1 and 2")
        << QStringList{"a|b|c|d|e"} << 1 << 2 << QStringList{"a|b c |d|e"};
    QTest::newRow("range across three")
        << QStringList{"a|b|c|d|e"} << 1 << 4 << QStringList{"a|b c d e "};
    QTest::newRow("only existing cells")
        << QStringList{"a|b|c|d|e", "a|b|c"} << 1 << 3 << QStringList{"a|b c d |e", "a|b c "};
    QTest::newRow("row shorter than the start")
        << QStringList{"a|b|c|d|e", "a|b|c"} << 3 << 4 << QStringList{"a|b|c|d e ", "a|b|c"};
    QTest::newRow("reversed range") << QStringList{"a|b|c"} << 1 << 0 << QStringList{"a b |c"};
    QTest::newRow("single column gains the blank")
        << QStringList{"a|b|c"} << 1 << 1 << QStringList{"a|b |c"};
}

void TestOpentTimeMarkTableModel::joinCols()
{
    QFETCH(QStringList, rows);
    QFETCH(int, start);
    QFETCH(int, end);
    QFETCH(QStringList, expected);
    OpentTimeMarkTableModel model(m_geo.get());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    fill(model, rows);
    model.joinCols(start, end);
    QStringList result;
    for (int r = 0; r < model.rowCount(); ++r)
        result << rowText(model, r);
    QCOMPARE(result, expected);
    QCOMPARE(model.columnCount(), model.rowCells(model.rowCount() - 1).size());
}

void TestOpentTimeMarkTableModel::toLinesFirstRowAndModes_data()
{
    QTest::addColumn<int>("firstRow");
    QTest::addColumn<bool>("wgs84");
    QTest::addColumn<QStringList>("dates");
    QTest::newRow("first row 1") << 1 << false << QStringList{"h", "d1", "d2", "d3"};
    QTest::newRow("first row 0 stored as 1") << 0 << false << QStringList{"h", "d1", "d2", "d3"};
    QTest::newRow("first row 3") << 3 << false << QStringList{"d2", "d3"};
    QTest::newRow("first row past the end") << 9 << true << QStringList();
}

void TestOpentTimeMarkTableModel::toLinesFirstRowAndModes()
{
    QFETCH(int, firstRow);
    QFETCH(bool, wgs84);
    QFETCH(QStringList, dates);
    setMode(wgs84);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"h|N|E|H|sdN|sdE|sdH", "d1|6000000,5|500 000,25|100|0.01|0.02|0.03",
                 "d2|6000010|500010|101|0.01|0.02|0.03", "d3|6000020|500020|102|0.01|0.02|0.03"});
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setAccN(5);
    model.setAccE(6);
    model.setAccZ(7);
    model.setFirstRow(firstRow);
    const QList<Line> lines = model.toLines();
    QStringList got;
    for (const Line &line : lines)
        got << line.date;
    QCOMPARE(got, dates);
    if (dates.value(0) == QLatin1String("d1")) {
        const Line &l = lines.at(1);
        QCOMPARE(l.y, 6000000.5);
        QCOMPARE(l.x, 500000.25);
        QCOMPARE(l.z, 100.0);
        QCOMPARE(l.sy, 0.01);
        QCOMPARE(l.sx, 0.02);
        QCOMPARE(l.sz, 0.03);
        QCOMPARE(l.lat, 0.0);
        QCOMPARE(l.lon, 0.0);
        QCOMPARE(l.zone, 0);
    }
}

void TestOpentTimeMarkTableModel::toLinesReportsNonNumbers()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"d0|6000010|500020|30|1", "d1|1,234.5|500020|30|1", "d2|6 001 234,5|500020|30|1",
                 "d3|6000010|500020", "d4|6000010|x|30|"});
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setAccN(5);
    model.setAccE(0);  // no column: never examined
    model.setAccZ(12); // beyond every row
    LineConversionReport report;
    QList<Line> lines = model.toLines(&report);
    QCOMPARE(lines.size(), 5);
    QCOMPARE(report.invalidRows, 5);
    model.setAccZ(0);
    lines = model.toLines(&report);
    QCOMPARE(lines.size(), 5); // every row stays: pairing is by index
    QCOMPARE(lines.at(1).y, 0.0);
    QCOMPARE(lines.at(2).y, 6001234.5);
    QCOMPARE(lines.at(3).z, 0.0);
    QCOMPARE(lines.at(3).sy, 0.0);
    QCOMPARE(lines.at(4).x, 0.0);
    QCOMPARE(lines.at(4).z, 30.0);
    QCOMPARE(report.convertedRows, 5);
    QCOMPARE(report.invalidRows, 3);
    QCOMPARE(report.firstInvalidRow, 2);
    QCOMPARE(report.firstInvalidColumn, 2);
    QCOMPARE(report.firstInvalidText, QStringLiteral("1,234.5"));
    QCOMPARE(report.firstReason,
             QStringLiteral("column 2 holds \"1,234.5\", which is not a number"));
    QVERIFY(report.warningText().startsWith(
        QStringLiteral("Timemark rows that are no usable position: 3. The file is refused")));
    QVERIFY(report.warningText().contains(QStringLiteral("(first: row 2: column 2 holds")));

    model.removeRows(QList<int>{1, 3, 4});
    lines = model.toLines(&report);
    QVERIFY(!report.hasProblems());
    QVERIFY(report.warningText().isEmpty());
}

void TestOpentTimeMarkTableModel::rowsThatAreNoPosition_data()
{
    QTest::addColumn<bool>("degrees");
    QTest::addColumn<QString>("middle"); // north|east|height of the second of three rows
    QTest::addColumn<QString>("reason"); // of the second row; empty: every row is a position
    QTest::newRow("metres") << false << "6000010|500010|100"
                            << "";
    QTest::newRow("quoted metres") << false << "\"6000010.0\"|\"500010\"|\"100\""
                                   << "";
    QTest::newRow("degrees as metres")
        << false << "54.1|10.5|100"
        << "easting 10.5 m is outside 100 000 to 900 000 m: the values look like degrees, or "
           "metres in the wrong columns";
    QTest::newRow("easting 5 000 000") << false << "6000010|5000000|100"
                                       << "easting 5000000 m is outside 100 000 to 900 000 m";
    QTest::newRow("northing 1e20") << false << "1e20|500000|100"
                                   << "northing 1e+20 m is outside -10 000 000 to 10 000 000 m";
    QTest::newRow("height 1e20") << false << "6000010|500000|1e20"
                                 << "height 1e+20 m is outside -11 000 to 100 000 m";
    QTest::newRow("height -11 001") << false << "6000010|500000|-11001"
                                    << "height -11001 m";
    QTest::newRow("2000 km away")
        << false << "8000010|500000|100"
        << "it lies 2000 km from the median position of the file, more than 1 000 km";
    QTest::newRow("empty height") << false << "6000010|500000|"
                                  << "column 4 is empty";
    QTest::newRow("degrees") << true << "54.1|10.1|100"
                             << "";
    QTest::newRow("quoted degrees") << true << "\"54.1\"|\"10.1\"|100"
                                    << "";
    QTest::newRow("latitude 95") << true << "95|10|100"
                                 << "latitude 95 is outside -90 to 90 degrees";
    QTest::newRow("latitude -90.5") << true << "-90.5|10|100"
                                    << "latitude -90.5 is outside";
    QTest::newRow("longitude -180.5") << true << "54|-180.5|100"
                                      << "longitude -180.5 is outside -180 to 180 degrees";
    QTest::newRow("nan") << true << "nan|10|100"
                         << "column 2 holds \"nan\", which is not a number";
    QTest::newRow("inf") << true << "54|inf|100"
                         << "column 3 holds \"inf\", which is not a number";
    QTest::newRow("metres as degrees") << true << "6000010|500000|100"
                                       << "latitude 6000010 is outside -90 to 90 degrees";
    QTest::newRow("4.5 instead of 54") << true << "4.5|10|100"
                                       << "km from the median position";
}

void TestOpentTimeMarkTableModel::rowsThatAreNoPosition()
{
    QFETCH(bool, degrees);
    QFETCH(QString, middle);
    QFETCH(QString, reason);
    setMode(degrees);
    OpentTimeMarkTableModel model(m_geo.get());
    const QString first = degrees ? "d0|54|10|100" : "d0|6000000|500000|100";
    const QString last = degrees ? "d2|54.2|10.2|100" : "d2|6000020|500020|100";
    fill(model, {"Date|North|East|H", first, "d1|" + middle, last});
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setFirstRow(2);
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    QCOMPARE(lines.size(), 3); // every row is handed out; the caller refuses the file
    QCOMPARE(report.invalidRows, reason.isEmpty() ? 0 : 1);
    QVERIFY2(reason.isEmpty() ? report.firstReason.isEmpty() : report.firstReason.contains(reason),
             qPrintable(report.firstReason));
    if (!reason.isEmpty()) {
        QCOMPARE(report.firstInvalidRow, 3);
        QVERIFY(report.warningText().contains("(first: row 3: " + report.firstReason + ")"));
    } else if (degrees) {
        QCOMPARE(lines.at(1).lat, 54.1);
        QCOMPARE(lines.at(1).zone, 32);
    } else {
        QCOMPARE(lines.at(1).y, 6000010.0);
        QCOMPARE(lines.at(1).z, 100.0);
    }
}

void TestOpentTimeMarkTableModel::rowsAcrossTheAntimeridian()
{
    // 179.99 east and 179.99 west are 2 km apart, not 40 000; 180 itself is zone 60.
    setMode(true);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model,
         {"d0|-16.5|179.99|10", "d1|-16.5|180|10", "d2|-16.5|-180|10", "d3|-16.5|-179.99|10"});
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    QVERIFY2(!report.hasProblems(), qPrintable(report.warningText()));
    QCOMPARE(lines.at(0).zone, 60);
    QCOMPARE(lines.at(1).zone, 60);
    QCOMPARE(lines.at(2).zone, 1);
    QCOMPARE(lines.at(3).zone, 1);
}

void TestOpentTimeMarkTableModel::firstDataRow_data()
{
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("first");
    // An RTKLIB solution's data begins after its header, even a damaged first line.
    QTest::newRow("RTKLIB") << QStringList{"%|program|RTKPOST", "%|GPST|latitude(deg)",
                                           "d|corrupt|10|100", "d|54|10|100"}
                            << 3;
    QTest::newRow("header of labels") << QStringList{"Date|North|East|H", "d|\"54\"|10|100"} << 2;
    QTest::newRow("no header") << QStringList{"d|54|10|100"} << 1;
    QTest::newRow("no data") << QStringList{"Date|North|East|H"} << 0;
}

void TestOpentTimeMarkTableModel::firstDataRow()
{
    QFETCH(QStringList, rows);
    QFETCH(int, first);
    setMode(true);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, rows);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    QCOMPARE(model.firstDataRow(), first);
}

void TestOpentTimeMarkTableModel::degreesWithoutConverter()
{
    setMode(true);
    GeoCalc notReady(true);
    OpentTimeMarkTableModel model(&notReady);
    fill(model, {"d|51,5|3,25|45.5|0.5"});
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setAccE(5);
    const Line line = model.toLines().value(0);
    QCOMPARE(line.lat, 51.5);
    QCOMPARE(line.lon, 3.25);
    QCOMPARE(line.z, 45.5);
    QCOMPARE(line.sx, 0.5);
    QCOMPARE(line.x, 0.0);
    QCOMPARE(line.y, 0.0);
    QCOMPARE(line.zone, 0);

    OpentTimeMarkTableModel noConverter(nullptr);
    fill(noConverter, {"d|51,5|3,25|45.5|0.5"});
    noConverter.setColX(2);
    noConverter.setColY(3);
    QCOMPARE(noConverter.toLines().value(0).zone, 0);
}

void TestOpentTimeMarkTableModel::degreesWithConverter()
{
    setMode(true);
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"d|51.5|3.25|45.5", "d|51.5|200|45.5"});
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    const QList<Line> lines = model.toLines();
    const UtmPoint expected = m_geo->geoToUtm(3.25, 51.5, 45.5);
    QCOMPARE(lines.at(0).x, expected.x);
    QCOMPARE(lines.at(0).y, expected.y);
    QCOMPARE(lines.at(0).z, 45.5);
    QCOMPARE(lines.at(0).zone, 31);
    // Outside the 60 zones there is no metric position, but the height is still the file's.
    QCOMPARE(lines.at(1).x, 0.0);
    QCOMPARE(lines.at(1).y, 0.0);
    QCOMPARE(lines.at(1).zone, 0);
    QCOMPARE(lines.at(1).lon, 200.0);
    QCOMPARE(lines.at(1).z, 45.5);
}

void TestOpentTimeMarkTableModel::modeIsReadWhenConverting()
{
    OpentTimeMarkTableModel model(m_geo.get());
    fill(model, {"d|51.5|3.25|45.5"});
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    setMode(false);
    const Line metric = model.toLines().value(0);
    setMode(true);
    const Line degrees = model.toLines().value(0);
    QCOMPARE(metric.y, 51.5);
    QCOMPARE(metric.lat, 0.0);
    QCOMPARE(degrees.lat, 51.5);
    QCOMPARE(degrees.zone, 31);
    QVERIFY(degrees.y > 5000000.0);
}

QTEST_GUILESS_MAIN(TestOpentTimeMarkTableModel)
#include "testopenttimemarktablemodel.moc"
