#include "timemarks/rawtextpreview.h"

#include "app/regularfile.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QTextCodec>
#include <QTextStream>

#include <cerrno>
#include <cstring>

namespace {

QString megabytes(qint64 bytes)
{
    return QString::number(double(bytes) / 1048576.0, 'f', 1);
}

} // namespace

QString RawTextPreview::read(const QString &path, qint64 limit)
{
    // Only a regular file is opened: the dialog shows this right after detection refused a
    // FIFO, and opening one for reading would wait for a writer that never comes.
    QString problem;
    RegularFile::Descriptor fd(RegularFile::openForReading(path, &problem));
    if (fd.get() < 0) {
        if (!QFileInfo::exists(path))
            problem = QString::fromLocal8Bit(std::strerror(ENOENT));
        return tr("%1 cannot be read: %2").arg(path, problem);
    }
    QFile file;
    if (!file.open(fd.get(), QIODevice::ReadOnly, QFileDevice::AutoCloseHandle))
        return tr("%1 cannot be read: %2").arg(path, file.errorString());
    fd.release();
    // An even count never splits a UTF-16 character in two.
    QByteArray head = file.read(qMax<qint64>(2, limit & ~qint64(1)));
    const bool cut = !file.atEnd();
    const qint64 total = file.size();

    QBuffer buffer(&head);
    buffer.open(QIODevice::ReadOnly);
    QTextStream stream(&buffer);
    stream.setCodec(QTextCodec::codecForLocale());
    stream.setAutoDetectUnicode(true);
    QString text = stream.readAll();
    if (text.startsWith(QChar(QChar::ByteOrderMark)))
        text.remove(0, 1);
    // Decoded text never holds U+0000, whatever its encoding: these bytes are not text.
    if (text.contains(QChar(0)))
        return tr("%1 is not a text file.").arg(path);
    if (!cut)
        return text;
    const int lastBreak = text.lastIndexOf(QLatin1Char('\n'));
    if (lastBreak >= 0)
        text.truncate(lastBreak + 1);
    else
        text.append(QLatin1Char('\n'));
    return text + tr("[The rest of the file is not shown: these are the first %1 MB of %2 MB.]")
                      .arg(megabytes(limit), megabytes(total));
}
