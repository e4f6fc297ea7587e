#include "processing/fileswork.h"
#include "processing/runoutcome.h"

#include <QtTest>

class TestRunOutcome : public QObject
{
    Q_OBJECT
private slots:
    void failureText_data();
    void failureText();
    void problems();
};

void TestRunOutcome::failureText_data()
{
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("jobMessage");
    QTest::addColumn<QString>("text");
    const QString known = QStringLiteral("Failed to open for writing a file fileData.txt");
    QTest::newRow("-1 with its reason")
        << int(FilesWork::CoordinateFileOpenFailed) << known + " (/out: No space left on device)"
        << known + "\n" + known + " (/out: No space left on device)";
    QTest::newRow("-1 alone") << int(FilesWork::CoordinateFileOpenFailed) << QString() << known;
    QTest::newRow("existing file")
        << int(FilesWork::CoordinateFileExists) << "Coordinate file fileData.txt already exists"
        << "Coordinate file fileData.txt already exists";
    QTest::newRow("no message") << -42 << QString() << "Processing failed (code -42)";
}

void TestRunOutcome::failureText()
{
    QFETCH(int, code);
    QFETCH(QString, jobMessage);
    QFETCH(QString, text);
    QCOMPARE(RunOutcome::failureText(code, jobMessage), text);
    QVERIFY(!RunOutcome::failureText(code, jobMessage).contains(QStringLiteral("Unknown error")));
}

void TestRunOutcome::problems()
{
    ProcessingReport report;
    QVERIFY(RunOutcome::problems(report).isEmpty());
    QVERIFY(RunOutcome::attentionText(report).isEmpty());

    report.skipped = 1;
    report.notCopied << "/f/DJI_0002.JPG";
    report.notCopiedReasons << "No such file or directory";
    report.metadataFailed = 1;
    report.metadataProblems << "/f/DJI_0003.JPG: 11 - bad XMP";
    report.notGeotagged = 1;
    report.notGeotaggedPhotos << "/f/DJI_0004.JPG";
    report.withoutPosition = 2;
    report.notReached = 3;
    QCOMPARE(RunOutcome::problems(report),
             (QStringList{"Not copied: /f/DJI_0002.JPG (No such file or directory)",
                          "Metadata could not be read or written: /f/DJI_0003.JPG: 11 - bad XMP",
                          "Copied without latitude and longitude, no UTM zone is set: "
                          "/f/DJI_0004.JPG",
                          "Photos without a timemark row, given position 0: 2",
                          "Photos not processed because the run broke off first: 3"}));
    QCOMPARE(RunOutcome::problemCount(report), 8);
    QCOMPARE(RunOutcome::attentionText(report),
             QStringLiteral("8 photos need attention: the error list names them and says why"));
}

QTEST_GUILESS_MAIN(TestRunOutcome)
#include "testrunoutcome.moc"
