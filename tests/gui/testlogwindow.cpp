#include "app/aboutwindow.h"
#include "app/guiresources.h"
#include "app/logwindow.h"
#include "testenv.h"

#include <QLabel>
#include <QTemporaryDir>
#include <QTextEdit>
#include <QtTest>

class TestLogWindow : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void contents_data();
    void contents();
    void aboutNamesWhatIsShipped();

private:
    QTemporaryDir m_tempDir;
};

void TestLogWindow::initTestCase()
{
    QVERIFY(m_tempDir.isValid());
    TestEnv::isolate(m_tempDir);
    GuiResources::initialize();
}

void TestLogWindow::contents_data()
{
    QTest::addColumn<int>("kind"); // 0 errors, 1 photos without tags, 2 removed photos
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<bool>("shown");
    QTest::newRow("errors") << 0 << "Error"
                            << "The following errors occurred:" << true;
    QTest::newRow("no tags") << 1 << "There are missing files"
                             << "The following files haven't been added because they don't "
                                "contain Xmp tags.drone-dj.Flight***Degree:"
                             << false;
    QTest::newRow("removed") << 2 << "There are removed files"
                             << "The following files has removed from list because they don't "
                                "exist:"
                             << false;
}

void TestLogWindow::contents()
{
    QFETCH(int, kind);
    QFETCH(QString, title);
    QFETCH(QString, heading);
    QFETCH(bool, shown);
    LogWindow window;
    window.setNoTagPhotos({QStringLiteral("old.jpg")}); // each call replaces the content
    const QStringList names{QStringLiteral("/f/DJI_0001.JPG"), QStringLiteral("/f/a <b>&c.jpg")};
    if (kind == 0)
        window.setErrors(names.join(QLatin1Char('\n')));
    else if (kind == 1)
        window.setNoTagPhotos(names);
    else
        window.setRemovedPhotos(names);
    QCOMPARE(window.windowTitle(), title);
    QCOMPARE(window.isVisible(), shown);
    QCOMPARE(window.isModal(), shown);
    const QString text = window.findChild<QTextEdit *>(QStringLiteral("textEdit"))->toPlainText();
    // Names are shown as written, one per line: never read as markup.
    QCOMPARE(text, heading + QLatin1Char('\n') + names.join(QLatin1Char('\n')) +
                       (kind == 0 ? QString() : QStringLiteral("\n")));
}

void TestLogWindow::aboutNamesWhatIsShipped()
{
    AboutWindow about;
    QCOMPARE(about.windowTitle(), QStringLiteral("About"));
    QCOMPARE(about.findChild<QLabel *>(QStringLiteral("lbl_version"))->text(),
             QStringLiteral("version 1.8.9"));
    QVERIFY(
        !about.findChild<QLabel *>(QStringLiteral("label"))->pixmap(Qt::ReturnByValue).isNull());
    const QString notices = AboutWindow::licenceNotices();
    for (const char *name : {"Qt 5.", "Exiv2 0.27", "PROJ ", "QCustomPlot ", "Font Awesome 4.7",
                             "Open Sans", "LGPL-3.0", "GPL-2.0-or-later", "MIT License",
                             "GPL-3.0-or-later", "OFL-1.1", "Apache-2.0"})
        QVERIFY2(notices.contains(QLatin1String(name)), name);
    QVERIFY(!notices.contains(QStringLiteral("Font Awesome 5")));
}

QTEST_MAIN(TestLogWindow)
#include "testlogwindow.moc"
