// Shows the timemark import dialog or the photo viewer as an operator would see them and saves
// a picture of the window, for the README. tools/screenshots-dialogs.sh runs it under Xvfb:
//   kestrix-dialog-shots import FILE.pos OUT.png    an RTKLIB file in degrees, date and time joined
//   kestrix-dialog-shots plain FILE OUT.png         any file chosen with the stored settings
//   kestrix-dialog-shots viewer PHOTO OUT.png       a photo with its tags
// Settings go to a temporary folder; the operator's own are never touched.
#include "app/appinfo.h"
#include "app/guiresources.h"
#include "blocks/tableview.h"
#include "geo/geocalc.h"
#include "photos/exivsetup.h"
#include "photos/viewphoto.h"
#include "settings/settingskeys.h"
#include "timemarks/opentimemarkdialog.h"
#include "timemarks/openttimemarktablemodel.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>
#include <QSettings>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTextStream>
#include <QTimer>

namespace {

// Waits for the explorer's folder listing and the column fits, which run on timers.
void settle(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool save(QWidget &window, const QString &out)
{
    settle(1500);
    return window.grab().save(out);
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

} // namespace

int main(int argc, char **argv)
{
    QTemporaryDir config;
    qputenv("XDG_CONFIG_HOME", config.path().toLocal8Bit());
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, config.path());
    AppInfo::apply();
    ExivSetup::initialize();
    QApplication app(argc, argv);
    GuiResources::initialize();
    // The same fonts as the program.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/OpenSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/OpenSans-Bold.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fontawesome-4.7.0.ttf"));
    const QStringList args = app.arguments();
    if (args.size() != 4) {
        QTextStream(stderr) << "usage: kestrix-dialog-shots import|plain|viewer FILE OUT.png\n";
        return 2;
    }
    if (args.at(1) == QLatin1String("import"))
        return showImport(args.at(2), args.at(3));
    if (args.at(1) == QLatin1String("plain"))
        return showPlain(args.at(2), args.at(3));
    if (args.at(1) == QLatin1String("viewer"))
        return showViewer(args.at(2), args.at(3));
    return 2;
}
