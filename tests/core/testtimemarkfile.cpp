#include "app/sharedconstants.h"
#include "geo/geocalc.h"
#include "settings/settingskeys.h"
#include "testenv.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QAbstractItemModelTester>
#include <QDir>
#include <QFile>
#include <QSettings>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <memory>
#include <sys/stat.h>
#include <unistd.h>

namespace {

// Starts a new peak measurement; false where the kernel does not offer it.
bool resetPeakMemory()
{
    QFile clear(QStringLiteral("/proc/self/clear_refs"));
    return clear.open(QIODevice::WriteOnly) && clear.write("5") == 1;
}

QStringList g_messages;

void collectMessages(QtMsgType, const QMessageLogContext &context, const QString &text)
{
    g_messages << QStringLiteral("%1: %2").arg(QString::fromLatin1(context.category), text);
}

QString cellsText(const QVector<QString> &cells)
{
    return QStringList(cells.toList()).join('|');
}

QStringList tableText(const OpentTimeMarkTableModel &model)
{
    QStringList rows;
    for (int r = 0; r < model.rowCount(); ++r)
        rows << cellsText(model.rowCells(r));
    return rows;
}

} // namespace

class TestTimemarkFile : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void init();
    void detection_data();
    void detection();
    void detectionStoresFoldersAndLogs();
    void detectionRespectsSwitches_data();
    void detectionRespectsSwitches();
    void loading_data();
    void loading();
    void failedLoadKeepsRows();
    void encodings_data();
    void encodings();
    void localeEightBitEncoding();
    void overlongLineIsRefused();
    void boundedReading_data();
    void boundedReading();
    void realFiles_data();
    void realFiles();
    void realDmsFileByJoining();
    void rtklibForms_data();
    void rtklibForms();
    void realCorruptCellIsReported();

private:
    QString write(const QString &name, const QByteArray &bytes);
    QTemporaryDir m_dir;
    std::unique_ptr<GeoCalc> m_geo;
};

void TestTimemarkFile::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    m_geo = std::make_unique<GeoCalc>();
    QVERIFY2(m_geo->isReady(), qPrintable(m_geo->errorText()));
}

void TestTimemarkFile::init()
{
    QSettings s;
    s.clear();
    s.sync();
}

QString TestTimemarkFile::write(const QString &name, const QByteArray &bytes)
{
    const QString path = m_dir.filePath(name);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return QString();
    return path;
}

void TestTimemarkFile::detection_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<bool>("recognised");
    QTest::addColumn<int>("index");
    QTest::newRow("semicolon before comma") << QByteArray("aaaa;bbbb;cccc,dddd\n") << true << 1;
    QTest::newRow("comma when semicolon gives two")
        << QByteArray("aaaa;bbbb,cccc,dddd\n") << true << 2;
    QTest::newRow("tab before everything") << QByteArray("a;b;c\td;e\tf,g,h i j\n") << true << 0;
    QTest::newRow("whitespace") << QByteArray("2020/05/17 10:22:33 1.5\n") << true << 3;
    QTest::newRow("leading blanks give an empty part")
        << QByteArray("     12345 678\n") << true << 3;
    QTest::newRow("five characters never count") << QByteArray("1,2,3\n1;2;3\n") << false << -1;
    QTest::newRow("short line skipped, next decides")
        << QByteArray("1;2;3\n10,20,30,40\n") << true << 2;
    QTest::newRow("comment lines skipped")
        << QByteArray("#a;b;c;d;e;f\n@a;b;c;d;e;f\n%a;b;c;d;e;f\nxxxx,yyyy,zzzz\n") << true << 2;
    QTest::newRow("two parts only") << QByteArray("hello world\nabcdefghijkl\n") << false << -1;
    QTest::newRow("empty file") << QByteArray() << false << -1;
    QTest::newRow("rtklib header then data")
        << QByteArray("% program   : RTKPOST ver.2.4.3\n%  GPST  latitude(deg) longitude(deg)\n"
                      "2020/12/24 21:28:42.000   40.097025378 -105.147247371  1578.8456\n")
        << true << 3;
}

