#include "processing/runoutcome.h"

#include "processing/fileswork.h"

#include <QCoreApplication>
#include <QSet>

#include <algorithm>

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

namespace {

// The photos a report names, each once: a photo without a position, say, is also missing from
// the coordinate file, and Exiv2's failures name the photo before their reason.
QSet<QString> namedPhotos(const ProcessingReport &report)
{
    QSet<QString> named;
    for (const QStringList *list : {&report.notCopied, &report.withoutPositionPhotos,
                                    &report.withoutLinePhotos, &report.notGeotaggedPhotos})
        for (const QString &photo : *list)
            named.insert(photo);
    return named;
}

bool namesPhoto(const QString &problem, const QSet<QString> &photos)
{
    for (const QString &photo : photos)
        if (problem.startsWith(photo + QStringLiteral(": ")))
            return true;
    return false;
}

} // namespace

QStringList RunOutcome::problems(const ProcessingReport &report)
{
    QStringList lines;
    for (const QString &file : report.unfinishedFiles)
        lines << tr("The output folder holds %1, the unfinished coordinate file of a run that "
                    "did not end")
                     .arg(file);
    for (int i = 0; i < report.notCopied.size(); ++i)
        lines << tr("Not copied: %1 (%2)")
                     .arg(report.notCopied.at(i), report.notCopiedReasons.value(i));
    for (int i = 0; i < report.withoutPositionPhotos.size(); ++i)
        lines << tr("Without a position, so without geotag and line: %1 %2")
                     .arg(report.withoutPositionPhotos.at(i),
                          report.withoutPositionReasons.value(i));
    for (const QString &problem : report.metadataProblems)
        lines << tr("Metadata could not be read or written: %1").arg(problem);
    const QSet<QString> told(report.withoutPositionPhotos.begin(),
                             report.withoutPositionPhotos.end());
    for (int i = 0; i < report.withoutLinePhotos.size(); ++i) {
        const QString &photo = report.withoutLinePhotos.at(i);
        const bool metadata =
            std::any_of(report.metadataProblems.begin(), report.metadataProblems.end(),
                        [&photo](const QString &problem) { return namesPhoto(problem, {photo}); });
        if (told.contains(photo) || metadata)
            continue;
        lines << tr("Missing from the coordinate file: %1 (%2)")
                     .arg(photo, report.withoutLineReasons.value(i));
    }
    for (const QString &photo : report.notGeotaggedPhotos)
        lines << tr("Copied without latitude and longitude, no UTM zone is set: %1").arg(photo);
    if (report.notReached > 0)
        lines << tr("Photos not processed because the run broke off first: %1")
                     .arg(report.notReached);
    return lines;
}

int RunOutcome::problemCount(const ProcessingReport &report)
{
    const QSet<QString> named = namedPhotos(report);
    int count = named.size();
    for (const QString &problem : report.metadataProblems)
        count += namesPhoto(problem, named) ? 0 : 1;
    return count + report.notReached;
}

QString RunOutcome::attentionText(const ProcessingReport &report)
{
    const int count = problemCount(report);
    if (count == 0)
        return QString();
    return tr("%n photos need attention: the error list names them and says why", nullptr, count);
}
