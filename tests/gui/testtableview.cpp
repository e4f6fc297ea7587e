#include "blocks/tableview.h"
#include "testenv.h"

#include <QHeaderView>
#include <QMimeData>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTemporaryDir>
#include <QtTest>

class TestTableView : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void cleanup();
    void reportsCompletedGesturesThatChangeRows();
    void programmaticSelection();
    void deleteKey();
    void roleLabelDrop_data();
    void roleLabelDrop();

private:
    QPoint cellCentre(int row, int column) const;
    QList<int> lastReport(QSignalSpy &spy) const;

    QTemporaryDir m_tempDir;
    QStandardItemModel *m_model = nullptr;
    TableView *m_view = nullptr;
};

void TestTableView::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestTableView::init()
{
    m_model = new QStandardItemModel(6, 3);
    m_view = new TableView;
    m_view->setModel(m_model);
    m_view->setSelectionBehavior(QAbstractItemView::SelectRows);
    m_view->resize(400, 400);
    m_view->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_view));
}

void TestTableView::cleanup()
{
    delete m_view;
    delete m_model;
}

QPoint TestTableView::cellCentre(int row, int column) const
{
    return m_view->visualRect(m_model->index(row, column)).center();
}

QList<int> TestTableView::lastReport(QSignalSpy &spy) const
{
    return spy.isEmpty() ? QList<int>() : spy.last().first().value<QList<int>>();
}

void TestTableView::reportsCompletedGesturesThatChangeRows()
{
    QSignalSpy spy(m_view, &TableView::selectedRowsChanged);
    QWidget *viewport = m_view->viewport();

    QTest::mousePress(viewport, Qt::LeftButton, {}, cellCentre(1, 0));
    QCOMPARE(spy.count(), 0); // a drag may still be on its way
    QTest::mouseRelease(viewport, Qt::LeftButton, {}, cellCentre(1, 0));
    QCOMPARE(spy.count(), 1);
    QCOMPARE(lastReport(spy), QList<int>{1});

    QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(1, 1));
    QCOMPARE(spy.count(), 1); // same row, nothing new

    QTest::keyClick(m_view, Qt::Key_Down);
    QCOMPARE(lastReport(spy), QList<int>{2});
    QTest::keyClick(m_view, Qt::Key_Down, Qt::ShiftModifier);
    QCOMPARE(lastReport(spy), (QList<int>{2, 3}));
    QTest::keyClick(m_view, Qt::Key_A); // no row starts with it: nothing moves
    QCOMPARE(spy.count(), 3);

    // Picking a row by its number in the vertical header.
    QHeaderView *rowHeader = m_view->verticalHeader();
    const QPoint onRow5(rowHeader->width() / 2,
                        rowHeader->sectionViewportPosition(5) + rowHeader->sectionSize(5) / 2);
    QTest::mouseClick(rowHeader->viewport(), Qt::LeftButton, {}, onRow5);
    QTRY_COMPARE(lastReport(spy), QList<int>{5});

    // A removed row shifts the remembered numbers onto other rows: row 3 is a new pick.
    m_view->selectRows({3});
    m_model->removeRow(0);
    const int before = spy.count();
    QTest::mouseClick(viewport, Qt::LeftButton, {}, cellCentre(3, 0));
    QCOMPARE(spy.count(), before + 1);
    QCOMPARE(lastReport(spy), QList<int>{3});
}

void TestTableView::programmaticSelection()
{
    QSignalSpy spy(m_view, &TableView::selectedRowsChanged);
    m_view->selectRows({1, 2});
    m_view->selectRows({4}, false);
    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_view->selectedRows(), (QList<int>{1, 2, 4}));
    QCOMPARE(m_view->selectedColumns(), (QList<int>{0, 1, 2}));

    m_view->invertSelection();
    QCOMPARE(lastReport(spy), (QList<int>{0, 3, 5}));
    QCOMPARE(m_view->selectedRows(), (QList<int>{0, 3, 5}));

    m_view->selectAll();
    QCOMPARE(lastReport(spy), (QList<int>{0, 1, 2, 3, 4, 5}));
    m_view->clearSelection();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(lastReport(spy), QList<int>());

    m_view->selectRows({3, 1, 99, -1}); // out of range ignored, order kept as given
    QCOMPARE(m_view->selectedRows(), (QList<int>{3, 1}));
    QTest::mouseClick(m_view->viewport(), Qt::LeftButton, Qt::ControlModifier, cellCentre(2, 0));
    QCOMPARE(lastReport(spy), (QList<int>{3, 1, 2}));
}

void TestTableView::deleteKey()
{
    QSignalSpy spy(m_view, &TableView::deletingRows);
    QTest::keyClick(m_view, Qt::Key_Delete);
    QCOMPARE(spy.count(), 0); // nothing selected, nothing to delete
    m_view->selectRows({4, 2});
    QTest::keyClick(m_view, Qt::Key_Delete);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.first().first().value<QList<int>>(), (QList<int>{4, 2}));
}

void TestTableView::roleLabelDrop_data()
{
    QTest::addColumn<QByteArray>("label");
    QTest::addColumn<int>("signal"); // index in the list below, -1: refused
    const QByteArrayList labels = {"lbl_col_date", "lbl_col_x",  "lbl_col_y", "lbl_col_z",
                                   "lbl_col_sx",   "lbl_col_sy", "lbl_col_sz"};
    for (int i = 0; i < labels.size(); ++i)
        QTest::newRow(labels.at(i).constData()) << labels.at(i) << i;
    QTest::newRow("other label") << QByteArray("lbl_col_name") << -1;
    QTest::newRow("plain text only") << QByteArray() << -1;
}

void TestTableView::roleLabelDrop()
{
    QFETCH(QByteArray, label);
    QFETCH(int, signal);
    const QList<void (TableView::*)(int)> signals_ = {
        &TableView::settingColDate, &TableView::settingColX,  &TableView::settingColY,
        &TableView::settingColZ,    &TableView::settingColXS, &TableView::settingColYS,
        &TableView::settingColZS};
    QList<QSharedPointer<QSignalSpy>> spies;
    for (auto s : signals_)
        spies.append(QSharedPointer<QSignalSpy>::create(m_view, s));

    QMimeData mime;
    mime.setText(QStringLiteral("North"));
    if (!label.isEmpty())
        mime.setData(QStringLiteral("column"), label);
    // The application hands a drop only to the widget that took the drag in.
    const Qt::DropActions actions = Qt::CopyAction | Qt::MoveAction;
    QDragEnterEvent enter(cellCentre(3, 2), actions, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_view->viewport(), &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(cellCentre(3, 2), actions, &mime, Qt::LeftButton, {});
    QCoreApplication::sendEvent(m_view->viewport(), &drop);

    QCOMPARE(drop.isAccepted(), signal >= 0);
    for (int i = 0; i < spies.size(); ++i) {
        QCOMPARE(spies.at(i)->count(), i == signal ? 1 : 0);
        if (i == signal)
            QCOMPARE(spies.at(i)->first().first().toInt(), 3); // column 2, counted from 1
    }
}

QTEST_MAIN(TestTableView)
#include "testtableview.moc"
