#include "processing/runmarker.h"

#include "app/logcategories.h"

#include <QDir>
#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

RunMarker::~RunMarker()
{
    release();
}

QString RunMarker::fileName()
{
    return QStringLiteral(".kestrix-run");
}

bool RunMarker::acquire(const QString &dir)
{
    release();
    m_errorText.clear();
    m_busy = false;
    const QString folder = QDir::cleanPath(dir);
    m_path = QDir(folder).filePath(fileName());
    const QByteArray path = QFile::encodeName(m_path);
    // A run that ends removes its marker after locking it; one opened just before that is
    // no longer the folder's marker, so the lock is taken again on the file now there.
    for (int attempt = 0; attempt < 5; ++attempt) {
        const int fd = ::open(path.constData(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
        if (fd < 0) {
            m_errorText = tr("Cannot write into the folder %1: %2")
                              .arg(folder, QString::fromLocal8Bit(std::strerror(errno)));
            return false;
        }
        if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
            const int err = errno;
            char text[32] = {};
            const ssize_t n = ::pread(fd, text, sizeof text - 1, 0);
            ::close(fd);
            if (err == EWOULDBLOCK) {
                m_busy = true;
                const QString pid = n > 0 ? QString::fromLatin1(text, int(n)).trimmed() : QString();
                m_errorText =
                    pid.isEmpty()
                        ? tr("Another Kestrix run is writing into the folder %1").arg(folder)
                        : tr("Another Kestrix run (process %2) is writing into the "
                             "folder %1")
                              .arg(folder, pid);
            } else {
                m_errorText = tr("Cannot write into the folder %1: %2")
                                  .arg(folder, QString::fromLocal8Bit(std::strerror(err)));
            }
            return false;
        }
        struct stat held;
        struct stat named;
        if (::fstat(fd, &held) == 0 && ::stat(path.constData(), &named) == 0 &&
            held.st_dev == named.st_dev && held.st_ino == named.st_ino) {
            // What a crashed run wrote is not this run's id; failing to clear it costs only a
            // wrong id in another run's message.
            if (::ftruncate(fd, 0) != 0)
                qCDebug(lcWarning) << "Cannot clear the run marker" << m_path;
            m_fd = fd;
            return true;
        }
        ::close(fd);
    }
    m_busy = true;
    m_errorText = tr("Another Kestrix run is writing into the folder %1").arg(folder);
    return false;
}

void RunMarker::recordProcessId()
{
    if (m_fd < 0)
        return;
    const QByteArray pid = QByteArray::number(qint64(::getpid())) + '\n';
    // Only a help for the message of a refused run: a full disk does not stop this one.
    if (::pwrite(m_fd, pid.constData(), size_t(pid.size()), 0) != pid.size())
        qCDebug(lcWarning) << "Cannot write the process id into the run marker" << m_path;
}

void RunMarker::release()
{
    if (m_fd < 0)
        return;
    // Removed while still locked, so no other run can find it locked by nobody.
    ::unlink(QFile::encodeName(m_path).constData());
    ::close(m_fd);
    m_fd = -1;
}
