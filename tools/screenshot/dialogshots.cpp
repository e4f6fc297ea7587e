// Shows the timemark import dialog, the photo viewer or the settings dialog as an operator would
// see them and saves a picture of the window, for the README. tools/screenshots.sh runs it:
//   kestrix-dialog-shots import FILE.pos OUT.png    an RTKLIB file in degrees, date and time joined
//   kestrix-dialog-shots plain FILE OUT.png         any file chosen with the stored settings
//   kestrix-dialog-shots viewer PHOTO OUT.png       a photo with its tags
//   kestrix-dialog-shots settings OUT.png OUT2.png  both tabs of the settings dialog
// Settings go to a temporary folder; the operator's own are never touched.
#include "blocks/tableview.h"
#include "geo/geocalc.h"
#include "photos/viewphoto.h"
#include "settings/settingsdialog.h"
#include "settings/settingskeys.h"
#include "shotkit.h"
#include "testenv.h"
#include "timemarks/opentimemarkdialog.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QScrollBar>
#include <QSettings>
#include <QSpinBox>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextStream>
#include <QTreeView>

namespace {

bool save(QWidget &window, const QString &out)
{
    // The explorer's folder listing and the column fits run on timers.
    QTest::qWait(1500);
    return ShotKit::save(window.grab().toImage(), out);
}

int showImport(const QString &file, const QString &out)
{
    QSettings settings;
    Keys::CoordinateType.write(settings, Keys::CoordinateTypeWgs84);
    Keys::LastDir.write(settings, QFileInfo(file).absolutePath());
    settings.sync();
    GeoCalc geoCalc;
    OpenTimeMarkDialog dialog(&geoCalc);
    dialog.move(0, 0);
    dialog.show();
    dialog.chooseFile(file);
    OpentTimeMarkTableModel *model = dialog.tableModel();
    // An RTKLIB line starts with date and time as two cells: join them into one date.
    model->joinCols(0, 1);
    const QList<QPair<const char *, int>> roles = {{"spn_date", 1}, {"spn_x", 2},  {"spn_y", 3},
                                                   {"spn_z", 4},    {"spn_sx", 7}, {"spn_sy", 8},
                                                   {"spn_sz", 9}};
    for (const auto &role : roles)
        dialog.findChild<QSpinBox *>(QLatin1String(role.first))->setValue(role.second);
    int first = 0;
    while (first < model->rowCount() && model->rowCells(first).value(0).startsWith('%'))
        ++first;
    dialog.table_first_valueChanged(first);
    auto *table = dialog.findChild<TableView *>(QStringLiteral("tableMeta"));
    table->scrollTo(model->index(qMax(0, first - 3), 0), QAbstractItemView::PositionAtTop);
    // The folder tree starts two folders above the file instead of at "/": whatever else lies
    // in /tmp of the machine that takes the picture has no place in the README.
    QTest::qWait(1500);
    auto *tree = dialog.findChild<QTreeView *>(QStringLiteral("treeView"));
    auto *files = qobject_cast<QFileSystemModel *>(tree->model());
    QDir top = QFileInfo(file).absoluteDir();
    top.cdUp();
    top.cdUp();
    if (files)
        tree->setRootIndex(files->index(top.absolutePath()));
    tree->horizontalScrollBar()->setValue(0);
    return save(dialog, out) ? 0 : 1;
}

int showPlain(const QString &file, const QString &out)
{
    GeoCalc geoCalc;
    OpenTimeMarkDialog dialog(&geoCalc);
    dialog.move(0, 0);
    dialog.show();
    dialog.chooseFile(file);
    return save(dialog, out) ? 0 : 1;
}

int showViewer(const QString &photo, const QString &out)
{
    ViewPhoto viewer;
    viewer.move(0, 0);
    viewer.show();
    viewer.showPhoto(photo);
    return save(viewer, out) ? 0 : 1;
}

int showSettings(const QString &general, const QString &antenna)
{
    // The folder the other pictures show, instead of the home folder of whoever refreshes them.
    {
        QSettings settings;
        Keys::OutputDir.write(settings, ShotKit::surveyFolderPath() + QStringLiteral("/output"));
    }
    SettingsDialog dialog{QString()};
    dialog.move(0, 0);
    dialog.show();
    if (!save(dialog, general))
        return 1;
    dialog.findChild<QTabWidget *>(QStringLiteral("tabWidget"))->setCurrentIndex(1);
    return save(dialog, antenna) ? 0 : 1;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir work;
    TestEnv::isolate(work);
    const auto english = ShotKit::prepareWindows();
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: kestrix-dialog-shots import|plain|viewer FILE OUT.png\n"
                               "       kestrix-dialog-shots settings OUT.png OUT-SECOND-TAB.png\n";
        return 2;
    }
    if (args.at(1) == QLatin1String("import"))
        return showImport(args.at(2), args.at(3));
    if (args.at(1) == QLatin1String("plain"))
        return showPlain(args.at(2), args.at(3));
    if (args.at(1) == QLatin1String("viewer"))
        return showViewer(args.at(2), args.at(3));
    if (args.at(1) == QLatin1String("settings"))
        return showSettings(args.at(2), args.at(3));
    return 2;
}
