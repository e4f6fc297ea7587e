#include "processing/coordinatefilewriter.h"
#include "processing/outputlabelmodel.h"
#include "settings/settingskeys.h"
#include "testenv.h"

#include <QDir>
#include <QFile>
#include <QLocale>
#include <QSettings>
#include <QTranslator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int Utm = 0;
constexpr int Wgs84 = Keys::CoordinateTypeWgs84;

QString readFile(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("<missing>");
    return QString::fromUtf8(file.readAll());
}

CoordinateFileWriter::Values firstPhoto()
{
    CoordinateFileWriter::Values v;
    v.name = QStringLiteral("KES_1_00001.JPG");
    v.date = QStringLiteral("2024-05-17 10:22:33.400");
    v.north = 6000000.030;
    v.east = 500000.0;
    v.height = 99.831;
    v.sdN = 0.0;
    v.sdE = 0.0;
    v.sdH = 0.035;
    return v;
}

} // namespace

class TestCoordinateFileWriter : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();

    void fileNames_data();
    void fileNames();
    void outputSeparator_data();
    void outputSeparator();

    void defaultLayout();
    void wgs84Layout();
    void headerStaysEnglishInAnyLanguage();
    void dateColumnNeedsDates();
    void allUnchecked();
    void nameDraggedToTop();
    void pix4dSplitFiles();
    void outSeparatorFiveWritesTabs();
    void numbersIgnoreLocale();
    void linesAreFlushed();
    void finalNameTakenDuringTheRun();

    void existingFileIsRefused_data();
    void existingFileIsRefused();
    void unwritableFolder();

private:
    QTemporaryDir m_dir;
    QString m_out;
};

void TestCoordinateFileWriter::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestCoordinateFileWriter::init()
{
    QSettings s;
    s.clear();
    s.sync();
    m_out = m_dir.filePath(QStringLiteral("out_%1").arg(QTest::currentTestFunction()) +
                           QString::fromLatin1(QTest::currentDataTag()).replace(' ', '_'));
    QVERIFY(QDir().mkpath(m_out));
}

void TestCoordinateFileWriter::fileNames_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("pix4d");
    QTest::addColumn<int>("block");
    QTest::addColumn<QString>("name");
    QTest::newRow("single") << false << false << 1 << "fileData.txt";
    QTest::newRow("single, block ignored") << false << false << 7 << "fileData.txt";
    QTest::newRow("single pix4d") << false << true << 1 << "fileData_Pix4d.txt";
    QTest::newRow("split 1") << true << false << 1 << "fileData01.txt";
    QTest::newRow("split 12") << true << false << 12 << "fileData12.txt";
    QTest::newRow("split 100") << true << false << 100 << "fileData100.txt";
    QTest::newRow("split pix4d 2") << true << true << 2 << "fileData_Pix4d_02.txt";
    QTest::newRow("split pix4d 12") << true << true << 12 << "fileData_Pix4d_12.txt";
}

void TestCoordinateFileWriter::fileNames()
{
    QFETCH(bool, split);
    QFETCH(bool, pix4d);
    QFETCH(int, block);
    QFETCH(QString, name);
    QCOMPARE(CoordinateFileWriter::fileName(split, pix4d, block), name);
}

void TestCoordinateFileWriter::outputSeparator_data()
{
    QTest::addColumn<int>("setting");
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("last");
    QTest::addColumn<QString>("expected");
    QTest::newRow("0 first block") << 0 << ";"
                                   << ","
                                   << ";";
    QTest::newRow("1 last block") << 1 << ";"
                                  << ","
                                  << ",";
    QTest::newRow("0 whitespace pattern") << 0 << "\\s+"
                                          << ","
                                          << "\t";
    QTest::newRow("1 never read") << 1 << ";"
                                  << ""
                                  << "\t";
    QTest::newRow("2 tab") << 2 << ";"
                           << ";"
                           << "\t";
    QTest::newRow("3 semicolon") << 3 << ","
                                 << ","
                                 << ";";
    QTest::newRow("4 comma") << 4 << ";"
                             << ";"
                             << ",";
    QTest::newRow("5 rtklib") << 5 << ";"
                              << ";"
                              << "\t";
    QTest::newRow("6 unknown") << 6 << ";"
                               << ";"
                               << "\t";
    QTest::newRow("-1 unknown") << -1 << ";"
                                << ";"
                                << "\t";
}

