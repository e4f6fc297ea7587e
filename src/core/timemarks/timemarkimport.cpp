#include "timemarks/timemarkimport.h"

#include "blocks/flydata.h"
#include "timemarks/lineconversionreport.h"
#include "timemarks/openttimemarktablemodel.h"
#include "timemarks/timemarkfile.h"

#include <QCoreApplication>

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
    // A row read as 0 would be paired with a photo as if it were a position: the block
    // refuses the file as a whole, as it does after the dialog.
    LineConversionReport report;
    if (!fly->importTimemarks(table, replace, path, file.separatorPattern(), &report)) {
        *error = report.warningText();
        return false;
    }
    return true;
}
