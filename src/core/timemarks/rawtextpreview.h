#pragma once

#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

/**
 * The text the import dialog shows for a file that is not a timemark file. Only the head of
 * the file is read, so choosing a huge file (a video, a disk image) costs no more than a small
 * one; a last line then says that the rest is not shown.
 */
class RawTextPreview
{
    Q_DECLARE_TR_FUNCTIONS(RawTextPreview)

public:
    /// Bytes read at most.
    static constexpr qint64 DefaultLimit = qint64(1) << 20;

    /**
     * The first @p limit bytes of @p path decoded like a timemark file (the locale's encoding
     * unless a byte-order mark names UTF-8, UTF-16 or UTF-32), ending at the last whole line
     * read. A file that cannot be read, or that is no text at all, gives one sentence saying
     * so instead.
     */
    static QString read(const QString &path, qint64 limit = DefaultLimit);
};