void TestTimemarkFile::detection()
{
    QFETCH(QByteArray, content);
    QFETCH(bool, recognised);
    QFETCH(int, index);
    const QString path = write(QStringLiteral("detect.txt"), content);
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    file.setSeparatorIndex(recognised && index == 0 ? 3 : 0); // so a change is visible
    const int before = file.separatorIndex();
    QSignalSpy changed(&file, &TimemarkFile::separatorIndexChanged);
    QCOMPARE(file.detectSeparator(path), recognised);
    QCOMPARE(file.fileName(), path);
    QSettings s;
    if (recognised) {
        QCOMPARE(file.separatorIndex(), index);
        QCOMPARE(Keys::MetaSeparator.read(s), index);
        QCOMPARE(changed.count(), index == before ? 0 : 1);
        QVERIFY(file.errorText().isEmpty());
    } else {
        QCOMPARE(file.separatorIndex(), before);
        QVERIFY(!Keys::MetaSeparator.isStored(s));
        QVERIFY(!file.errorText().isEmpty());
    }
    QCOMPARE(model.rowCount(), 0); // detection never loads
}

void TestTimemarkFile::detectionStoresFoldersAndLogs()
{
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(!file.detectSeparator(QString()));
    QSettings s;
    QVERIFY(!Keys::LastDir.isStored(s));

    QDir(m_dir.path()).mkpath(QStringLiteral("flight"));
    const QString missing = m_dir.filePath(QStringLiteral("flight/none.txt"));
    g_messages.clear();
    const QtMessageHandler previous = qInstallMessageHandler(collectMessages);
    const bool result = file.detectSeparator(missing);
    qInstallMessageHandler(previous);
    // The folders are stored before the file is opened, so also for a file that fails.
    QVERIFY(!result);
    QVERIFY(file.errorText().contains(missing));
    QCOMPARE(Keys::LastDir.read(s), m_dir.filePath(QStringLiteral("flight")));
    QCOMPARE(Keys::OutputDir.read(s), m_dir.filePath(QStringLiteral("flight")));
    QCOMPARE(g_messages, QStringList{QStringLiteral("Info: Timemark file was selected")});

    // Neither is a folder, nor a FIFO, which is not even waited on.
    QVERIFY(!file.detectSeparator(m_dir.filePath(QStringLiteral("flight"))));
    QCOMPARE(file.errorText(),
             QStringLiteral("The timemark file %1 is a folder").arg(m_dir.filePath("flight")));
    const QString fifo = m_dir.filePath(QStringLiteral("flight/fifo.csv"));
    QVERIFY(::mkfifo(QFile::encodeName(fifo).constData(), 0600) == 0);
    QVERIFY(!file.detectSeparator(fifo));
    QCOMPARE(file.errorText(),
             QStringLiteral("The timemark file %1 is a FIFO (named pipe), not a file").arg(fifo));
    QVERIFY(!file.loadTable());
}

void TestTimemarkFile::detectionRespectsSwitches_data()
{
    QTest::addColumn<bool>("autoOutAsInp");
    QTest::addColumn<bool>("autosave");
    QTest::addColumn<bool>("remember");
    QTest::newRow("both on") << true << true << true;
    QTest::newRow("output folder kept") << false << true << true;
    QTest::newRow("delimiter not stored") << true << false << true;
    QTest::newRow("command line stores nothing") << true << true << false;
}

void TestTimemarkFile::detectionRespectsSwitches()
{
    QFETCH(bool, autoOutAsInp);
    QFETCH(bool, autosave);
    QFETCH(bool, remember);
    QSettings s;
    Keys::OutputAutoOutAsInp.write(s, autoOutAsInp);
    Keys::MetaAutosave.write(s, autosave);
    Keys::OutputDir.write(s, QStringLiteral("/elsewhere"));
    s.sync();
    const QString path = write(QStringLiteral("switch.csv"), "aaaa,bbbb,cccc\n");
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    file.setRemembersChoices(remember);
    QVERIFY(file.detectSeparator(path));
    QCOMPARE(file.separatorIndex(), 2);
    QCOMPARE(Keys::LastDir.isStored(s), remember);
    QCOMPARE(Keys::OutputDir.read(s),
             remember && autoOutAsInp ? m_dir.path() : QStringLiteral("/elsewhere"));
    QCOMPARE(Keys::MetaSeparator.isStored(s), remember && autosave);
}

