#include "app/guiresources.h"

#include <QFontDatabase>
#include <QString>
#include <QtGlobal>

#include <mutex>

void GuiResources::initialize()
{
    static std::once_flag once;
    std::call_once(once, [] {
        Q_INIT_RESOURCE(resources);
        Q_INIT_RESOURCE(fonts);
        // Icons and pictures generated at build time from resources/pictures.txt.
        Q_INIT_RESOURCE(pictures);
        Q_INIT_RESOURCE(settings);
        Q_INIT_RESOURCE(timemarks);
    });
}

void GuiResources::loadFonts()
{
    initialize();
    // Open Sans is the free interface font the tool-tip style names.
    for (const char *font : {":/fonts/OpenSans-Regular.ttf", ":/fonts/OpenSans-Bold.ttf",
                             ":/fonts/fontawesome-4.7.0.ttf"})
        QFontDatabase::addApplicationFont(QString::fromLatin1(font));
}
