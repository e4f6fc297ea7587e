#pragma once

#include <QGraphicsPixmapItem>
#include <QObject>

/**
 * A picture of the antenna-offset drawing. Its position is a property, so it can be animated
 * or bound like any other; the rendering is cached in device coordinates because the item only
 * ever moves.
 */
class Pixmap : public QObject, public QGraphicsPixmapItem
{
    Q_OBJECT
    Q_PROPERTY(QPointF pos READ pos WRITE setPos)

public:
    explicit Pixmap(const QPixmap &pixmap, QGraphicsItem *parent = nullptr);
};
