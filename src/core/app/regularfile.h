#pragma once

#include <QCoreApplication>
#include <QString>

/**
 * Opens input files (photos, timemark files) only when they are regular files, and never waits
 * on one: a FIFO, a device or a socket put where a photo was expected would otherwise block the
 * reader until someone writes into it, beyond the reach of a stop request.
 *
 * Problems are phrases that follow the file's name ("is a folder"), so that a message and a
 * list with a name column can both use them.
 */
class RegularFile
{
    Q_DECLARE_TR_FUNCTIONS(RegularFile)
public:
    /**
     * Opens @p path read-only when it is a regular file (following links) and returns the
     * descriptor, which the caller closes. Otherwise returns -1 and puts into @p problem what
     * the path is instead.
     */
    static int openForReading(const QString &path, QString *problem = nullptr);
    /// What keeps @p path from being read as a regular file; empty when nothing does.
    static QString problem(const QString &path);

    /// Owns a file descriptor and closes it on every way out of a scope.
    class Descriptor
    {
    public:
        explicit Descriptor(int fd = -1) : m_fd(fd) {}
        ~Descriptor();
        Descriptor(const Descriptor &) = delete;
        Descriptor &operator=(const Descriptor &) = delete;
        int get() const { return m_fd; }
        /// Closes the descriptor held, if any, and holds @p fd instead.
        void reset(int fd = -1);
        /// Hands the descriptor over without closing it.
        int release();

    private:
        int m_fd;
    };
};
