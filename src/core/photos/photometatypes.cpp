#include "photos/photometatypes.h"

#include "photos/adj.h"
#include "photos/capturetime.h"
#include "photos/filtertype.h"

#include <QDateTime>
#include <QList>
#include <QMetaType>

void PhotoMetaTypes::registerAll()
{
    static const bool registered = [] {
        qRegisterMetaType<Adj>("Adj");
        qRegisterMetaType<QList<Adj>>("QList<Adj>");
        qRegisterMetaType<QList<QDateTime>>("QList<QDateTime>");
        qRegisterMetaType<CaptureTime>("CaptureTime");
        qRegisterMetaType<QList<CaptureTime>>("QList<CaptureTime>");
        qRegisterMetaType<QList<bool>>("QList<bool>");
        qRegisterMetaType<QList<int>>("QList<int>");
        qRegisterMetaType<FilterTypes>("FilterTypes");
        return true;
    }();
    Q_UNUSED(registered)
}
