#include "photos/photolog.h"

namespace PhotoLog {

const QLoggingCategory &info()
{
    static const QLoggingCategory category("Info");
    return category;
}

const QLoggingCategory &warning()
{
    static const QLoggingCategory category("Warning");
    return category;
}

const QLoggingCategory &critical()
{
    static const QLoggingCategory category("Critical");
    return category;
}

} // namespace PhotoLog
