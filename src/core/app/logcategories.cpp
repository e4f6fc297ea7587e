#include "app/logcategories.h"

Q_LOGGING_CATEGORY(lcInfo, "Info")
Q_LOGGING_CATEGORY(lcWarning, "Warning")
Q_LOGGING_CATEGORY(lcCritical, "Critical")
