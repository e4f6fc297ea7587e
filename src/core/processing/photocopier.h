#pragma once

#include <QByteArray>
#include <QCoreApplication>
#include <QString>

#include <exiv2/image.hpp>

#include <memory>

/**
 * Copies one photo to its final name with rewritten metadata, at the cost of one read and
 * one write of the file.
 *
 * Only the bytes before a JPEG's image data are decoded and rewritten in memory; the image
 * data is then copied by the kernel. The copy is written to a hidden temporary file in the
 * target folder and moved to its final name only if no file of that name exists, so a
 * photo under a final name is always complete and nothing is ever replaced.
 */
class PhotoCopier
{
    Q_DECLARE_TR_FUNCTIONS(PhotoCopier)

public:
    enum class LoadResult
    {
        Loaded,        //!< metadata decoded; image() is ready
        ReadFailed,    //!< the source cannot be read; nothing can be copied
        MetadataFailed //!< the bytes are readable but Exiv2 refused them; image() is not ready
    };
    enum class Placement
    {
        Placed,       //!< the copy is complete under its final name
        TargetExists, //!< a file of that name exists; it was left untouched
        Failed        //!< writing failed (e.g. disk full); nothing remains under the final name
    };

    /// What a copy consists of, fixed while the photo is loaded: the bytes that go first and
    /// the part of the source that follows them. Writing it needs neither Exiv2 nor the copier,
    /// so it can be done in another thread.
    struct Plan
    {
        bool ok = false;          //!< false: the copy cannot be made (the error says why)
        QString source;           //!< the photo the tail is read from
        QByteArray front;         //!< rewritten metadata; empty for an unchanged copy
        qint64 tailFrom = 0;      //!< where in the source the bytes after front begin
        qint64 expectedSize = -1; //!< size the source must still have; -1: any
    };

    /// Largest metadata part (for a non-JPEG the whole file) that load() decodes; a larger
    /// file loads as MetadataFailed and is copied unchanged.
    static constexpr qint64 MaxHeadSize = qint64(256) << 20;

    PhotoCopier();
    ~PhotoCopier();
    PhotoCopier(const PhotoCopier &) = delete;
    PhotoCopier &operator=(const PhotoCopier &) = delete;

    /// Reads the source's metadata part. @p error receives the reason when not Loaded.
    LoadResult load(const QString &sourcePath, QString *error = nullptr);
    /// The in-memory image of the last successful load, metadata already read.
    Exiv2::Image &image();
    /// Size in bytes of the source as the last load found it.
    qint64 sourceSize() const;
    /// Writes the copy: with the metadata as image() now holds it after a writeMetadata()
    /// when @p rewritten is true, else the source bytes unchanged.
    Placement place(const QString &targetPath, bool rewritten, QString *error = nullptr);

    /// The first half of place(): what the copy will hold, with the metadata as image() now
    /// holds it when @p rewritten is true.
    Plan plan(bool rewritten, QString *error = nullptr) const;
    /// Writes @p plan to a new hidden file in @p dir and gives its path in @p tempPath; on
    /// failure nothing remains. Safe to call from any thread.
    static bool writeTemporary(const Plan &plan, const QString &dir, QString *tempPath,
                               QString *error = nullptr);
    /// Moves a finished temporary file to @p targetPath unless a file of that name exists;
    /// whatever the outcome, the temporary file is gone afterwards.
    static Placement commit(const QString &tempPath, const QString &targetPath,
                            QString *error = nullptr);
    /// Removes a temporary file that will not be committed.
    static void discard(const QString &tempPath);

    /// File-name prefix of the temporary files; never a photo name.
    static QString temporaryPrefix();
    /// Removes temporary files that an interrupted run left in @p dir; returns how many.
    static int removeStaleTemporaries(const QString &dir);

    /**
     * Walks the JPEG segments of the open file @p fd (@p size bytes) up to the start-of-scan
     * marker. Returns its offset and sets @p headerEnd to the end of its header, or returns -1
     * when the file is not a JPEG whose segments can be walked (the whole file is then
     * metadata). Public so that damaged heads can be tried against it directly.
     */
    static qint64 findStartOfScan(int fd, qint64 size, qint64 *headerEnd);

    /// Test hook: make every write fail with ENOSPC once this many bytes were written in the
    /// process (negative switches it off).
    static void setWriteLimitForTesting(qint64 bytes);

private:
    struct Private;
    std::unique_ptr<Private> d;
};
