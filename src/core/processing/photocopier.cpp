#include "processing/photocopier.h"

#include "app/regularfile.h"
#include "photos/photofile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <exiv2/exiv2.hpp>

#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

std::atomic<qint64> g_writeLimit{-1};
std::atomic<qint64> g_written{0};
std::atomic<int> g_tempCounter{0};

using Fd = RegularFile::Descriptor;

QString errnoText(int err)
{
    return QString::fromLocal8Bit(std::strerror(err));
}

bool chargeWrite(qint64 bytes)
{
    const qint64 limit = g_writeLimit.load();
    if (limit < 0)
        return true;
    if (g_written.fetch_add(bytes) + bytes > limit) {
        errno = ENOSPC;
        return false;
    }
    return true;
}

bool preadAll(int fd, char *buffer, qint64 size, qint64 offset)
{
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::pread(fd, buffer + done, size_t(size - done), off_t(offset + done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n <= 0)
            return false;
        done += n;
    }
    return true;
}

bool writeAll(int fd, const char *data, qint64 size)
{
    if (!chargeWrite(size))
        return false;
    qint64 done = 0;
    while (done < size) {
        const ssize_t n = ::write(fd, data + done, size_t(size - done));
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0)
            return false;
        done += n;
    }
    return true;
}

// The largest pipe an unprivileged process may ask for by default (fs.pipe-max-size).
constexpr int SplicePipeSize = 1 << 20;

enum class Splice
{
    Done,
    Failed,     // errno tells why; part of the range may have been written
    Unsupported // nothing was written and *from is unchanged: copy another way
};

// Moves source[*from, end) to out through a pipe: the kernel fills it with references to the
// source's cached pages and empties it with one copy into the target. Once the metadata has
// changed size, the image data lands at another offset than it had in the source, and then
// copy_file_range, whose own pipe holds only 16 pages, spends about a third more time than
// this (measured on ext4: 40 photos of 10 MB).
Splice spliceRange(int in, loff_t *from, qint64 end, int out)
{
    int ends[2];
    if (::pipe2(ends, O_CLOEXEC) != 0)
        return Splice::Unsupported;
    const Fd readEnd(ends[0]);
    const Fd writeEnd(ends[1]);
    // A user over the pipe-buffer quota gets a small pipe, which is no faster.
    const int capacity = ::fcntl(writeEnd.get(), F_SETPIPE_SZ, SplicePipeSize);
    if (capacity < SplicePipeSize)
        return Splice::Unsupported;
    const loff_t start = *from;
    bool wrote = false;
    auto unsupported = [&wrote]() {
        return !wrote && (errno == EINVAL || errno == ENOSYS || errno == EOPNOTSUPP);
    };
    while (*from < end) {
        ssize_t pending = ::splice(in, from, writeEnd.get(), nullptr,
                                   size_t(qMin<qint64>(end - *from, capacity)), 0);
        if (pending < 0 && errno == EINTR)
            continue;
        if (pending < 0)
            return unsupported() ? Splice::Unsupported : Splice::Failed;
        if (pending == 0) { // the source shrank under us
            errno = EIO;
            return Splice::Failed;
        }
        while (pending > 0) {
            const ssize_t n = ::splice(readEnd.get(), nullptr, out, nullptr, size_t(pending), 0);
            if (n < 0 && errno == EINTR)
                continue;
            if (n < 0 && unsupported()) {
                *from = start;
                return Splice::Unsupported;
            }
            if (n <= 0) {
                if (n == 0)
                    errno = EIO;
                return Splice::Failed;
            }
            pending -= n;
            wrote = true;
        }
    }
    return Splice::Done;
}

