#include "testenv.h"
#include "testfiles.h"
#include "timemarks/rawtextpreview.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextCodec>
#include <QtTest>

#include <sys/stat.h>

class TestRawTextPreview : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void preview_data();
    void preview();
    void fifoReturnsAtOnce();

private:
    QTemporaryDir m_dir;
};

void TestRawTextPreview::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestRawTextPreview::preview_data()
{
    QTest::addColumn<QByteArray>("bytes"); // null: no file at all
    QTest::addColumn<QString>("starts");
    QTest::addColumn<QString>("ends");
    QTest::addColumn<int>("maxLength"); // 0: the whole text

    QByteArray big;
    for (int i = 0; big.size() < 3 * 1048576; ++i)
        big += "line " + QByteArray::number(i) + " of a long export that is no timemark file\n";
    QTest::newRow("small") << QByteArray("a b\nc d\n") << "a b\nc d\n"
                           << "c d\n"
                           << 0;
    QTest::newRow("3 MB: the first 1 MB of whole lines")
        << big << "line 0 of"
        << "file\n[The rest of the file is not shown: these are the first 1.0 MB of 3.0 MB.]"
        << 1048576 + 100;
    QTest::newRow("UTF-16 with its mark")
        << QTextCodec::codecForName("UTF-16LE")->fromUnicode(QStringLiteral("\ufeffÄnderung\n"))
        << QStringLiteral("Änderung") << "\n"
        << 0;
    QTest::newRow("binary") << QByteArray("\xff\xd8\xff\xe0\0\x10JFIF\0", 11) << m_dir.path()
                            << "is not a text file." << 0;
    QTest::newRow("missing") << QByteArray() << m_dir.path()
                             << "cannot be read: No such file or directory" << 0;
}

void TestRawTextPreview::preview()
{
    QFETCH(QByteArray, bytes);
    QFETCH(QString, starts);
    QFETCH(QString, ends);
    QFETCH(int, maxLength);
    const QString path = m_dir.filePath(QString::fromLatin1(QTest::currentDataTag()));
    if (!bytes.isNull())
        QVERIFY(TestFiles::write(path, bytes));
    const QString text = RawTextPreview::read(path);
    QVERIFY2(text.startsWith(starts), qPrintable(text.left(80)));
    QVERIFY2(text.endsWith(ends), qPrintable(text.right(120)));
    if (maxLength > 0)
        QVERIFY(text.size() <= maxLength);
}

// Opening a FIFO for reading would wait for a writer: the preview must refuse it instead.
void TestRawTextPreview::fifoReturnsAtOnce()
{
    const QString path = m_dir.filePath(QStringLiteral("fifo"));
    QVERIFY(::mkfifo(QFile::encodeName(path).constData(), 0600) == 0);
    const QString text = RawTextPreview::read(path);
    QVERIFY2(text.startsWith(path) && text.contains(QLatin1String("FIFO")), qPrintable(text));
}

QTEST_GUILESS_MAIN(TestRawTextPreview)
#include "testrawtextpreview.moc"
