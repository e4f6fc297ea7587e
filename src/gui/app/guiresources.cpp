#include "app/guiresources.h"

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