void TestCoordinateFileWriter::outputSeparator()
{
    QFETCH(int, setting);
    QFETCH(QString, first);
    QFETCH(QString, last);
    QFETCH(QString, expected);
    QCOMPARE(CoordinateFileWriter::outputSeparator(setting, first, last), expected);
    QSettings s;
    Keys::MetaOutSeparator.write(s, setting);
    QCOMPARE(CoordinateFileWriter::outputSeparator(s, first, last), expected);
}

void TestCoordinateFileWriter::defaultLayout()
{
    OutputLabelModel labels;
    QSettings s;
    const QString sep = CoordinateFileWriter::outputSeparator(s, ";", ";"); // default 2: tab
    CoordinateFileWriter writer(labels, Utm, false, sep, false, false);
    QVERIFY2(writer.open(m_out, 1), qPrintable(writer.errorText()));
    QCOMPARE(writer.filePaths(), QStringList{QDir(m_out).filePath("fileData.txt")});
    QVERIFY(writer.writeLine(0, firstPhoto()));
    CoordinateFileWriter::Values second = firstPhoto();
    second.name = QStringLiteral("KES_2_00002.JPG");
    second.sdN = -1.0;                    // a photo beyond the last timemark row
    QVERIFY(writer.writeLine(5, second)); // without split every block shares the file
    writer.close();
    QCOMPARE(writer.result(), CoordinateFileWriter::Ok);
    QCOMPARE(
        readFile(QDir(m_out).filePath("fileData.txt")),
        QStringLiteral("Name\tNorth\tEast\tH\tsdN\tsdE\tsdH\n"
                       "KES_1_00001.JPG\t6000000.030\t500000.000\t99.831\t0.020\t0.020\t0.035\n"
                       "KES_2_00002.JPG\t6000000.030\t500000.000\t99.831\t-1.000\t0.020\t0.035\n"));
}

void TestCoordinateFileWriter::wgs84Layout()
{
    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, Wgs84, false, ",", false, false);
    CoordinateFileWriter::Values v = firstPhoto();
    v.north = 54.123456789012;
    v.east = -3.5;
    QCOMPARE(writer.headerLine(), QStringLiteral("Name,Lat (N),Lon (E),H,sdN,sdE,sdH"));
    QCOMPARE(writer.dataLine(v),
             QStringLiteral("KES_1_00001.JPG,54.123456789,-3.500000000,99.831,0.020,0.020,0.035"));
    QCOMPARE(OutputLabelModel().items().at(2).id, 2); // the stored order is untouched
}

void TestCoordinateFileWriter::headerStaysEnglishInAnyLanguage()
{
    // Programs that read the file know its columns by these names; only the window translates.
    QTranslator german;
    if (!german.load(QStringLiteral(KESTRIX_TRANSLATIONS_BUILD_DIR "/de.qm")))
        QSKIP("the German catalogue has not been compiled");
    QCoreApplication::installTranslator(&german);
    OutputLabelModel labels;
    const CoordinateFileWriter writer(labels, Utm, false, ";", false, false);
    QCOMPARE(writer.headerLine(), QStringLiteral("Name;North;East;H;sdN;sdE;sdH"));
    QCOMPARE(labels.data(labels.index(2, 0)), QVariant(QStringLiteral("Hochwert")));
    QCoreApplication::removeTranslator(&german);
}

void TestCoordinateFileWriter::dateColumnNeedsDates()
{
    OutputLabelModel labels;
    const CoordinateFileWriter withDates(labels, Utm, true, ";", false, false);
    QCOMPARE(withDates.headerLine(), QStringLiteral("Name;Date;North;East;H;sdN;sdE;sdH"));
    QVERIFY(
        withDates.dataLine(firstPhoto()).startsWith("KES_1_00001.JPG;2024-05-17 10:22:33.400;"));

    const CoordinateFileWriter noDates(labels, Utm, false, ";", false, false);
    QVERIFY(labels.setData(labels.index(1, 0), Qt::Unchecked, Qt::CheckStateRole));
    const CoordinateFileWriter unchecked(labels, Utm, true, ";", false, false);
    QCOMPARE(unchecked.headerLine(), noDates.headerLine());
    QCOMPARE(unchecked.dataLine(firstPhoto()), noDates.dataLine(firstPhoto()));
    QVERIFY(!noDates.headerLine().contains("Date"));
}

