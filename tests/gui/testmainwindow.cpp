#include "app/commandline.h"
#include "app/mainwindow.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

class TestMainWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void frame();
    void noCheckSuffix_data();
    void noCheckSuffix();
    void geometryRestored_data();
    void geometryRestored();
    void normalGeometryStored();
    void maximisedStoredAsStateOne();

private:
    QTemporaryDir m_tempDir;
};

void TestMainWindow::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
}

void TestMainWindow::init()
{
    QSettings settings;
    settings.clear();
}

void TestMainWindow::frame()
{
    MainWindow window;
    QCOMPARE(window.windowTitle(), QStringLiteral("Kestrix 1.8.9"));
    QCOMPARE(window.minimumSize(), QSize(1136, 500));
    QVERIFY(!window.isNoCheck());
    QVERIFY(!window.blocksNoCheck());
}

void TestMainWindow::noCheckSuffix_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("title");
    QTest::addColumn<bool>("blocksNoCheck");
    const QString suffix = QStringLiteral(" - RUN MODE WITHOUT CHECKING");
    QTest::newRow("none") << QStringList{"kestrix"} << "Kestrix 1.8.9" << false;
    QTest::newRow("capitals") << QStringList{"kestrix", "-NOCHECK"} << "Kestrix 1.8.9" + suffix
                              << false;
    QTest::newRow("twice") << QStringList{"kestrix", "-nocheck", "-nocheck"}
                           << "Kestrix 1.8.9" + suffix + suffix << false;
    QTest::newRow("fulldel") << QStringList{"kestrix", "-fulldel"} << "Kestrix 1.8.9" + suffix
                             << true;
}

void TestMainWindow::noCheckSuffix()
{
    QFETCH(QStringList, arguments);
    QFETCH(QString, title);
    QFETCH(bool, blocksNoCheck);
    MainWindow window;
    const CommandLine line(arguments);
    window.applyCommandLine(line);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.isNoCheck(), line.noCheck());
    QCOMPARE(window.blocksNoCheck(), blocksNoCheck);
}

void TestMainWindow::geometryRestored_data()
{
    QTest::addColumn<QVariant>("stored"); // invalid = never written
    QTest::addColumn<QRect>("expected");
    QTest::newRow("empty store") << QVariant() << QRect(0, 0, 1200, 700);
    QTest::newRow("stored") << QVariant(QRect(40, 30, 1300, 650)) << QRect(40, 30, 1300, 650);
    QTest::newRow("below the minimum")
        << QVariant(QRect(10, 20, 400, 300)) << QRect(10, 20, 1136, 500);
    // A monitor that is no longer attached: the window comes back where it can be seen.
    QTest::newRow("off every screen")
        << QVariant(QRect(-9000, -9000, 1200, 700)) << QRect(0, 0, 1200, 700);
}

void TestMainWindow::geometryRestored()
{
    QFETCH(QVariant, stored);
    QFETCH(QRect, expected);
    if (stored.isValid()) {
        QSettings settings;
        Keys::WindowGeometry.write(settings, stored.toRect());
    }
    MainWindow window;
    QVERIFY(!window.isMaximized());
    QCOMPARE(window.geometry(), expected);
}

void TestMainWindow::normalGeometryStored()
{
    {
        MainWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.setGeometry(50, 60, 1150, 620);
        window.close();
    }
    QSettings settings;
    QCOMPARE(Keys::WindowState.read(settings), 0);
    QCOMPARE(Keys::WindowGeometry.read(settings), QRect(50, 60, 1150, 620));
    MainWindow reopened;
    QCOMPARE(reopened.geometry(), QRect(50, 60, 1150, 620));
}

void TestMainWindow::maximisedStoredAsStateOne()
{
    {
        MainWindow window;
        window.showMaximized();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QTRY_VERIFY(window.isMaximized());
    } // destruction alone stores it, as when the event loop ends without a close
    QSettings settings;
    QCOMPARE(Keys::WindowState.read(settings), 1);
    QVERIFY(!Keys::WindowGeometry.isStored(settings));
    MainWindow reopened;
    QVERIFY(reopened.windowState() & Qt::WindowMaximized);
}

QTEST_MAIN(TestMainWindow)
#include "testmainwindow.moc"