void TestTimemarkFile::loading_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<int>("separator");
    QTest::addColumn<QStringList>("rows");
    QTest::newRow("whitespace keeps a leading empty cell")
        << QByteArray("  a b\tc  d e\n") << 3 << QStringList{"|a|b|c|d|e"};
    QTest::newRow("whitespace keeps a trailing empty cell")
        << QByteArray("aaaa bbbb cccc \n") << 3 << QStringList{"aaaa|bbbb|cccc|"};
    QTest::newRow("adjacent literal delimiters")
        << QByteArray("aaaa;;bbbb;cccc\n") << 1 << QStringList{"aaaa||bbbb|cccc"};
    QTest::newRow("short and narrow lines dropped")
        << QByteArray("1,2,3\nabcdefghij,k\nlong,enough,line\n") << 2
        << QStringList{"long|enough|line"};
    QTest::newRow("header lines become rows")
        << QByteArray("% program   : RTKPOST\n%\n2020/12/24 21:28:42.000 40.1 -105.1 1578.8\n") << 3
        << QStringList{"%|program|:|RTKPOST", "2020/12/24|21:28:42.000|40.1|-105.1|1578.8"};
    QTest::newRow("pattern is literal without backslash")
        << QByteArray("a.b.c.d.e.f|g|h|i\n") << 2 << QStringList();
    // The expression matches ASCII whitespace only; an em space is part of a cell.
    QTest::newRow("non-ascii line goes through the expression")
        << QByteArray("caf\xc3\xa9 \xe2\x80\x83x\ty  z\n") << 3
        << QStringList{QStringLiteral("caf\u00e9|\u2003x|y|z")};
}

void TestTimemarkFile::loading()
{
    QFETCH(QByteArray, content);
    QFETCH(int, separator);
    QFETCH(QStringList, rows);
    const QString path = write(QStringLiteral("load.txt"), content);
    OpentTimeMarkTableModel model(m_geo.get());
    QAbstractItemModelTester tester(&model, QAbstractItemModelTester::FailureReportingMode::QtTest);
    TimemarkFile file(&model);
    file.setFileName(path);
    file.setSeparatorIndex(separator);
    QCOMPARE(file.loadTable(), !rows.isEmpty());
    QCOMPARE(tableText(model), rows);
    QCOMPARE(file.loadedFileName(), path);
    const int lastCount = rows.isEmpty() ? 0 : rows.last().count('|') + 1;
    QCOMPARE(file.lastCellCount(), lastCount);
    if (!rows.isEmpty())
        QCOMPARE(model.columnCount(), lastCount);
}

void TestTimemarkFile::failedLoadKeepsRows()
{
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(!file.loadTable()); // no file chosen
    file.setSeparatorIndex(1);
    file.setFileName(write(QStringLiteral("keep.txt"), "aaaa;bbbb;cccc\ndddd;eeee;ffff\n"));
    QVERIFY(file.loadTable());
    const QString loaded = file.loadedFileName();
    file.setFileName(m_dir.filePath(QStringLiteral("gone.txt")));
    QVERIFY(!file.loadTable());
    QVERIFY(!file.errorText().isEmpty());
    QCOMPARE(tableText(model), (QStringList{"aaaa|bbbb|cccc", "dddd|eeee|ffff"}));
    QCOMPARE(file.loadedFileName(), loaded);
}

void TestTimemarkFile::encodings_data()
{
    QTest::addColumn<QByteArray>("codec");
    QTest::addColumn<QString>("lineEnd");
    for (const char *codec : {"UTF-8", "UTF-16LE", "UTF-16BE", "UTF-32LE", "UTF-32BE"}) {
        QTest::addRow("%s LF", codec) << QByteArray(codec) << QStringLiteral("\n");
        QTest::addRow("%s CRLF", codec) << QByteArray(codec) << QStringLiteral("\r\n");
    }
}

