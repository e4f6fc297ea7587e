#include "settings/pixmap.h"

Pixmap::Pixmap(const QPixmap &pixmap, QGraphicsItem *parent) : QGraphicsPixmapItem(pixmap, parent)
{
    setCacheMode(DeviceCoordinateCache);
    setTransformationMode(Qt::SmoothTransformation);
}
