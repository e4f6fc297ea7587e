#include "app/guiresources.h"
#include "app/mainwindow.h"
#include "blockfill.h"
#include "blocks/customtablemodel.h"
#include "blocks/fly.h"
#include "photos/photomodel.h"
#include "processing/previewtablemodel.h"
#include "scriptedprompts.h"
#include "syntheticflight.h"
#include "testenv.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QtTest>

/// The settings dialog opened from the main window, and what the blocks make of it.
class TestMainWindowSettings : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void blocksFollowTheDialog_data();
    void blocksFollowTheDialog();

private:
    QTemporaryDir m_dir;
};

namespace {

/// Plays the operator in the settings dialog.
struct SettingsPrompts : ScriptedPrompts
{
    std::function<void(QDialog &)> inDialog;
    int exec(QDialog &dialog) override
    {
        inDialog(dialog);
        return dialog.result();
    }
};

} // namespace

void TestMainWindowSettings::initTestCase()
{
    QVERIFY(m_dir.isValid());
    TestEnv::isolate(m_dir);
    GuiResources::initialize();
}

void TestMainWindowSettings::blocksFollowTheDialog_data()
{
    QTest::addColumn<int>("blocks");
    QTest::addColumn<double>("yaw");
    QTest::addColumn<bool>("former");
    QTest::addColumn<QVector<int>>("offsets");  // A, B, Z in millimetres
    QTest::addColumn<QVector<double>>("shift"); // north, east, height in metres
    QTest::newRow("heading north")
        << 1 << 0.0 << false << QVector<int>{1000, 500, -2000} << QVector<double>{1.0, 0.5, -2.0};
    QTest::newRow("heading east") << 1 << 90.0 << false << QVector<int>{30, 0, 0}
                                  << QVector<double>{0.0, 0.03, 0.0};
    // The former formula turned the forward offset the other way for a drone heading east.
    QTest::newRow("heading east, former formula")
        << 1 << 90.0 << true << QVector<int>{30, 0, 0} << QVector<double>{0.0, -0.03, 0.0};
    QTest::newRow("two blocks") << 2 << 0.0 << false << QVector<int>{0, 0, 0}
                                << QVector<double>{0.0, 0.0, 0.0};
}

void TestMainWindowSettings::blocksFollowTheDialog()
{
    QFETCH(int, blocks);
    QFETCH(double, yaw);
    QFETCH(bool, former);
    QFETCH(QVector<int>, offsets);
    QFETCH(QVector<double>, shift);
    QSettings().clear();
    auto *prompts = new SettingsPrompts;
    UserPrompts::setInstance(prompts);
    MainWindow window;
    window.setPhotoCheckPaused(true);

    // One photo of the yaw and one row at (500000, 6000000, 100) in the first block.
    static int serial = 0;
    const QString dir = m_dir.filePath(QString::number(++serial));
    QVERIFY(QDir().mkpath(dir));
    PhotoSpec spec;
    spec.yaw = yaw;
    QVERIFY(SyntheticFlight::writePhoto(dir + "/p.jpg", spec));
    QVERIFY(SyntheticFlight::writeTimemarks(
        dir + "/t.csv", {{"2024/05/17 10:00:00", 6000000.0, 500000.0, 100.0, 0.01, 0.01, 0.01}},
        SyntheticFlight::Format::Semicolon));
    Fly *fly = window.blocks().first();
    QVERIFY(BlockFill::fill(fly, {dir + "/p.jpg"}, dir + "/t.csv"));
    if (blocks == 2)
        window.on_btn_addFly_clicked();

    bool systemFree = false;
    prompts->inDialog = [&](QDialog &dialog) {
        const char *spins[] = {"spin_offsetX", "spin_offsetY", "spin_offsetZ"};
        for (int i = 0; i < 3; ++i)
            dialog.findChild<QSpinBox *>(QLatin1String(spins[i]))->setValue(offsets.at(i));
        dialog.findChild<QCheckBox *>(QStringLiteral("chkb_leverArmDesign"))->setChecked(former);
        auto *wgs = dialog.findChild<QRadioButton *>(QStringLiteral("radio_wgs"));
        systemFree = wgs->isEnabled() &&
                     dialog.findChild<QRadioButton *>(QStringLiteral("radio_utm"))->isEnabled();
        if (systemFree)
            wgs->click();
        dialog.findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Ok)->click();
    };
    window.findChild<QAction *>(QStringLiteral("actionSettings"))->trigger();

    QCOMPARE(systemFree, blocks == 1);
    // The single block reads its metric file again as degrees, refuses, and keeps its row.
    QCOMPARE(prompts->warnings.size(), blocks == 1 ? 1 : 0);
    QCOMPARE(fly->data()->timemarks()->rowCount(), 1);
    const double position[] = {6000000.0, 500000.0, 100.0};
    for (int c = 1; c <= 3; ++c) {
        const double shown = fly->data()->preview()->index(0, c).data().toDouble();
        QVERIFY2(qAbs(shown - position[c - 1] - shift.at(c - 1)) < 1e-6,
                 qPrintable(QString::number(c)));
    }
    UserPrompts::setInstance(nullptr);
}

QTEST_MAIN(TestMainWindowSettings)
#include "testmainwindowsettings.moc"