void TestTimemarkFile::encodings()
{
    QFETCH(QByteArray, codec);
    QFETCH(QString, lineEnd);
    const QString text = QStringLiteral("Дата;Север;Восток;H\u00b0") + lineEnd +
                         QStringLiteral("2024/05/17;6000000,5;500000.25;100") + lineEnd +
                         QStringLiteral("2024/05/18;6000010.5;500001.25;101");
    QTextEncoder *encoder =
        QTextCodec::codecForName(codec)->makeEncoder(QTextCodec::DefaultConversion);
    const QByteArray bytes = encoder->fromUnicode(QChar(0xfeff) + text);
    delete encoder;
    const QString path = write(QStringLiteral("bom.txt"), bytes);
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(file.detectSeparator(path));
    QCOMPARE(file.separatorIndex(), 1);
    QVERIFY(file.loadTable());
    QCOMPARE(tableText(model), (QStringList{QStringLiteral("Дата|Север|Восток|H\u00b0"),
                                            "2024/05/17|6000000,5|500000.25|100",
                                            "2024/05/18|6000010.5|500001.25|101"}));
    model.setColDate(1);
    model.setColX(2);
    model.setColY(3);
    model.setColZ(4);
    model.setFirstRow(2);
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines.at(0).y, 6000000.5);
    QCOMPARE(lines.at(1).x, 500001.25);
    QVERIFY(!report.hasProblems());
}

void TestTimemarkFile::localeEightBitEncoding()
{
    QTextCodec *previous = QTextCodec::codecForLocale();
    QTextCodec::setCodecForLocale(QTextCodec::codecForName("ISO-8859-1"));
    const QString path = write(QStringLiteral("latin1.txt"), "Punkt\xb0;Nord;Ost\r\n");
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    file.setSeparatorIndex(1);
    file.setFileName(path);
    const bool loaded = file.loadTable();
    QTextCodec::setCodecForLocale(previous);
    QVERIFY(loaded);
    QCOMPARE(tableText(model), QStringList{QStringLiteral("Punkt\u00b0|Nord|Ost")});
}

void TestTimemarkFile::overlongLineIsRefused()
{
    const QString good = write(QStringLiteral("good.txt"), "aaaa;bbbb;cccc\n");
    QByteArray huge = "aaaa;bbbb;cccc\n";
    huge += QByteArray(TimemarkFile::MaxLineLength + 10, 'x');
    const QString bad = write(QStringLiteral("huge.txt"), huge);
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    file.setSeparatorIndex(1);
    file.setFileName(good);
    QVERIFY(file.loadTable());
    file.setFileName(bad);
    QVERIFY(!file.loadTable());
    QVERIFY2(file.errorText().contains(QStringLiteral("longer than")),
             qPrintable(file.errorText()));
    QCOMPARE(tableText(model), QStringList{"aaaa|bbbb|cccc"});
    QCOMPARE(file.loadedFileName(), good);

    const QString onlyHuge = write(QStringLiteral("onlyhuge.txt"), huge.mid(15));
    QVERIFY(!file.detectSeparator(onlyHuge));
    QVERIFY(file.errorText().contains(QStringLiteral("longer than")));
}

void TestTimemarkFile::boundedReading_data()
{
    // How the file is made: bytes written, or a sparse file of that size (all NUL bytes,
    // costing no disk), or that many valid rows.
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<qint64>("sparseSize");
    QTest::addColumn<int>("validRows");
    QTest::addColumn<bool>("detected");
    QTest::addColumn<QString>("message");
    const QByteArray rows = "2024/05/17;6000000.0;500000.0;100.0\n"
                            "2024/05/18;6000010.0;500000.0;100.0\n";
    QTest::newRow("zeroed tail of a card")
        << rows + QByteArray(4096, '\0') << qint64(0) << 0 << true
        << "holds NUL bytes (line 3); it is not a text file";
    QTest::newRow("NUL inside a number")
        << QByteArrayLiteral(
               "2024/05/17;6000000.0;500000.0;100.0\n2024/05/18;6000010.0;50\0000.0;1\n")
        << qint64(0) << 0 << true << "holds NUL bytes (line 2)";
    QTest::newRow("UTF-16 without a byte-order mark")
        << QByteArrayLiteral("2\0000\0002\0004\000;\0006\0000\000;\0005\0000\000;\0001\000\n\000")
        << qint64(0) << 0 << false << "holds NUL bytes (line 1)";
    QTest::newRow("sparse 1 GB") << QByteArray() << (qint64(1) << 30) << 0 << false
                                 << "is larger than 64 MB; it is not a timemark file";
    QTest::newRow("sparse just below the size limit")
        << QByteArray() << TimemarkFile::MaxFileSize << 0 << false << "holds NUL bytes (line 1)";
    QTest::newRow("one row more than the limit")
        << QByteArray() << qint64(0) << TimemarkFile::MaxRows + 1 << true
        << "holds more than 100000 rows";
    QTest::newRow("rows up to the limit")
        << QByteArray() << qint64(0) << TimemarkFile::MaxRows << true << QString();
}

