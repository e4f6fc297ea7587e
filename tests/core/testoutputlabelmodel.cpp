#include "processing/outputlabelmodel.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QAbstractItemModelTester>
#include <QBrush>
#include <QMimeData>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

namespace {

QList<int> ids(const OutputLabelModel &model)
{
    QList<int> result;
    for (const auto &item : model.items())
        result.append(item.id);
    return result;
}

QList<bool> enabled(const OutputLabelModel &model)
{
    QList<bool> result;
    for (const auto &item : model.items())
        result.append(item.enabled);
    return result;
}

} // namespace

class TestOutputLabelModel : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void defaultsAndRoles();
    void displayFollowsCoordinateType();
    void flagsAndCheckState();
    void storedLayoutIsRead_data();
    void storedLayoutIsRead();
    void saveResetAndPix4dPreset();
    void moveRows_data();
    void moveRows();
    void dropMovesAndKeepsCheckState();
    void dropAtEndAndInsertedRows();

private:
    QTemporaryDir m_dir;
};

void TestOutputLabelModel::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestOutputLabelModel::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

void TestOutputLabelModel::defaultsAndRoles()
{
    OutputLabelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QCOMPARE(model.rowCount(), 8);
    QCOMPARE(model.columnCount(), 1);
    QCOMPARE(ids(model), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(enabled(model), QVector<bool>(8, true).toList());

    const QModelIndex north = model.index(2, 0);
    QCOMPARE(north.data().toString(), QStringLiteral("North"));
    QCOMPARE(north.data(OutputLabelModel::Wgs84LabelRole).toString(), QStringLiteral("Lat (N)"));
    QCOMPARE(north.data(OutputLabelModel::UtmLabelRole).toString(), QStringLiteral("North"));
    QCOMPARE(north.data(OutputLabelModel::IdRole).toInt(), 2);
    QCOMPARE(north.data(Qt::CheckStateRole).toInt(), int(Qt::Checked));
    QCOMPARE(model.index(0, 0).data(Qt::BackgroundRole).value<QBrush>().color(),
             QColor(Qt::lightGray));
    QCOMPARE(model.index(1, 0).data(Qt::BackgroundRole).value<QBrush>().color(), QColor(Qt::white));

    const QMap<int, QVariant> roles = model.itemData(north);
    QCOMPARE(roles.keys(), (QList<int>{Qt::DisplayRole, Qt::BackgroundRole, Qt::CheckStateRole,
                                       OutputLabelModel::Wgs84LabelRole,
                                       OutputLabelModel::UtmLabelRole, OutputLabelModel::IdRole}));

    const QStringList utm = {"Name", "Date", "North", "East", "H", "sdN", "sdE", "sdH"};
    const QStringList wgs = {"Name", "Date", "Lat (N)", "Lon (E)", "H", "sdN", "sdE", "sdH"};
    for (int id = 0; id < 8; ++id) {
        QCOMPARE(OutputLabelModel::label(id, false), utm[id]);
        QCOMPARE(OutputLabelModel::label(id, true), wgs[id]);
    }
    QVERIFY(OutputLabelModel::label(8, false).isEmpty());
}

void TestOutputLabelModel::displayFollowsCoordinateType()
{
    OutputLabelModel model;
    QSettings s;
    Keys::CoordinateType.write(s, Keys::CoordinateTypeWgs84);
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("Lat (N)"));
    QCOMPARE(model.index(3, 0).data().toString(), QStringLiteral("Lon (E)"));
    QCOMPARE(model.index(0, 0).data().toString(), QStringLiteral("Name"));
    Keys::CoordinateType.write(s, 1); // anything but 2 is metric
    QCOMPARE(model.index(2, 0).data().toString(), QStringLiteral("North"));
    QCOMPARE(ids(model), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
}

void TestOutputLabelModel::flagsAndCheckState()
{
    OutputLabelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    const Qt::ItemFlags item = model.flags(model.index(0, 0));
    QVERIFY(item & Qt::ItemIsSelectable);
    QVERIFY(item & Qt::ItemIsDragEnabled);
    QVERIFY(item & Qt::ItemIsUserCheckable);
    QVERIFY(item & Qt::ItemIsEnabled);
    QVERIFY(!(item & Qt::ItemIsDropEnabled));
    QVERIFY(model.flags(QModelIndex()) & Qt::ItemIsDropEnabled);
    QCOMPARE(model.supportedDropActions(), Qt::MoveAction);

    QSignalSpy changed(&model, &QAbstractItemModel::dataChanged);
    QVERIFY(model.setData(model.index(4, 0), Qt::Unchecked, Qt::CheckStateRole));
    QCOMPARE(changed.count(), 1);
    QVERIFY(!model.items().at(4).enabled);
    QCOMPARE(model.index(4, 0).data(Qt::CheckStateRole).toInt(), int(Qt::Unchecked));
    // Other roles are accepted but change nothing.
    QVERIFY(model.setData(model.index(4, 0), QStringLiteral("X"), Qt::EditRole));
    QVERIFY(model.setData(model.index(4, 0), 6, OutputLabelModel::IdRole));
    QCOMPARE(changed.count(), 1);
    QCOMPARE(model.items().at(4).id, 4);
    QCOMPARE(model.index(4, 0).data().toString(), QStringLiteral("H"));
    QVERIFY(model.setData(model.index(4, 0), Qt::Checked, Qt::CheckStateRole));
    QVERIFY(model.items().at(4).enabled);
}

void TestOutputLabelModel::storedLayoutIsRead_data()
{
    QTest::addColumn<QList<int>>("stored");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("order kept") << QList<int>{7, 6, 5, 4, 3, 2, 1, 0}
                                << QList<int>{7, 6, 5, 4, 3, 2, 1, 0};
    QTest::newRow("out of range takes the position")
        << QList<int>{1, 0, 99, 3, -1, 5, 6, 7} << QList<int>{1, 0, 2, 3, 4, 5, 6, 7};
    // Replacing 99 by the position gives a second North; the missing Name takes its place.
    QTest::newRow("repeated column")
        << QList<int>{2, 1, 99, 3, 4, 5, 6, 7} << QList<int>{2, 1, 0, 3, 4, 5, 6, 7};
    QTest::newRow("all the same") << QList<int>{4, 4, 4, 4, 4, 4, 4, 4}
                                  << QList<int>{4, 0, 1, 2, 3, 5, 6, 7};
}

void TestOutputLabelModel::storedLayoutIsRead()
{
    QFETCH(QList<int>, stored);
    QFETCH(QList<int>, expected);
    {
        QSettings s;
        for (int p = 0; p < 8; ++p)
            Keys::metaHeader(p).write(s, stored[p]);
        Keys::metaHeaderEnabled(3).write(s, false);
        s.sync();
    }
    OutputLabelModel model;
    QCOMPARE(ids(model), expected);
    QVERIFY(!model.items().at(3).enabled);
    for (const auto &item : model.items())
        QCOMPARE(item.utmLabel, OutputLabelModel::label(item.id, false));
}

void TestOutputLabelModel::saveResetAndPix4dPreset()
{
    OutputLabelModel model;
    QSignalSpy reset(&model, &QAbstractItemModel::modelReset);
    QVERIFY(model.moveRow(QModelIndex(), 0, QModelIndex(), 8)); // Name to the end
    QVERIFY(model.setData(model.index(0, 0), Qt::Unchecked, Qt::CheckStateRole));
    model.saveToSettings();
    {
        OutputLabelModel fresh;
        QCOMPARE(ids(fresh), (QList<int>{1, 2, 3, 4, 5, 6, 7, 0}));
        QVERIFY(!fresh.items().at(0).enabled);
    }

    model.applyPix4dPreset();
    QCOMPARE(ids(model), (QList<int>{0, 1, 3, 2, 4, 5, 6, 7}));
    QCOMPARE(enabled(model), (QList<bool>{true, false, true, true, true, false, false, false}));
    QSettings s;
    QCOMPARE(Keys::metaHeader(2).read(s), 3);
    QCOMPARE(Keys::metaHeaderEnabled(1).read(s), false);
    QCOMPARE(OutputLabelModel().items().at(2).id, 3);

    model.resetToDefaults();
    QCOMPARE(ids(model), (QList<int>{0, 1, 2, 3, 4, 5, 6, 7}));
    QCOMPARE(enabled(model), QVector<bool>(8, true).toList());
    QCOMPARE(Keys::metaHeaderEnabled(1).read(s), true);
    QCOMPARE(reset.count(), 2);
}

void TestOutputLabelModel::moveRows_data()
{
    QTest::addColumn<int>("source");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("destination");
    QTest::addColumn<bool>("moves");
    QTest::addColumn<QList<int>>("expected");
    QTest::newRow("to the top") << 5 << 1 << 0 << true << QList<int>{5, 0, 1, 2, 3, 4, 6, 7};
    QTest::newRow("to the end") << 0 << 2 << 8 << true << QList<int>{2, 3, 4, 5, 6, 7, 0, 1};
    QTest::newRow("down one") << 2 << 1 << 4 << true << QList<int>{0, 1, 3, 2, 4, 5, 6, 7};
    QTest::newRow("onto itself") << 2 << 1 << 3 << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
    QTest::newRow("past the end") << 6 << 3 << 0 << false << QList<int>{0, 1, 2, 3, 4, 5, 6, 7};
}

void TestOutputLabelModel::moveRows()
{
    QFETCH(int, source);
    QFETCH(int, count);
    QFETCH(int, destination);
    QFETCH(bool, moves);
    QFETCH(QList<int>, expected);
    OutputLabelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy moved(&model, &OutputLabelModel::movedRow);
    QCOMPARE(model.moveRows(QModelIndex(), source, count, QModelIndex(), destination), moves);
    QCOMPARE(moved.count(), moves ? 1 : 0);
    QCOMPARE(ids(model), expected);
}

void TestOutputLabelModel::dropMovesAndKeepsCheckState()
{
    OutputLabelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    QSignalSpy moved(&model, &OutputLabelModel::movedRow);
    QVERIFY(model.setData(model.index(6, 0), Qt::Unchecked, Qt::CheckStateRole));

    // What a list view does for an internal move: drop a copy, then remove the source row.
    std::unique_ptr<QMimeData> mime(model.mimeData({model.index(6, 0)}));
    QVERIFY(!model.dropMimeData(mime.get(), Qt::CopyAction, 0, 0, QModelIndex()));
    QVERIFY(model.dropMimeData(mime.get(), Qt::MoveAction, 0, 0, QModelIndex()));
    QCOMPARE(model.rowCount(), 9);
    QCOMPARE(model.items().at(0).id, 6);
    QCOMPARE(model.items().at(0).utmLabel, QStringLiteral("sdE"));
    QVERIFY(!model.items().at(0).enabled);
    QVERIFY(model.removeRows(7, 1));
    QCOMPARE(moved.count(), 1);
    QCOMPARE(ids(model), (QList<int>{6, 0, 1, 2, 3, 4, 5, 7}));

    // Dropped onto an item, a label lands before it.
    mime.reset(model.mimeData({model.index(1, 0)}));
    QVERIFY(model.dropMimeData(mime.get(), Qt::MoveAction, -1, -1, model.index(0, 0)));
    QVERIFY(model.removeRows(2, 1));
    QCOMPARE(ids(model), (QList<int>{0, 6, 1, 2, 3, 4, 5, 7}));
}

void TestOutputLabelModel::dropAtEndAndInsertedRows()
{
    OutputLabelModel model;
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    std::unique_ptr<QMimeData> mime(model.mimeData({model.index(0, 0)}));
    QVERIFY(model.dropMimeData(mime.get(), Qt::MoveAction, -1, 0, QModelIndex()));
    QVERIFY(model.removeRows(0, 1));
    QCOMPARE(ids(model), (QList<int>{1, 2, 3, 4, 5, 6, 7, 0}));

    QVERIFY(model.insertRows(2, 1));
    QCOMPARE(model.items().at(2).id, -1);
    QVERIFY(model.items().at(2).enabled);
    QVERIFY(model.items().at(2).utmLabel.isEmpty());
    QVERIFY(!model.setItemData(model.index(2, 0), {{Qt::DisplayRole, QStringLiteral("x")}}));
    QVERIFY(model.setItemData(model.index(2, 0), {{OutputLabelModel::IdRole, 4}}));
    QCOMPARE(model.items().at(2).id, 4);
    QVERIFY(!model.insertRows(10, 1));
    QVERIFY(!model.removeRows(8, 2));
}

QTEST_GUILESS_MAIN(TestOutputLabelModel)
#include "testoutputlabelmodel.moc"
