#include "app/customtoolbutton.h"
#include "app/demoflight.h"
#include "app/guiresources.h"
#include "app/mainwindow.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "photos/photomodel.h"
#include "processing/precheck.h"
#include "scriptedprompts.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "testfiles.h"

#include <QLineEdit>
#include <QTemporaryDir>
#include <QtTest>

class TestDemoFlight : public QObject
{
    Q_OBJECT
private slots:
    void opensReadyToProcess();
};

void TestDemoFlight::opensReadyToProcess()
{
    QTemporaryDir dir;
    TestEnv::isolate(dir);
    GuiResources::initialize();
    auto *prompts = new ScriptedPrompts;
    UserPrompts::setInstance(prompts);
    {
        QSettings user;
        Keys::CoordinateType.write(user, Keys::CoordinateTypeWgs84);
        Keys::PhotoPrefix.write(user, QStringLiteral("FIELD"));
    }
    const QByteArray userStore = TestFiles::checksumOfTree(dir.filePath(QStringLiteral("config")));

    DemoFlight demo(dir.filePath(QStringLiteral("demo")));
    QString error;
    QVERIFY2(demo.write(&error), qPrintable(error));
    QVERIFY2(demo.useSettings(&error), qPrintable(error));
    {
        MainWindow window;
        Fly *fly = window.blocks().first();
        QSignalSpy added(fly->data()->photos(), &PhotoModel::photosAdded);
        QVERIFY2(window.openDemo(demo, &error), qPrintable(error));
        QVERIFY(added.wait(10000));
        QCOMPARE(fly->data()->photos()->rowCount(), DemoFlight::PhotoCount);
        QCOMPARE(fly->data()->timemarks()->rowCount(), DemoFlight::PhotoCount);
        QCOMPARE(window.findChild<QLineEdit *>(QStringLiteral("line_outputDir"))->text(),
                 demo.outputDir());
        window.checkSpace();
        QCOMPARE(PreCheck::refusal(window.checks()), QString());

        window.processingButton()->click();
        QTRY_VERIFY_WITH_TIMEOUT(!window.processingButton()->isBusy(), 20000);
    }
    // The operator's prefix, the demo's metric rows and zone.
    QCOMPARE(TestFiles::filesBelow(demo.outputDir()).filter(QStringLiteral("IMG/FIELD_1_")).size(),
             DemoFlight::PhotoCount);
    const QStringList lines = TestFiles::readLines(demo.outputDir() + "/fileData.txt");
    QCOMPARE(lines.size(), DemoFlight::PhotoCount + 1);
    QVERIFY2(lines.at(1).contains(QStringLiteral("6000000.")), qPrintable(lines.at(1)));
    // Nothing of it reached the stored settings.
    QCOMPARE(TestFiles::checksumOfTree(dir.filePath(QStringLiteral("config"))), userStore);
    UserPrompts::setInstance(nullptr);
}

QTEST_MAIN(TestDemoFlight)
#include "testdemoflight.moc"
