#pragma once

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/**
 * The flight the program opens with `--demo`: a few synthetic photos, their timemark file and
 * an empty output folder, all inside one folder, read with settings of their own so that a
 * newcomer can run the whole job without drone data and without touching stored settings.
 */
class DemoFlight
{
    Q_DECLARE_TR_FUNCTIONS(DemoFlight)

public:
    static constexpr int PhotoCount = 20;
    /// UTM zone of the flight's metric positions, so the copies get latitude and longitude.
    static constexpr int Zone = 33;

    explicit DemoFlight(const QString &folder);

    /// Writes the photos, the timemark file and the empty output folder; false, with the
    /// reason in @p error, when any of them cannot be written.
    bool write(QString *error);
    /**
     * From now on the process works on a copy of the stored settings kept in the demo folder,
     * set to read the demo's timemark file and to write into its output folder.
     */
    bool useSettings(QString *error);

    QStringList photos() const { return m_photos; }
    QString timemarkFile() const;
    QString outputDir() const;

private:
    QString m_folder;
    QStringList m_photos;
};
