#pragma once

#include <QList>

class QSettings;

/**
 * The display attributes chosen in the settings; they only work when set before the
 * application object exists, hence "Restart required" in the settings dialog.
 */
class StartupAttributes
{
public:
    /// The attributes main/useDesktopOpenGL and main/useHiDpiScale ask for, in setting order.
    static QList<Qt::ApplicationAttribute> fromSettings(const QSettings &settings);
    /// Sets them; call before constructing the application object.
    static void apply(const QSettings &settings);
};
