#pragma once

#include <QString>

class QSettings;

/**
 * Operations on the settings store that involve more than one key.
 */
class SettingsStore
{
public:
    /// The folder a file picker starts in: main/lastDir, else output/dir, else home;
    /// a stored folder that no longer exists falls back to the home directory.
    static QString lastDir(const QSettings &settings);
    /// Whether coordinate/type selects WGS 84 degrees.
    static bool isWgs84(const QSettings &settings);
    /// Writes every default of the settings dialog's reset, in its order, then flushes.
    static void resetToDefaults(QSettings &settings);
    /**
     * From now on the process reads and writes a copy of the stored settings kept in
     * @p folder, so that nothing it changes reaches the operator's own store. False when the
     * copy cannot be written.
     */
    static bool usePrivateCopy(const QString &folder);
};
