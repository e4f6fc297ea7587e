#include "app/startupattributes.h"

#include "settings/settingskeys.h"

#include <QCoreApplication>
#include <QSettings>

QList<Qt::ApplicationAttribute> StartupAttributes::fromSettings(const QSettings &settings)
{
    QList<Qt::ApplicationAttribute> attributes;
    if (Keys::UseDesktopOpenGL.read(settings))
        attributes << Qt::AA_UseDesktopOpenGL;
    if (Keys::UseHiDpiScale.read(settings))
        attributes << Qt::AA_EnableHighDpiScaling << Qt::AA_UseHighDpiPixmaps;
    return attributes;
}

void StartupAttributes::apply(const QSettings &settings)
{
    for (Qt::ApplicationAttribute attribute : fromSettings(settings))
        QCoreApplication::setAttribute(attribute);
}
