#include "photos/photopicture.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QTemporaryDir>
#include <QtTest>

class TestPhotoPicture : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void decodeSize_data();
    void decodeSize();
    void decode();

private:
    QTemporaryDir m_dir;
};

void TestPhotoPicture::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

void TestPhotoPicture::decodeSize_data()
{
    QTest::addColumn<QSize>("full");
    QTest::addColumn<QSize>("bound");
    QTest::addColumn<QSize>("decoded");
    const QSize camera(5472, 3648);
    QTest::newRow("full HD screen") << camera << QSize(1920, 1080) << QSize(2736, 1824);
    QTest::newRow("4K screen") << camera << QSize(3840, 2160) << camera;
    QTest::newRow("small screen") << camera << QSize(800, 600) << QSize(1368, 912);
    QTest::newRow("an eighth") << camera << QSize(600, 400) << QSize(684, 456);
    QTest::newRow("odd size rounds up") << QSize(1001, 801) << QSize(300, 300) << QSize(501, 401);
    QTest::newRow("small photo") << QSize(640, 480) << QSize(1920, 1080) << QSize(640, 480);
    QTest::newRow("no bound") << camera << QSize() << camera;
    QTest::newRow("unknown size") << QSize() << QSize(1920, 1080) << QSize();
}

void TestPhotoPicture::decodeSize()
{
    QFETCH(QSize, full);
    QFETCH(QSize, bound);
    QFETCH(QSize, decoded);
    QCOMPARE(PhotoPicture::decodeSize(full, bound), decoded);
}

void TestPhotoPicture::decode()
{
    const QString path = m_dir.filePath(QStringLiteral("p.jpg"));
    PhotoSpec spec;
    spec.size = QSize(640, 480);
    QVERIFY(SyntheticFlight::writePhoto(path, spec));
    QString error;
    QCOMPARE(PhotoPicture::decode(path, QSize(200, 200), &error).size(), QSize(320, 240));
    QVERIFY(error.isEmpty());
    QVERIFY(
        PhotoPicture::decode(m_dir.filePath(QStringLiteral("none.jpg")), QSize(), &error).isNull());
    QVERIFY(!error.isEmpty());
}

QTEST_GUILESS_MAIN(TestPhotoPicture)
#include "testphotopicture.moc"
