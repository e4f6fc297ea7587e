#include "app/appinfo.h"
#include "app/commandline.h"
#include "app/guiresources.h"
#include "app/logcategories.h"
#include "app/logger.h"
#include "app/mainwindow.h"
#include "app/startupattributes.h"
#include "app/translationloader.h"
#include "photos/exivsetup.h"

#include <QApplication>
#include <QFontDatabase>
#include <QSettings>

int main(int argc, char *argv[])
{
    AppInfo::apply();
    ExivSetup::initialize();
    // The display attributes only work before the application object exists.
    const QSettings settings;
    StartupAttributes::apply(settings);

    QApplication app(argc, argv);
    // Lets the desktop match the window to the menu entry and its icon (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("example.orvanta.kestrix"));
    Logger::setUp();
    TranslationLoader translations;
    translations.install();
    Logger::removeOldLogs();
    GuiResources::initialize();

    qCDebug(lcInfo) << "Starting MainWindow";
    MainWindow window;
    qCDebug(lcInfo) << "Reading arguments";
    window.applyCommandLine(CommandLine(QCoreApplication::arguments()));

    // All are optional: a missing font only changes how tool tips and icons look. Open Sans
    // is the free interface font the tool-tip style names.
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/OpenSans-Regular.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/OpenSans-Bold.ttf"));
    QFontDatabase::addApplicationFont(QStringLiteral(":/fonts/fontawesome-4.7.0.ttf"));

    qCDebug(lcInfo) << "Show MainWindow";
    window.show();
    return app.exec();
}
