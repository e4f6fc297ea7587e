#include "blocks/customtablemodel.h"
#include "settings/settingskeys.h"
#include "settings/tablevaluesdelegate.h"
#include "testenv.h"

#include <QDoubleSpinBox>
#include <QSettings>
#include <QTableView>
#include <QTemporaryDir>
#include <QtTest>

class TestTableValuesDelegate : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void cellText_data();
    void cellText();
    void followsSettingsBetweenPasses();
    void editWrittenBack_data();
    void editWrittenBack();

private:
    void fillModel(CustomTableModel &model) const;

    QTemporaryDir m_tempDir;
};

void TestTableValuesDelegate::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestTableValuesDelegate::init()
{
    QSettings().clear();
}

void TestTableValuesDelegate::cleanup()
{
    QLocale::setDefault(QLocale::c());
}

void TestTableValuesDelegate::fillModel(CustomTableModel &model) const
{
    Line line;
    line.date = QStringLiteral("10:00:01.200");
    line.y = 5400000.1234;
    line.x = 512000.5;
    line.lat = 48.7812345678912;
    line.lon = 9.17;
    line.z = 320.5;
    line.sy = 0.012;
    model.appendRow(line);
}

void TestTableValuesDelegate::cellText_data()
{
    QTest::addColumn<int>("coordinateType");
    QTest::addColumn<int>("numberFormat");
    QTest::addColumn<QString>("locale");
    QTest::addColumn<int>("column"); // default column order: date, North, East, H, sdN...
    QTest::addColumn<QString>("text");
    QTest::newRow("degrees: latitude") << 2 << 0 << "C" << 1 << "48.781234568";
    QTest::newRow("degrees: height") << 2 << 0 << "C" << 3 << "320.500";
    QTest::newRow("metric: North") << 0 << 0 << "C" << 1 << "5400000.123";
    QTest::newRow("metric: accuracy") << 0 << 0 << "C" << 4 << "0.012";
    QTest::newRow("local format, decimal comma") << 0 << 1 << "de_DE" << 1 << "5.400.000,123";
    QTest::newRow("plain format, decimal comma") << 0 << 0 << "de_DE" << 1 << "5400000.123";
    QTest::newRow("date stays text") << 2 << 1 << "de_DE" << 0 << "10:00:01.200";
}

void TestTableValuesDelegate::cellText()
{
    QFETCH(int, coordinateType);
    QFETCH(int, numberFormat);
    QFETCH(QString, locale);
    QFETCH(int, column);
    QFETCH(QString, text);
    QSettings settings;
    Keys::CoordinateType.write(settings, coordinateType);
    Keys::MetaNumberFormat.write(settings, numberFormat);
    QLocale::setDefault(QLocale(locale));
    CustomTableModel model;
    fillModel(model);
    TableValuesDelegate delegate;
    QCOMPARE(delegate.displayText(model.index(0, column)), text);
}

void TestTableValuesDelegate::followsSettingsBetweenPasses()
{
    CustomTableModel model;
    fillModel(model);
    TableValuesDelegate delegate;
    const QModelIndex north = model.index(0, 1);
    QCOMPARE(delegate.displayText(north), QStringLiteral("5400000.123"));
    QSettings settings; // as the import or settings dialog does
    Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    QTRY_COMPARE(delegate.displayText(north), QStringLiteral("48.781234568"));
}

void TestTableValuesDelegate::editWrittenBack_data()
{
    QTest::addColumn<int>("coordinateType");
    QTest::addColumn<int>("column");
    QTest::addColumn<int>("decimals");
    QTest::addColumn<double>("newValue"); // NaN: the editor is closed unchanged
    QTest::addColumn<double>("y");
    QTest::addColumn<double>("lat");
    QTest::newRow("metric North") << 0 << 1 << 3 << 5400001.5 << 5400001.5 << 48.7812345678912;
    QTest::newRow("latitude keeps 9 decimals")
        << 2 << 1 << 9 << 48.781234999 << 5400000.1234 << 48.781234999;
    QTest::newRow("unchanged is not rounded")
        << 2 << 1 << 9 << qQNaN() << 5400000.1234 << 48.7812345678912;
}

void TestTableValuesDelegate::editWrittenBack()
{
    QFETCH(int, coordinateType);
    QFETCH(int, column);
    QFETCH(int, decimals);
    QFETCH(double, newValue);
    QFETCH(double, y);
    QFETCH(double, lat);
    QSettings settings;
    Keys::CoordinateType.write(settings, coordinateType);
    CustomTableModel model;
    fillModel(model);
    QTableView view;
    TableValuesDelegate delegate;
    view.setModel(&model);
    view.setItemDelegate(&delegate);
    const QModelIndex index = model.index(0, column);

    std::unique_ptr<QWidget> editor(
        delegate.createEditor(view.viewport(), QStyleOptionViewItem(), index));
    auto *spinBox = qobject_cast<QDoubleSpinBox *>(editor.get());
    QVERIFY(spinBox);
    QCOMPARE(spinBox->decimals(), decimals);
    delegate.setEditorData(spinBox, index);
    QCOMPARE(spinBox->text(), delegate.displayText(index));
    if (!qIsNaN(newValue))
        spinBox->setValue(newValue);
    delegate.setModelData(spinBox, &model, index);
    QCOMPARE(model.row(0).y, y);
    QCOMPARE(model.row(0).lat, lat);
}

QTEST_MAIN(TestTableValuesDelegate)
#include "testtablevaluesdelegate.moc"
