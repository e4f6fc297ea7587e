#include "app/regularfile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

QString errnoProblem(int err)
{
    switch (err) {
    case ENOENT:
    case ENOTDIR:
        return RegularFile::tr("does not exist");
    case ELOOP:
        return RegularFile::tr("is a symbolic link that leads in a circle");
    default:
        return RegularFile::tr("cannot be opened (%1)")
            .arg(QString::fromLocal8Bit(std::strerror(err)));
    }
}

// What the thing behind a stat() mode is, when it is no regular file; empty otherwise.
QString kindProblem(unsigned int mode)
{
    if (S_ISREG(mode))
        return QString();
    if (S_ISDIR(mode))
        return RegularFile::tr("is a folder");
    if (S_ISFIFO(mode))
        return RegularFile::tr("is a FIFO (named pipe), not a file");
    return RegularFile::tr("is a device or socket, not a file");
}

} // namespace

int RegularFile::openForReading(const QString &path, QString *problem)
{
    auto fail = [problem](const QString &text) {
        if (problem)
            *problem = text;
        return -1;
    };
    if (path.isEmpty())
        return fail(tr("does not exist"));
    const QByteArray native = QFile::encodeName(path);
    struct stat st;
    if (::stat(native.constData(), &st) != 0)
        return fail(errnoProblem(errno));
    // Looked at before opening: opening a FIFO for reading waits for a writer.
    if (!S_ISREG(st.st_mode))
        return fail(kindProblem(st.st_mode));
    // O_NONBLOCK still, in case something else took the file's place in the meantime.
    const int fd = ::open(native.constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return fail(errnoProblem(errno));
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode)) {
        const QString text = kindProblem(st.st_mode);
        ::close(fd);
        return fail(text.isEmpty() ? errnoProblem(EIO) : text);
    }
    // Reads of a regular file never wait anyway; clearing the flag keeps them ordinary.
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    if (problem)
        problem->clear();
    return fd;
}

QString RegularFile::problem(const QString &path)
{
    QString text;
    const int fd = openForReading(path, &text);
    if (fd >= 0)
        ::close(fd);
    return text;
}

RegularFile::Descriptor::~Descriptor()
{
    reset();
}

void RegularFile::Descriptor::reset(int fd)
{
    if (m_fd >= 0)
        ::close(m_fd);
    m_fd = fd;
}

int RegularFile::Descriptor::release()
{
    const int fd = m_fd;
    m_fd = -1;
    return fd;
}
