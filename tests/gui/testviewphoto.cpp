#include "app/mainwindow.h"
#include "logcapture.h"
#include "photos/viewphoto.h"
#include "syntheticflight.h"
#include "testenv.h"
#include "testfiles.h"

#include <QLabel>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace {

QString tagValue(const QStandardItemModel *model, const QString &tag)
{
    for (int r = 0; r < model->rowCount(); ++r) {
        if (model->item(r, 0)->text() == tag)
            return model->item(r, 1)->text();
    }
    return QStringLiteral("<absent>");
}

} // namespace

class TestViewPhoto : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void secondPhotoReplacesTheFirst();
    void resizesGiveOneSmoothRescale();
    void unreadablePhotoKeepsWindowUsable();
    void realPhoto();
    void mainWindowKeepsOneViewer();

private:
    QString photo(const QString &name, const QSize &size, const QString &exposure);
    QTemporaryDir m_dir;
};

void TestViewPhoto::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
}

QString TestViewPhoto::photo(const QString &name, const QSize &size, const QString &exposure)
{
    const QString path = m_dir.filePath(name);
    PhotoSpec spec;
    spec.size = size;
    spec.exposureTime = exposure;
    spec.gimbalPitch = -90.0; // the longest tag name a drone writes
    return SyntheticFlight::writePhoto(path, spec) ? path : QString();
}

void TestViewPhoto::secondPhotoReplacesTheFirst()
{
    const QString first = photo(QStringLiteral("a.jpg"), QSize(640, 480), "1/1000");
    const QString second = photo(QStringLiteral("b.jpg"), QSize(300, 600), "1/500");
    ViewPhoto viewer;
    viewer.show();
    viewer.showPhoto(first);
    QCOMPARE(viewer.windowTitle(), "Preview - " + first);
    QCOMPARE(viewer.photo().size(), QSize(640, 480));
    QCOMPARE(tagValue(viewer.tagModel(), "Photo.ExposureTime"), QStringLiteral("0.0010000000"));
    const auto *tags = viewer.findChild<QTableView *>("table_exif");
    for (int row = 0; row < viewer.tagModel()->rowCount(); ++row) {
        const QString tag = viewer.tagModel()->index(row, 0).data().toString();
        QVERIFY2(tags->fontMetrics().horizontalAdvance(tag) < tags->columnWidth(0),
                 qPrintable(tag));
    }

    viewer.showPhoto(second);
    QCOMPARE(viewer.windowTitle(), "Preview - " + second);
    QCOMPARE(viewer.photo().size(), QSize(300, 600));
    QCOMPARE(tagValue(viewer.tagModel(), "Photo.ExposureTime"), QStringLiteral("0.0020000000"));
    const QPixmap shown = viewer.findChild<QLabel *>("lbl_image")->pixmap(Qt::ReturnByValue);
    QVERIFY(shown.height() > shown.width()); // the second photo's shape, fitted to the label

    viewer.close();
    QVERIFY(viewer.photo().isNull());
    QVERIFY(viewer.findChild<QLabel *>("lbl_image")->pixmap(Qt::ReturnByValue).isNull());
}

void TestViewPhoto::resizesGiveOneSmoothRescale()
{
    ViewPhoto viewer;
    viewer.resize(1100, 600);
    viewer.show();
    QVERIFY(QTest::qWaitForWindowExposed(&viewer));
    viewer.showPhoto(photo(QStringLiteral("c.jpg"), QSize(800, 600), "1/250"));
    QSignalSpy scaled(&viewer, &ViewPhoto::pictureScaled);
    auto *timer = viewer.findChild<QTimer *>(QStringLiteral("rescaleTimer"));
    QVERIFY(timer);
    for (const int width : {1150, 1200, 1250}) {
        viewer.resize(width, 620);
        QTRY_VERIFY(!scaled.isEmpty() && scaled.last().first() == false);
        QVERIFY(timer->isActive());
        scaled.clear();
    }
    QTRY_COMPARE(scaled.size(), 1);
    QCOMPARE(scaled.first().first().toBool(), true);
    QVERIFY(!timer->isActive());
}

void TestViewPhoto::unreadablePhotoKeepsWindowUsable()
{
    const QString broken = m_dir.filePath(QStringLiteral("broken.jpg"));
    QVERIFY(TestFiles::write(broken, "no photo"));
    ViewPhoto viewer;
    viewer.show();
    LogCapture log;
    viewer.showPhoto(broken);
    QVERIFY(viewer.photo().isNull());
    QCOMPARE(viewer.findChild<QLabel *>("lbl_image")->text(), QStringLiteral("No image"));
    QCOMPARE(tagValue(viewer.tagModel(), "Metadata").left(14), QStringLiteral("Cannot be read"));
    QCOMPARE(log.lines(QStringLiteral("Critical")).size(), 1);

    viewer.showPhoto(photo(QStringLiteral("d.jpg"), QSize(64, 48), "1/100"));
    QVERIFY(!viewer.photo().isNull());
}

void TestViewPhoto::realPhoto()
{
    if (TestEnv::testDataDir().isEmpty())
        QSKIP("the real-world samples are absent");
    ViewPhoto viewer;
    viewer.show();
    viewer.showPhoto(TestEnv::testDataDir() + QStringLiteral("/photos/H20N_DJI_0006_R.JPG"));
    QVERIFY(!viewer.photo().isNull());
    QCOMPARE(tagValue(viewer.tagModel(), "drone-dji.FlightYawDegree"), QStringLiteral("-86.00"));
}

void TestViewPhoto::mainWindowKeepsOneViewer()
{
    const QString first = photo(QStringLiteral("e.jpg"), QSize(64, 48), "1/100");
    const QString second = photo(QStringLiteral("f.jpg"), QSize(48, 64), "1/200");
    MainWindow window;
    window.show();
    QVERIFY(!window.photoViewer());
    window.on_openPhoto(first);
    ViewPhoto *viewer = window.photoViewer();
    QVERIFY(viewer && viewer->isVisible() && !viewer->parent());
    window.on_openPhoto(second);
    QCOMPARE(window.photoViewer(), viewer);
    QCOMPARE(viewer->windowTitle(), "Preview - " + second);
    // A window without a parent would otherwise keep the program running.
    window.close();
    QVERIFY(!viewer->isVisible());
}

QTEST_MAIN(TestViewPhoto)
#include "testviewphoto.moc"
