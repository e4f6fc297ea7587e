#pragma once

#include <QLoggingCategory>

// The program emits all its own diagnostics at debug level; these categories are what tells
// the lines apart in the log ("DBG Info: ...", "DBG Warning: ...", "DBG Critical: ...").
// Use them as qCDebug(lcInfo) << "text".
Q_DECLARE_LOGGING_CATEGORY(lcInfo)
Q_DECLARE_LOGGING_CATEGORY(lcWarning)
Q_DECLARE_LOGGING_CATEGORY(lcCritical)