void TestTimemarkFile::boundedReading()
{
    QFETCH(QByteArray, content);
    QFETCH(qint64, sparseSize);
    QFETCH(int, validRows);
    QFETCH(bool, detected);
    QFETCH(QString, message);
    const QString path = m_dir.filePath(QStringLiteral("bounded.txt"));
    QFile::remove(path);
    if (sparseSize > 0) {
        QVERIFY(write(QStringLiteral("bounded.txt"), QByteArray()) == path);
        QVERIFY(::truncate(QFile::encodeName(path).constData(), off_t(sparseSize)) == 0);
    } else if (validRows > 0) {
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly));
        for (int i = 0; i < validRows; ++i)
            f.write(QStringLiteral("2024/05/17;%1;500000.0;100.0\n").arg(i).toLatin1());
    } else {
        QVERIFY(write(QStringLiteral("bounded.txt"), content) == path);
    }
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    file.setSeparatorIndex(1);
    file.setFileName(write(QStringLiteral("before.txt"), "aaaa;bbbb;cccc\n"));
    QVERIFY(file.loadTable());

    const bool measured = !TestEnv::isSanitized() && resetPeakMemory();
    const qint64 peakBefore = TestEnv::peakMemoryKb();
    QCOMPARE(file.detectSeparator(path), detected);
    if (!detected)
        QVERIFY2(file.errorText().contains(message), qPrintable(file.errorText()));
    file.setSeparatorIndex(1);
    const bool loaded = file.loadTable();
    if (measured) // whatever the file, reading it stays far below its size
        QVERIFY2(TestEnv::peakMemoryKb() - peakBefore < 64 * 1024,
                 qPrintable(QString::number(TestEnv::peakMemoryKb() - peakBefore)));
    if (message.isEmpty()) {
        QVERIFY(loaded);
        QCOMPARE(model.rowCount(), validRows);
        return;
    }
    QVERIFY(!loaded);
    QVERIFY2(file.errorText().contains(message), qPrintable(file.errorText()));
    QVERIFY(file.errorText().contains(path));
    QCOMPARE(tableText(model), QStringList{"aaaa|bbbb|cccc"}); // the table in use stays
}

void TestTimemarkFile::realFiles_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("headerRows");
    QTest::addColumn<int>("dataRows");
    QTest::addColumn<int>("columns");
    QTest::addColumn<QString>("date");
    QTest::addColumn<double>("lat");
    QTest::addColumn<double>("lon");
    QTest::addColumn<double>("height");
    QTest::addColumn<double>("sdn");
    // Header rows: "%" lines of 10+ characters and 3+ words; the bare "%" line is dropped.
    QTest::newRow("demo5") << "demo5_b34f_f.pos" << 23 << 4521 << 15 << "2020/12/24" << 40.097025378
                           << -105.147247371 << 1578.8456 << 1.4193;
    QTest::newRow("week seconds") << "py_0315f.pos" << 1 << 4521 << 15 << "2137" << 40.097024946
                                  << -105.147249402 << 1578.7073 << 1.8441;
    QTest::newRow("24 columns") << "static_rover_rtk.pos" << 24 << 301 << 24 << "2024/06/24"
                                << 35.134699011 << 136.977575483 << 104.8619 << 0.0024;
    QTest::newRow("5 Hz") << "kinematic_rover_rtk.pos" << 21 << 5395 << 15 << "2270" << 35.165360868
                          << 136.881409540 << 41.4082 << 0.0049;
    QTest::newRow("CRLF") << "Rover-dynamic_RTK_GPS-GAL_Forward_FixAndHold.pos" << 24 << 601 << 24
                          << "2023/01/08" << 48.780735781 << 9.173352866 << 319.9977 << 1.4664;
    QTest::newRow("gpst2") << "lla__lla_gpst2_111_dd.pos" << 13 << 2 << 24 << "2023/01/08"
                           << 29.999994371 << 94.999992812 << -9.3615 << 2.5813;
    QTest::newRow("utc") << "lla__lla_utc_111_dd.pos" << 13 << 2 << 24 << "2023/01/08"
                         << 29.999994371 << 94.999992812 << -9.3615 << 2.5813;
    QTest::newRow("jst") << "lla__lla_jst_111_dd.pos" << 13 << 2 << 24 << "2023/01/08"
                         << 29.999994371 << 94.999992812 << -9.3615 << 2.5813;
    QTest::newRow("column line only") << "lla__lla_gpst_000_dd.pos" << 1 << 2 << 15 << "2244"
                                      << 29.999994371 << 94.999992812 << -9.3615 << 2.5813;
    QTest::newRow("no header") << "corrupt__header_missing.pos" << 0 << 2 << 24 << "2023/01/08"
                               << 29.999994371 << 94.999992812 << -9.3615 << 2.5813;
}