void TestCoordinateFileWriter::allUnchecked()
{
    OutputLabelModel labels;
    for (int row = 0; row < labels.rowCount(); ++row)
        QVERIFY(labels.setData(labels.index(row, 0), Qt::Unchecked, Qt::CheckStateRole));
    CoordinateFileWriter writer(labels, Utm, true, "\t", false, false);
    QVERIFY(writer.open(m_out, 1));
    QVERIFY(writer.writeLine(0, firstPhoto()));
    QVERIFY(writer.writeLine(0, firstPhoto()));
    writer.close();
    QCOMPARE(readFile(QDir(m_out).filePath("fileData.txt")), QStringLiteral("\n\n\n"));
}

void TestCoordinateFileWriter::nameDraggedToTop()
{
    {
        QSettings s;
        const QList<int> stored = {2, 3, 0, 4, 1, 5, 6, 7};
        for (int p = 0; p < 8; ++p)
            Keys::metaHeader(p).write(s, stored[p]);
        s.sync();
    }
    OutputLabelModel labels;
    QCOMPARE(labels.items().at(2).id, int(OutputLabelModel::Name));
    QVERIFY(labels.moveRows(QModelIndex(), 2, 1, QModelIndex(), 0));
    const CoordinateFileWriter writer(labels, Utm, false, "\t", false, false);
    QCOMPARE(writer.headerLine(), QStringLiteral("Name\tNorth\tEast\tH\tsdN\tsdE\tsdH"));
    QVERIFY(writer.dataLine(firstPhoto()).startsWith("KES_1_00001.JPG\t6000000.030\t500000.000"));
}

void TestCoordinateFileWriter::pix4dSplitFiles()
{
    OutputLabelModel labels;
    labels.applyPix4dPreset();
    CoordinateFileWriter writer(labels, Utm, true, "\t", true, true);
    QVERIFY(writer.open(m_out, 2));
    CoordinateFileWriter::Values a = firstPhoto();
    CoordinateFileWriter::Values b = firstPhoto();
    b.name = QStringLiteral("KES_2_00002.JPG");
    b.east = 500010.5;
    QVERIFY(writer.writeLine(0, a));
    QVERIFY(writer.writeLine(1, b));
    QVERIFY(!writer.writeLine(2, b));
    QCOMPARE(writer.result(), CoordinateFileWriter::NoSuchBlock);
    writer.close();
    QCOMPARE(QDir(m_out).entryList(QDir::Files),
             (QStringList{"fileData_Pix4d_01.txt", "fileData_Pix4d_02.txt"}));
    QCOMPARE(
        readFile(QDir(m_out).filePath("fileData_Pix4d_01.txt")),
        QStringLiteral("Name\tEast\tNorth\tH\nKES_1_00001.JPG\t500000.000\t6000000.030\t99.831\n"));
    QCOMPARE(
        readFile(QDir(m_out).filePath("fileData_Pix4d_02.txt")),
        QStringLiteral("Name\tEast\tNorth\tH\nKES_2_00002.JPG\t500010.500\t6000000.030\t99.831\n"));
}

void TestCoordinateFileWriter::outSeparatorFiveWritesTabs()
{
    QSettings s;
    Keys::MetaOutSeparator.write(s, 5);
    OutputLabelModel labels;
    CoordinateFileWriter writer(
        labels, Utm, false, CoordinateFileWriter::outputSeparator(s, "\\s+", "\\s+"), false, false);
    QVERIFY(writer.open(m_out, 1));
    QVERIFY(writer.writeLine(0, firstPhoto()));
    writer.close();
    const QStringList lines = readFile(QDir(m_out).filePath("fileData.txt")).split('\n');
    QCOMPARE(lines.value(0).split('\t').size(), 7);
    QCOMPARE(lines.value(1).split('\t').size(), 7);
    QVERIFY(!lines.value(1).contains(' ') && !lines.value(1).contains('\\'));
}

void TestCoordinateFileWriter::numbersIgnoreLocale()
{
    const QLocale before;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    OutputLabelModel labels;
    const CoordinateFileWriter writer(labels, Utm, false, ";", false, false);
    CoordinateFileWriter::Values v = firstPhoto();
    v.north = 12345678.9876;
    v.east = -1234.5;
    const QString line = writer.dataLine(v);
    QLocale::setDefault(before);
    QCOMPARE(line,
             QStringLiteral("KES_1_00001.JPG;12345678.988;-1234.500;99.831;0.020;0.020;0.035"));
}

