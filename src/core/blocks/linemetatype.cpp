#include "blocks/linemetatype.h"

#include "blocks/line.h"

#include <QMetaType>

void registerLineMetaTypes()
{
    static const bool registered = [] {
        qRegisterMetaType<Line>("Line");
        qRegisterMetaType<QList<Line>>("QList<Line>");
        return true;
    }();
    Q_UNUSED(registered)
}