// Appends source[offset, end) to out, by the kernel where it can.
bool copyRange(int in, qint64 offset, qint64 end, int out)
{
    loff_t from = offset;
    bool kernel = g_writeLimit.load() < 0;
    if (kernel) {
        const Splice spliced = spliceRange(in, &from, end, out);
        if (spliced != Splice::Unsupported)
            return spliced == Splice::Done;
    }
    while (from < end && kernel) {
        const ssize_t n = ::copy_file_range(in, &from, out, nullptr, size_t(end - from), 0);
        if (n > 0)
            continue;
        if (n < 0 && errno == EINTR)
            continue;
        if (n < 0 && (errno == EXDEV || errno == ENOSYS || errno == EINVAL || errno == EOPNOTSUPP ||
                      errno == EPERM)) {
            kernel = false;
            break;
        }
        if (n == 0) { // the source shrank under us
            errno = EIO;
            return false;
        }
        return false;
    }
    static constexpr qint64 chunk = 1 << 20;
    QByteArray buffer;
    while (from < end) {
        const qint64 size = qMin(chunk, end - from);
        buffer.resize(int(size));
        if (!preadAll(in, buffer.data(), size, from)) {
            if (errno == 0)
                errno = EIO;
            return false;
        }
        if (!writeAll(out, buffer.constData(), size))
            return false;
        from += size;
    }
    return true;
}

quint16 be16(const unsigned char *p)
{
    return quint16((p[0] << 8) | p[1]);
}

// The front of a file, read in large pieces: walking the segments of a JPEG then costs one
// or two reads rather than several per segment.
class FrontReader
{
public:
    FrontReader(int fd, qint64 size) : m_fd(fd), m_size(size) {}

    /// Makes bytes [0, end) available; false past the end of the file or on a read error.
    bool ensure(qint64 end)
    {
        if (end <= m_buffer.size())
            return true;
        if (end > m_size || end > MaxFront)
            return false;
        const qint64 have = m_buffer.size();
        const qint64 want = qMin(qMin(m_size, MaxFront), qMax(end, qMax(2 * have, Piece)));
        m_buffer.resize(int(want));
        if (!preadAll(m_fd, m_buffer.data() + have, want - have, have)) {
            m_buffer.resize(int(have));
            return false;
        }
        return true;
    }
    const unsigned char *at(qint64 offset) const
    {
        return reinterpret_cast<const unsigned char *>(m_buffer.constData()) + offset;
    }
    /// Bytes [0, size), which ensure(size) made available.
    QByteArray take(qint64 size)
    {
        m_buffer.truncate(int(size));
        return std::move(m_buffer);
    }

    /// More than any photo's metadata; a larger front is not handed to Exiv2 in memory.
    static constexpr qint64 MaxFront = qint64(1) << 30;

private:
    static constexpr qint64 Piece = 64 * 1024;
    int m_fd;
    qint64 m_size;
    QByteArray m_buffer;
};

// Offset of the JPEG start-of-scan marker and the end of its header, or -1 when the file
// is not a JPEG whose segments can be walked.
qint64 findStartOfScan(FrontReader &front, qint64 size, qint64 *headerEnd)
{
    if (size < 4 || !front.ensure(2) || front.at(0)[0] != 0xFF || front.at(0)[1] != 0xD8)
        return -1;
    qint64 pos = 2;
    while (pos + 4 <= size) {
        if (!front.ensure(pos + 1) || *front.at(pos) != 0xFF)
            return -1;
        qint64 markerPos = pos;
        unsigned char marker = 0xFF;
        while (markerPos + 1 < size) { // fill bytes before the marker code
            if (!front.ensure(markerPos + 2))
                return -1;
            marker = *front.at(markerPos + 1);
            if (marker != 0xFF)
                break;
            ++markerPos;
        }
        if (marker == 0xD9 || marker == 0x00 || marker == 0xFF)
            return -1;
        if (marker == 0x01 || (marker >= 0xD0 && marker <= 0xD7)) {
            pos = markerPos + 2;
            continue;
        }
        if (!front.ensure(markerPos + 4))
            return -1;
        const quint16 length = be16(front.at(markerPos + 2));
        if (length < 2)
            return -1;
        if (marker == 0xDA) {
            *headerEnd = qMin(size, markerPos + 2 + length);
            return markerPos;
        }
        pos = markerPos + 2 + length;
    }
    return -1;
}

} // namespace

qint64 PhotoCopier::findStartOfScan(int fd, qint64 size, qint64 *headerEnd)
{
    FrontReader front(fd, size);
    return ::findStartOfScan(front, size, headerEnd);
}