void TestCoordinateFileWriter::linesAreFlushed()
{
    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, Utm, false, "\t", false, false);
    QVERIFY(writer.open(m_out, 1));
    // Under a temporary name while the run goes: a killed run leaves no file that looks done.
    const QString final = QDir(m_out).filePath("fileData.txt");
    QCOMPARE(
        writer.temporaryPaths(),
        QStringList{
            QStringLiteral("%1.%2.partial").arg(final).arg(QCoreApplication::applicationPid())});
    const QString path = writer.temporaryPaths().first();
    QVERIFY(!QFileInfo::exists(final));
    QCOMPARE(CoordinateFileWriter::unfinishedFiles(m_out), QStringList{QFileInfo(path).fileName()});
    QCOMPARE(readFile(path).count('\n'), 1);
    QVERIFY(writer.writeLine(0, firstPhoto()));
    QVERIFY(readFile(path).endsWith("0.035\n")); // on disk while the file is still open
    QVERIFY(writer.close());
    QCOMPARE(QDir(m_out).entryList(QDir::Files | QDir::Hidden), QStringList{"fileData.txt"});
}

void TestCoordinateFileWriter::finalNameTakenDuringTheRun()
{
    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, Utm, false, "\t", false, false);
    QVERIFY(writer.open(m_out, 1));
    QVERIFY(writer.writeLine(0, firstPhoto()));
    const QString final = QDir(m_out).filePath("fileData.txt");
    {
        QFile other(final);
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("another program's file\n");
    }
    const QString temporary = writer.temporaryPaths().first();
    QVERIFY(!writer.close());
    QCOMPARE(readFile(final), QStringLiteral("another program's file\n"));
    QVERIFY(readFile(temporary).endsWith("0.035\n"));
    QVERIFY2(writer.errorText().contains(temporary), qPrintable(writer.errorText()));
}

void TestCoordinateFileWriter::existingFileIsRefused_data()
{
    QTest::addColumn<bool>("split");
    QTest::addColumn<bool>("pix4d");
    QTest::addColumn<QString>("existing");
    QTest::newRow("single") << false << false << "fileData.txt";
    QTest::newRow("pix4d") << false << true << "fileData_Pix4d.txt";
    QTest::newRow("second block") << true << false << "fileData02.txt";
}

void TestCoordinateFileWriter::existingFileIsRefused()
{
    QFETCH(bool, split);
    QFETCH(bool, pix4d);
    QFETCH(QString, existing);
    const QString path = QDir(m_out).filePath(existing);
    {
        QFile first(path);
        QVERIFY(first.open(QIODevice::WriteOnly));
        first.write("coordinates of the first run\n");
    }
    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, Utm, false, "\t", split, pix4d);
    QVERIFY(!writer.open(m_out, 3));
    QCOMPARE(writer.result(), CoordinateFileWriter::FileExists);
    QCOMPARE(int(writer.result()), -2);
    QCOMPARE(writer.errorText(), QStringLiteral("Coordinate file %1 already exists").arg(existing));
    QVERIFY(!writer.isOpen());
    QCOMPARE(readFile(path), QStringLiteral("coordinates of the first run\n"));
    QCOMPARE(QDir(m_out).entryList(QDir::Files), QStringList{existing}); // nothing else made
}

void TestCoordinateFileWriter::unwritableFolder()
{
    OutputLabelModel labels;
    CoordinateFileWriter writer(labels, Utm, false, "\t", false, false);
    QVERIFY(!writer.open(QDir(m_out).filePath("missing/folder"), 1));
    QCOMPARE(writer.result(), CoordinateFileWriter::OpenFailed);
    QVERIFY2(writer.errorText().startsWith("Failed to open for writing a file fileData.txt ("),
             qPrintable(writer.errorText()));
    QVERIFY(writer.errorText().contains("missing/folder"));
    QVERIFY(!writer.writeLine(0, firstPhoto()));
}

QTEST_GUILESS_MAIN(TestCoordinateFileWriter)
#include "testcoordinatefilewriter.moc"
