#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>

/// What the pre-checks need to know of one block.
struct PreCheckBlock
{
    int photos = 0;
    int timemarks = 0;
    qint64 bytes = 0; //!< total size of the block's photo files
};

/// The state of the output volume as the pre-checks see it.
struct PreCheckVolume
{
    bool valid = false; //!< the storage volume could be read
    qint64 availableBytes = 0;
    bool dirEmpty = false; //!< the output folder has no entries
};

/// The outcome of the pre-checks, with the texts the window shows.
struct PreCheckResult
{
    int fileCount = 0;
    qint64 neededBytes = 0;
    bool countOk = true;
    bool spaceOk = false;
    bool dirOk = false;
    bool filesOk = true;
    bool volumeValid = false;
    QString diskStatus;  //!< space and folder warnings, plain text
    QString freeSpace;   //!< "Requires … Gb (Free … Gb)" or "Hard disk error"
    QString filesStatus; //!< "You have selected more than 9999 files" or empty

    bool allOk() const { return countOk && spaceOk && dirOk && filesOk; }
};

/**
 * The checks that must pass before a processing run may start: equal counts in every block,
 * a usable output folder, enough free space and fewer than 10000 photos. The window and the
 * command line share them.
 */
class PreCheck
{
    Q_DECLARE_TR_FUNCTIONS(PreCheck)

public:
    /// The limit is exclusive: 9999 photos pass, 10000 do not.
    static constexpr int MaxPhotos = 10000;

    /// Reads the volume of @p outputDir; a folder that does not exist is an invalid volume.
    static PreCheckVolume inspect(const QString &outputDir);
    /// Evaluates the checks. When the volume is invalid, spaceOk and dirOk keep the values of
    /// @p previous, as the window shows them.
    static PreCheckResult evaluate(const QList<PreCheckBlock> &blocks, const PreCheckVolume &volume,
                                   bool autoDir, const PreCheckResult &previous = PreCheckResult());
    /// "Processing is not possible: …" with the failed checks in their fixed order; empty when
    /// every check passed.
    static QString refusal(const PreCheckResult &result);
    /// The red rich-text form in which the window shows a message.
    static QString redForm(const QString &message);
};
