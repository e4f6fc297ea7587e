#include "app/appinfo.h"
#include "app/commandline.h"
#include "app/demoflight.h"
#include "app/guiresources.h"
#include "app/logcategories.h"
#include "app/logger.h"
#include "app/mainwindow.h"
#include "app/startupattributes.h"
#include "app/translationloader.h"
#include "photos/exivsetup.h"

#include <QApplication>
#include <QDir>
#include <QSettings>
#include <QTemporaryDir>

#include <cstdio>
#include <memory>

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

    const CommandLine commandLine(QCoreApplication::arguments());
    // The demo flight and its settings live in a folder of their own, removed at the end.
    std::unique_ptr<QTemporaryDir> demoDir;
    std::unique_ptr<DemoFlight> demo;
    if (commandLine.demo()) {
        demoDir = std::make_unique<QTemporaryDir>(QDir::tempPath() +
                                                  QStringLiteral("/kestrix-demo-XXXXXX"));
        demo = std::make_unique<DemoFlight>(demoDir->path());
        QString error;
        if (!demoDir->isValid() || !demo->write(&error) || !demo->useSettings(&error)) {
            qCCritical(lcCritical).noquote() << "The demo flight cannot be prepared:" << error;
            std::fprintf(stderr, "The demo flight cannot be prepared: %s\n", qPrintable(error));
            return 1;
        }
        qCDebug(lcInfo).noquote() << "Demo flight in" << demoDir->path();
    }

    qCDebug(lcInfo) << "Starting MainWindow";
    MainWindow window;
    qCDebug(lcInfo) << "Reading arguments";
    window.applyCommandLine(commandLine);
    if (demo) {
        QString error;
        if (!window.openDemo(*demo, &error))
            qCCritical(lcCritical).noquote() << "The demo flight cannot be opened:" << error;
    }

    GuiResources::loadFonts();

    qCDebug(lcInfo) << "Show MainWindow";
    window.show();
    return app.exec();
}
