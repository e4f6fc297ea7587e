#pragma once

#include <QLoggingCategory>

/**
 * The log categories the photo reader, the photo list and the photo filter write in.
 * Their names are the program's shared category names, so the log handler files them
 * with everything else of the same kind.
 */
namespace PhotoLog {
const QLoggingCategory &info();     //!< "Info"
const QLoggingCategory &warning();  //!< "Warning"
const QLoggingCategory &critical(); //!< "Critical"
} // namespace PhotoLog