struct PhotoCopier::Private
{
    QString source;
    Exiv2::Image::AutoPtr image;
    QByteArray head; // bytes handed to Exiv2
    qint64 sourceSize = 0;
    qint64 scanOffset = -1; // start of the image data in the source; -1: whole file in head
};

PhotoCopier::PhotoCopier() : d(std::make_unique<Private>()) {}
PhotoCopier::~PhotoCopier() = default;

QString PhotoCopier::temporaryPrefix()
{
    return QStringLiteral(".kestrix-partial-");
}

void PhotoCopier::setWriteLimitForTesting(qint64 bytes)
{
    g_written = 0;
    g_writeLimit = bytes;
}

PhotoCopier::LoadResult PhotoCopier::load(const QString &sourcePath, QString *error)
{
    d->source = sourcePath;
    d->image.reset();
    d->head.clear();
    d->scanOffset = -1;
    d->sourceSize = 0;
    QString problem;
    Fd fd(RegularFile::openForReading(sourcePath, &problem));
    struct stat st;
    if (fd.get() < 0 || ::fstat(fd.get(), &st) != 0) {
        if (error)
            *error = fd.get() < 0 ? problem : errnoText(errno);
        return LoadResult::ReadFailed;
    }
    d->sourceSize = st.st_size;
    FrontReader front(fd.get(), d->sourceSize);
    qint64 headerEnd = 0;
    const qint64 scan = ::findStartOfScan(front, d->sourceSize, &headerEnd);
    const qint64 headSize = scan >= 0 ? headerEnd : d->sourceSize;
    // The head is rewritten in one buffer. Past this (a video or a huge raw file under a photo
    // name) the buffer's size would overflow, so such a file is copied as it is.
    if (headSize > MaxHeadSize) {
        if (error)
            *error = tr("the metadata part (%1 MB) is too large to rewrite")
                         .arg(headSize / (1024 * 1024));
        return LoadResult::MetadataFailed;
    }
    errno = 0;
    if (!front.ensure(headSize)) {
        if (error)
            *error = errnoText(errno ? errno : EIO);
        return LoadResult::ReadFailed;
    }
    d->head = front.take(headSize);
    d->scanOffset = scan;
    try {
        // Exiv2 writes a TIFF-based file in place inside the buffer it opened, though it
        // takes it as const: it gets the head's own unshared bytes (data() detaches).
        d->image = Exiv2::ImageFactory::open(reinterpret_cast<const Exiv2::byte *>(d->head.data()),
                                             long(d->head.size()));
        d->image->readMetadata();
    } catch (const Exiv2::AnyError &e) {
        d->image.reset();
        if (error)
            *error = PhotoFile::errorDetail(e);
        return LoadResult::MetadataFailed;
    } catch (const std::exception &e) {
        // Damaged metadata can make the library fail outside its own error type; that must
        // cost this photo, not the run.
        d->image.reset();
        if (error)
            *error = PhotoFile::errorDetail(e);
        return LoadResult::MetadataFailed;
    }
    return LoadResult::Loaded;
}

Exiv2::Image &PhotoCopier::image()
{
    return *d->image;
}

qint64 PhotoCopier::sourceSize() const
{
    return d->sourceSize;
}

PhotoCopier::Placement PhotoCopier::place(const QString &targetPath, bool rewritten, QString *error)
{
    struct stat st;
    if (::lstat(QFile::encodeName(targetPath).constData(), &st) == 0) {
        if (error)
            *error = tr("target exists");
        return Placement::TargetExists;
    }
    Plan planned = plan(rewritten, error);
    if (!planned.ok)
        return Placement::Failed;
    QString temp;
    if (!writeTemporary(planned, QFileInfo(targetPath).absolutePath(), &temp, error))
        return Placement::Failed;
    return commit(temp, targetPath, error);
}

