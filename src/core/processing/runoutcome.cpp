#include "processing/runoutcome.h"

#include "processing/fileswork.h"

#include <QCoreApplication>

namespace {

QString tr(const char *text)
{
    return QCoreApplication::translate("RunOutcome", text);
}

} // namespace

QString RunOutcome::failureText(int code, const QString &jobMessage)
{
    if (code == FilesWork::CoordinateFileOpenFailed) {
        const QString known = tr("Failed to open for writing a file fileData.txt");
        return jobMessage.isEmpty() || jobMessage == known ? known
                                                           : known + QLatin1Char('\n') + jobMessage;
    }
    // Every failure the job knows comes with its own sentence; a code without one is still
    // told by its number, so that the log and the operator speak of the same thing.
    return jobMessage.isEmpty() ? tr("Processing failed (code %1)").arg(code) : jobMessage;
}

QStringList RunOutcome::problems(const ProcessingReport &report)
{
    QStringList lines;
    for (int i = 0; i < report.notCopied.size(); ++i)
        lines << tr("Not copied: %1 (%2)")
                     .arg(report.notCopied.at(i), report.notCopiedReasons.value(i));
    for (const QString &problem : report.metadataProblems)
        lines << tr("Metadata could not be read or written: %1").arg(problem);
    for (const QString &photo : report.notGeotaggedPhotos)
        lines << tr("Copied without latitude and longitude, no UTM zone is set: %1").arg(photo);
    if (report.withoutPosition > 0)
        lines << tr("Photos without a timemark row, given position 0: %1")
                     .arg(report.withoutPosition);
    if (report.notReached > 0)
        lines << tr("Photos not processed because the run broke off first: %1")
                     .arg(report.notReached);
    return lines;
}

int RunOutcome::problemCount(const ProcessingReport &report)
{
    return report.skipped + report.metadataFailed + report.notGeotagged + report.withoutPosition +
           report.notReached;
}

QString RunOutcome::attentionText(const ProcessingReport &report)
{
    const int count = problemCount(report);
    if (count == 0)
        return QString();
    return tr("%1 photos need attention: the error list names them and says why").arg(count);
}
