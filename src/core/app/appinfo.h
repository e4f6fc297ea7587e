#pragma once

#include <QString>

/**
 * The application identity under which the settings store and the logs are kept.
 */
class AppInfo
{
public:
    static QString organizationName();
    static QString organizationDomain();
    static QString applicationName();
    static QString version();
    /// "Kestrix 1.8.9": the main window title and the CLI's --version line.
    static QString titleWithVersion();
    /// Sets the identity on the application; must run before any settings are opened.
    static void apply();
};
