#include "app/screenplacement.h"

#include <QGuiApplication>
#include <QRect>
#include <QScreen>

#include <algorithm>

bool ScreenPlacement::onSomeScreen(const QRect &rect)
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    return std::any_of(screens.begin(), screens.end(), [&rect](const QScreen *screen) {
        return screen->availableGeometry().intersects(rect);
    });
}
