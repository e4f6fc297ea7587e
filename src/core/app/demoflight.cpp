#include "app/demoflight.h"

#include "app/syntheticflight.h"
#include "settings/settingskeys.h"
#include "settings/settingsstore.h"

#include <QCoreApplication>
#include <QDir>
#include <QSettings>

DemoFlight::DemoFlight(const QString &folder) : m_folder(QDir(folder).absolutePath()) {}

QString DemoFlight::timemarkFile() const
{
    return m_folder + QStringLiteral("/timemarks.csv");
}

QString DemoFlight::outputDir() const
{
    return m_folder + QStringLiteral("/output");
}

bool DemoFlight::write(QString *error)
{
    PhotoSpec look;
    // Large enough to be seen in the photo viewer, small enough to be written in a moment.
    look.size = QSize(640, 480);
    // Timed like a real flight (uneven intervals, a turn), so that the pairing check has
    // something to go by and says "matched" rather than that a metronome cannot be told apart.
    FlightTiming timing;
    timing.shots = PhotoCount;
    timing.jitter = 0.3;
    timing.turnEvery = PhotoCount / 2;
    m_photos = SyntheticFlight::writeTimedFlight(m_folder, timing,
                                                 SyntheticFlight::Format::Semicolon, false, look);
    // No photos also when their timemark file could not be written.
    if (m_photos.size() != PhotoCount) {
        *error = tr("Cannot write the demo photos into %1").arg(m_folder);
        return false;
    }
    if (!QDir().mkpath(outputDir())) {
        *error = tr("Cannot create the demo output folder %1").arg(outputDir());
        return false;
    }
    return true;
}

bool DemoFlight::useSettings(QString *error)
{
    if (!SettingsStore::usePrivateCopy(m_folder + QStringLiteral("/settings"))) {
        *error = tr("Cannot prepare the demo's settings in %1").arg(m_folder);
        return false;
    }
    QSettings s;
    SyntheticFlight::storeColumns(s);
    // The rows are metres; read as degrees they would be no positions at all.
    Keys::CoordinateType.write(s, 0);
    Keys::CoordinateUtmZone.write(s, Zone);
    Keys::OutputDir.write(s, outputDir());
    Keys::OutputAutoCreate.write(s, false);
    Keys::LastDir.write(s, m_folder + QStringLiteral("/photos"));
    s.sync();
    if (s.status() != QSettings::NoError) {
        *error = tr("Cannot prepare the demo's settings in %1").arg(m_folder);
        return false;
    }
    return true;
}
