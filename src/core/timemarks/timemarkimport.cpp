#include "timemarks/timemarkimport.h"

#include "blocks/flydata.h"
#include "settings/settingskeys.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QCoreApplication>
#include <QSettings>

bool TimemarkImport::intoBlock(FlyData *fly, const QString &path, bool replace, QString *error)
{
    OpentTimeMarkTableModel table(fly->geoCalc());
    TimemarkFile file(&table);
    // Only the operator's own choices in the dialog move the stored folders.
    file.setRemembersChoices(false);
    if (!file.detectSeparator(path) || !file.loadTable()) {
        *error = QCoreApplication::translate("TimemarkImport", "Timemark file %1 is not recognised")
                     .arg(path);
        if (!file.errorText().isEmpty())
            *error += QStringLiteral(": ") + file.errorText();
        return false;
    }
    file.applyStoredColumns();
    LineConversionReport report;
    const QList<Line> lines = table.toLines(&report);
    // A row read as 0 would be paired with a photo as if it were a position.
    if (report.hasProblems()) {
        *error = report.warningText();
        return false;
    }
    const QSettings settings;
    fly->setDelimiter(file.separatorPattern());
    fly->setColumns(BlockColumns{Keys::MetaPosDate.read(settings), Keys::MetaPosSx.read(settings),
                                 Keys::MetaPosSy.read(settings), Keys::MetaPosSz.read(settings)});
    fly->setTimemarkFileName(path);
    fly->addTimemarks(lines, replace);
    return true;
}
