#include "photos/nativephotopath.h"
#include "photos/photofile.h"
#include "testenv.h"

#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <QtTest>

class TestNativePhotoPath : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void convert_data();
    void convert();
    void bothFormsReachTheSameFile_data();
    void bothFormsReachTheSameFile();

private:
    QTemporaryDir m_dir;
};

void TestNativePhotoPath::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestNativePhotoPath::convert_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("expected");
    QTest::newRow("path") << "/home/u/f/a.jpg"
                          << "/home/u/f/a.jpg";
    QTest::newRow("url") << "file:///home/u/f/a.jpg"
                         << "/home/u/f/a.jpg";
    QTest::newRow("url with a plain blank") << "file:///home/u/a b.jpg"
                                            << "/home/u/a b.jpg";
    QTest::newRow("percent-encoded url") << "file:///home/u/a%20b%23c.jpg"
                                         << "/home/u/a b#c.jpg";
    QTest::newRow("encoded non-ASCII")
        << "file:///home/u/%C3%A9t%C3%A9.JPG" << QString::fromUtf8("/home/u/été.JPG");
    QTest::newRow("upper-case scheme") << "FILE:///home/u/a.jpg"
                                       << "/home/u/a.jpg";
    QTest::newRow("path keeps a percent sign") << "/home/u/100%20off.jpg"
                                               << "/home/u/100%20off.jpg";
    QTest::newRow("relative path") << "photos/a.jpg"
                                   << "photos/a.jpg";
    QTest::newRow("empty") << ""
                           << "";
}

void TestNativePhotoPath::convert()
{
    QFETCH(QString, entry);
    QFETCH(QString, expected);
    QCOMPARE(nativePhotoPath(entry), expected);
}

void TestNativePhotoPath::bothFormsReachTheSameFile_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("plain") << "a.jpg";
    QTest::newRow("blank and hash") << "a b#1.jpg";
    QTest::newRow("percent in the name") << "50%.jpg";
}

void TestNativePhotoPath::bothFormsReachTheSameFile()
{
    QFETCH(QString, name);
    const QString path = m_dir.filePath(name);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(QByteArray(1234, 'x')), qint64(1234));
    file.close();

    // How a drop hands the entry over, and how it reads once percent-decoded for display.
    const QString encoded = QUrl::fromLocalFile(path).toString(QUrl::FullyEncoded);
    const QString pretty = QUrl::fromLocalFile(path).toString();
    for (const QString &entry : {path, encoded, pretty}) {
        QCOMPARE(nativePhotoPath(entry), path);
        QVERIFY2(PhotoFile::exists(entry), qPrintable(entry));
        QCOMPARE(PhotoFile::size(entry), qint64(1234));
    }
    QVERIFY(QFile::remove(path));
    QVERIFY(!PhotoFile::exists(encoded));
    QCOMPARE(PhotoFile::size(encoded), qint64(0));
}

QTEST_GUILESS_MAIN(TestNativePhotoPath)
#include "testnativephotopath.moc"