void TestTimemarkFile::realFiles()
{
    const QString dir = TestEnv::testDataDir();
    if (dir.isEmpty())
        QSKIP("The real sample folder is absent");
    QFETCH(QString, name);
    QFETCH(int, headerRows);
    QFETCH(int, dataRows);
    QFETCH(int, columns);
    QFETCH(QString, date);
    QFETCH(double, lat);
    QFETCH(double, lon);
    QFETCH(double, height);
    QFETCH(double, sdn);
    QSettings s;
    Keys::CoordinateType.write(s, Keys::CoordinateTypeWgs84);
    Keys::MetaPosFirst.write(s, headerRows + 1);
    Keys::MetaPosSx.write(s, 8);

    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(file.detectSeparator(dir + QStringLiteral("/pos/") + name));
    QCOMPARE(file.separatorIndex(), 3);
    QCOMPARE(separatorList.at(0).at(file.separatorIndex()), QStringLiteral("rtklib"));
    QVERIFY(file.loadTable());
    QCOMPARE(model.rowCount(), headerRows + dataRows);
    QCOMPARE(model.columnCount(), columns);
    QCOMPARE(file.lastCellCount(), columns);
    for (int r = 0; r < headerRows; ++r)
        QVERIFY(model.rowCells(r).first().startsWith(QLatin1Char('%')));
    for (int r = 0; r < model.rowCount(); ++r)
        QVERIFY(!model.rowCells(r).last().endsWith(QLatin1Char('\r')));

    file.applyStoredColumns();
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    QVERIFY2(!report.hasProblems(), qPrintable(report.warningText()));
    QCOMPARE(lines.size(), dataRows);
    QCOMPARE(report.convertedRows, dataRows);
    const Line &first = lines.first();
    QCOMPARE(first.date, date);
    QCOMPARE(first.lat, lat);
    QCOMPARE(first.lon, lon);
    QCOMPARE(first.z, height);
    QCOMPARE(first.sy, sdn);
    const UtmPoint utm = m_geo->geoToUtm(lon, lat, height);
    QCOMPARE(first.x, utm.x);
    QCOMPARE(first.y, utm.y);
    QCOMPARE(first.zone, GeoCalc::zoneOf(lon));
}

void TestTimemarkFile::realDmsFileByJoining()
{
    const QString dir = TestEnv::testDataDir();
    if (dir.isEmpty())
        QSKIP("The real sample folder is absent");
    QSettings s;
    Keys::CoordinateType.write(s, Keys::CoordinateTypeWgs84);
    // Degrees, minutes and seconds are joined as the file is loaded, so the columns number as
    // in the decimal-degree file of the same solution and the same roles read both.
    QList<Line> both[2];
    const char *names[] = {"lla__lla_gpst2_111_dd.pos", "lla__lla_gpst2_111_ds.pos"};
    for (int f = 0; f < 2; ++f) {
        OpentTimeMarkTableModel model(m_geo.get());
        TimemarkFile file(&model);
        QVERIFY(file.detectSeparator(dir + QStringLiteral("/pos/") + names[f]));
        QVERIFY(file.loadTable());
        QCOMPARE(model.rowCount(), 15);
        QCOMPARE(model.columnCount(), 24);
        model.setColDate(1);
        model.setColX(3);
        model.setColY(4);
        model.setColZ(5);
        model.setFirstRow(model.firstDataRow());
        QCOMPARE(model.firstRow(), 14);
        QCOMPARE(model.lineNumber(13), 15);
        LineConversionReport report;
        both[f] = model.toLines(&report);
        QVERIFY2(!report.hasProblems(), qPrintable(report.warningText()));
        if (f == 1)
            QVERIFY(cellsText(model.rowCells(13))
                        .startsWith(QStringLiteral(
                            "2023/01/08|10:00:00.000|29 59 59.97974|94 59 59.97412|-9.3615|")));
    }
    QCOMPARE(both[1].size(), 2);
    // The file gives seconds to 5 decimals (1.4e-9 degrees); beyond that rounding they agree
    // to 1e-9 degrees.
    const double rounding = 0.5 * 0.00001 / 3600.0;
    for (int i = 0; i < 2; ++i) {
        QVERIFY(qAbs(both[1].at(i).lat - both[0].at(i).lat) <= 1e-9 + rounding);
        QVERIFY(qAbs(both[1].at(i).lon - both[0].at(i).lon) <= 1e-9 + rounding);
        QCOMPARE(both[1].at(i).z, both[0].at(i).z);
        QCOMPARE(both[1].at(i).zone, 46);
    }
}

