#include "timemarks/lineconversionreport.h"

#include <QCoreApplication>

QString LineConversionReport::firstPlace() const
{
    return firstInvalidLine > 0
               ? QCoreApplication::translate("LineConversionReport", "line %1")
                     .arg(firstInvalidLine)
               : QCoreApplication::translate("LineConversionReport", "row %1").arg(firstInvalidRow);
}

QString LineConversionReport::warningText() const
{
    if (invalidRows <= 0)
        return QString();
    return QCoreApplication::translate(
               "LineConversionReport",
               "Timemark rows that are no usable position: %n. The file is refused as a whole "
               "(first: %1: %2). Check the column roles, the first row and the coordinate system.",
               nullptr, invalidRows)
        .arg(firstPlace(), firstReason);
}