PhotoCopier::Plan PhotoCopier::plan(bool rewritten, QString *error) const
{
    Plan result;
    result.source = d->source;
    if (rewritten && d->image.get()) {
        Exiv2::BasicIo &io = d->image->io();
        const long size = io.size();
        QByteArray out(int(size), Qt::Uninitialized);
        io.open();
        io.seek(0, Exiv2::BasicIo::beg);
        const long got = io.read(reinterpret_cast<Exiv2::byte *>(out.data()), size);
        io.close();
        if (got != size) {
            if (error)
                *error = tr("cannot read the rewritten metadata");
            return result;
        }
        if (d->scanOffset >= 0) {
            // Exiv2 copies everything from the start of scan on verbatim, so the rewritten
            // head ends with exactly the bytes we handed it from there.
            const QByteArray scanPart = d->head.mid(int(d->scanOffset));
            if (!out.endsWith(scanPart)) {
                if (error)
                    *error = tr("unexpected metadata layout");
                return result;
            }
            out.chop(scanPart.size());
            result.tailFrom = d->scanOffset;
        } else {
            result.tailFrom = d->sourceSize;
        }
        result.front = out;
        // The new head only fits the bytes it was made from.
        result.expectedSize = d->sourceSize;
    }
    result.ok = true;
    return result;
}

bool PhotoCopier::writeTemporary(const Plan &plan, const QString &dir, QString *tempPath,
                                 QString *error)
{
    auto failWith = [error](const QString &text) {
        if (error)
            *error = text;
        return false;
    };
    QString problem;
    Fd in(RegularFile::openForReading(plan.source, &problem));
    if (in.get() < 0)
        return failWith(problem);
    struct stat inStat;
    if (::fstat(in.get(), &inStat) != 0)
        return failWith(errnoText(errno));
    if (plan.expectedSize >= 0 && inStat.st_size != plan.expectedSize)
        return failWith(tr("the source photo changed while it was copied"));

    const QByteArray temp = QFile::encodeName(QStringLiteral("%1/%2%3-%4.tmp")
                                                  .arg(dir, temporaryPrefix())
                                                  .arg(::getpid())
                                                  .arg(g_tempCounter.fetch_add(1)));
    Fd out(::open(temp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (out.get() < 0)
        return failWith(errnoText(errno));
    bool ok = writeAll(out.get(), plan.front.constData(), plan.front.size()) &&
              copyRange(in.get(), plan.tailFrom, inStat.st_size, out.get());
    int err = ok ? 0 : errno;
    if (::close(out.release()) != 0 && ok) {
        ok = false;
        err = errno;
    }
    if (!ok) {
        ::unlink(temp.constData());
        return failWith(errnoText(err ? err : EIO));
    }
    if (tempPath)
        *tempPath = QFile::decodeName(temp);
    return true;
}

PhotoCopier::Placement PhotoCopier::commit(const QString &tempPath, const QString &targetPath,
                                           QString *error)
{
    const QByteArray temp = QFile::encodeName(tempPath);
    const QByteArray target = QFile::encodeName(targetPath);
    if (::renameat2(AT_FDCWD, temp.constData(), AT_FDCWD, target.constData(), RENAME_NOREPLACE) ==
        0)
        return Placement::Placed;
    int err = errno;
    if (err == EINVAL || err == ENOSYS) { // file systems without no-replace rename
        if (::link(temp.constData(), target.constData()) == 0) {
            ::unlink(temp.constData());
            return Placement::Placed;
        }
        err = errno;
    }
    ::unlink(temp.constData());
    if (error)
        *error = err == EEXIST ? tr("target exists") : errnoText(err);
    return err == EEXIST ? Placement::TargetExists : Placement::Failed;
}

void PhotoCopier::discard(const QString &tempPath)
{
    if (!tempPath.isEmpty())
        ::unlink(QFile::encodeName(tempPath).constData());
}

int PhotoCopier::removeStaleTemporaries(const QString &dir)
{
    int removed = 0;
    const QStringList names = QDir(dir).entryList({temporaryPrefix() + QStringLiteral("*.tmp")},
                                                  QDir::Files | QDir::Hidden | QDir::System);
    for (const QString &name : names) {
        // A temporary of a run that is still going (another process) is not stale.
        const QString pidText = name.mid(temporaryPrefix().size()).section(QLatin1Char('-'), 0, 0);
        bool isNumber = false;
        const pid_t pid = pid_t(pidText.toLongLong(&isNumber));
        if (isNumber && pid != ::getpid() && pid > 0 && ::kill(pid, 0) == 0)
            continue;
        if (QFile::remove(QDir(dir).filePath(name)))
            ++removed;
    }
    return removed;
}
