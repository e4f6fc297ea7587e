#include "processing/precheck.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStorageInfo>

PreCheckVolume PreCheck::inspect(const QString &outputDir)
{
    PreCheckVolume volume;
    if (outputDir.isEmpty() || !QFileInfo(outputDir).isDir())
        return volume;
    const QStorageInfo storage(outputDir);
    volume.valid = storage.isValid() && storage.isReady();
    volume.availableBytes = storage.bytesAvailable();
    volume.dirEmpty =
        QDir(outputDir)
            .entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot)
            .isEmpty();
    return volume;
}

PreCheckResult PreCheck::evaluate(const QList<PreCheckBlock> &blocks, const PreCheckVolume &volume,
                                  bool autoDir, const PreCheckResult &previous)
{
    PreCheckResult r;
    r.spaceOk = previous.spaceOk;
    r.dirOk = previous.dirOk;
    for (const PreCheckBlock &block : blocks) {
        r.fileCount += block.photos;
        r.neededBytes += block.bytes;
        if (block.photos != block.timemarks)
            r.countOk = false;
    }
    r.volumeValid = volume.valid;
    if (volume.valid) {
        if (r.neededBytes < volume.availableBytes) {
            r.spaceOk = true;
        } else {
            r.spaceOk = false;
            r.diskStatus =
                tr("The disk is not enough %1 MB of space")
                    .arg(double(r.neededBytes - volume.availableBytes) / 1024 / 1024, 0, 'f', 2);
        }
        r.freeSpace = tr("Requires %1 Gb (Free %2 Gb)")
                          .arg(double(r.neededBytes) / (1024.0 * 1024 * 1024), 0, 'f', 2)
                          .arg(double(volume.availableBytes) / (1024.0 * 1024 * 1024), 0, 'f', 2);
        if (volume.dirEmpty || autoDir) {
            r.dirOk = true;
        } else {
            r.diskStatus += tr("\tSelected directory must be empty!");
            r.dirOk = false;
        }
    } else {
        r.freeSpace = redForm(tr("Hard disk error"));
    }
    r.filesOk = r.fileCount < MaxPhotos;
    if (!r.filesOk)
        r.filesStatus = tr("You have selected more than 9999 files");
    return r;
}

QString PreCheck::refusal(const PreCheckResult &r)
{
    if (r.allOk())
        return QString();
    QString message = tr("Processing is not possible: ");
    if (!r.dirOk)
        message += tr("Selected directory is not empty, ");
    if (!r.spaceOk)
        message += tr("Not enough free space, ");
    if (!r.filesOk)
        message += tr("You have selected more than 9999 files, ");
    if (!r.countOk)
        message += tr("Amount of photos and timemark rows are not match, ");
    message.chop(2);
    return message;
}

QString PreCheck::redForm(const QString &message)
{
    return QStringLiteral("<html><head/><body><p><span style=\" color:#ff0000; text-shadow: "
                          "black 2px 3px 4px;\">") +
           message + QStringLiteral("</span></p></body></html>");
}
