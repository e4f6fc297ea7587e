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

    report.unfinishedFiles << "fileData.txt.part";
    report.skipped = 1;
    report.notCopied << "/f/DJI_0002.JPG";
    report.notCopiedReasons << "No such file or directory";
    report.metadataFailed = 1;
    report.metadataProblems << "/f/DJI_0003.JPG: 11 - bad XMP";
    report.withoutPosition = 1;
    report.withoutPositionPhotos << "/f/DJI_0005.JPG";
    report.withoutPositionReasons << "has no timemark row (4 rows for 5 photos)";
    // Each photo without a line is told once, with the reason that matters most.
    report.withoutLine = 3;
    report.withoutLinePhotos << "/f/DJI_0003.JPG"
                             << "/f/DJI_0005.JPG"
                             << "/f/DJI_0006.JPG";
    report.withoutLineReasons << "Exiv2"
                              << "no row"
                              << "disk full";
    report.notGeotagged = 1;
    report.notGeotaggedPhotos << "/f/DJI_0004.JPG";
    report.notReached = 3;
    QCOMPARE(RunOutcome::problems(report),
             (QStringList{"The output folder holds fileData.txt.part, the unfinished coordinate "
                          "file of a run that did not end",
                          "Not copied: /f/DJI_0002.JPG (No such file or directory)",
                          "Without a position, so without geotag and line: /f/DJI_0005.JPG has "
                          "no timemark row (4 rows for 5 photos)",
                          "Metadata could not be read or written: /f/DJI_0003.JPG: 11 - bad XMP",
                          "Missing from the coordinate file: /f/DJI_0006.JPG (disk full)",
                          "Copied without latitude and longitude, no UTM zone is set: "
                          "/f/DJI_0004.JPG",
                          "Photos not processed because the run broke off first: 3"}));
    QCOMPARE(RunOutcome::problemCount(report), 8);
    QCOMPARE(RunOutcome::attentionText(report),
             QStringLiteral("8 photos need attention: the error list names them and says why"));
}

QTEST_GUILESS_MAIN(TestRunOutcome)
#include "testrunoutcome.moc"
