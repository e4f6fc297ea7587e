#pragma once

#include <QCoreApplication>
#include <QString>

/**
 * The mark a processing run puts into its output folder, so that a second run into the same
 * folder is refused at its start instead of mixing its copies and lines with the first one's.
 *
 * The marker is a hidden file locked by the run; the system drops the lock when the process
 * ends, however it ends, so the marker of a crashed run is known as stale and taken over.
 * It holds the process id of the run, for the message the refused run shows.
 */
class RunMarker
{
    Q_DECLARE_TR_FUNCTIONS(RunMarker)
public:
    RunMarker() = default;
    ~RunMarker();
    RunMarker(const RunMarker &) = delete;
    RunMarker &operator=(const RunMarker &) = delete;

    /// ".kestrix-run".
    static QString fileName();

    /// Takes the marker of @p dir. False, with errorText(), when another run holds it or it
    /// cannot be made.
    bool acquire(const QString &dir);
    /// Writes this process's id into the marker. Done once the run's own files are open: on a
    /// nearly full disk they come first.
    void recordProcessId();
    /// Removes the marker; the destructor does it too.
    void release();
    bool isHeld() const { return m_fd >= 0; }
    /// The last acquire() failed because another run holds the marker.
    bool isBusy() const { return m_busy; }
    QString errorText() const { return m_errorText; }

private:
    int m_fd = -1;
    bool m_busy = false;
    QString m_path;
    QString m_errorText;
};