void TestTimemarkFile::rtklibForms_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("message"); // empty: loads
    QTest::newRow("ECEF") << "ecef__ecef_gpst2_111_dd.pos"
                          << "is an RTKLIB solution in ECEF (x-ecef, y-ecef, z-ecef) form, which "
                             "holds no latitude, longitude or UTM position: export the solution "
                             "as latitude/longitude/height";
    QTest::newRow("baseline") << "generated"
                              << "is an RTKLIB solution in baseline (e-baseline, n-baseline, "
                                 "u-baseline) form";
    QTest::newRow("latitude/longitude") << "lla__lla_utc_111_dd.pos"
                                        << "";
}

void TestTimemarkFile::rtklibForms()
{
    QFETCH(QString, name);
    QFETCH(QString, message);
    QString path = TestEnv::testDataDir() + QStringLiteral("/pos/") + name;
    if (name == "generated") {
        path = write(QStringLiteral("baseline.pos"),
                     "% (e/n/u-baseline=WGS84,Q=1:fix,2:float,3:sbas,4:dgps,5:single,6:ppp)\n"
                     "%  GPST                  e-baseline(m)  n-baseline(m)  u-baseline(m)   Q  "
                     "ns\n"
                     "2023/01/08 10:00:00.000   12.5010   -3.2500   0.0120   1  12\n");
    } else if (TestEnv::testDataDir().isEmpty()) {
        QSKIP("The real sample folder is absent");
    }
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(file.detectSeparator(path));
    QCOMPARE(file.loadTable(), message.isEmpty());
    QVERIFY2(file.errorText() == (message.isEmpty() ? QString() : path + " " + message) ||
                 file.errorText().startsWith(path + " " + message),
             qPrintable(file.errorText()));
    if (!message.isEmpty())
        QCOMPARE(model.rowCount(), 0);
}

void TestTimemarkFile::realCorruptCellIsReported()
{
    const QString dir = TestEnv::testDataDir();
    if (dir.isEmpty())
        QSKIP("The real sample folder is absent");
    QSettings s;
    Keys::CoordinateType.write(s, Keys::CoordinateTypeWgs84);
    Keys::MetaPosFirst.write(s, 14);
    OpentTimeMarkTableModel model(m_geo.get());
    TimemarkFile file(&model);
    QVERIFY(file.detectSeparator(dir + QStringLiteral("/pos/corrupt__inside_data.pos")));
    QVERIFY(file.loadTable());
    file.applyStoredColumns();
    LineConversionReport report;
    const QList<Line> lines = model.toLines(&report);
    QCOMPARE(lines.size(), 3); // pairing is by index: no row may vanish
    QCOMPARE(report.invalidRows, 1);
    QCOMPARE(report.firstInvalidRow, 15);
    QCOMPARE(report.firstInvalidColumn, 3);
    QCOMPARE(report.firstInvalidText, QStringLiteral("corrupt"));
    QCOMPARE(report.firstInvalidLine, 16);
    QVERIFY2(report.warningText().contains(QStringLiteral(
                 "(first: line 16: column 3 holds \"corrupt\", which is not a number)")),
             qPrintable(report.warningText()));
    QCOMPARE(lines.at(1).lat, 0.0);
    QCOMPARE(lines.at(1).lon, 94.999995363);
    QCOMPARE(lines.at(2).lat, 30.000005283);
}

QTEST_GUILESS_MAIN(TestTimemarkFile)
#include "testtimemarkfile.moc"
