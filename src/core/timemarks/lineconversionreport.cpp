#include "timemarks/lineconversionreport.h"

#include <QCoreApplication>

QString LineConversionReport::warningText() const
{
    if (invalidRows <= 0)
        return QString();
    const QString cell = firstInvalidText.isEmpty()
                             ? QCoreApplication::translate("LineConversionReport", "an empty cell")
                             : QStringLiteral("\"%1\"").arg(firstInvalidText);
    return QCoreApplication::translate(
               "LineConversionReport",
               "%n timemark row(s) hold a value that is not a number and was read as 0 "
               "(first: row %1, column %2, %3). Check the column roles and the file.",
               nullptr, invalidRows)
        .arg(firstInvalidRow)
        .arg(firstInvalidColumn)
        .arg(cell);
}
