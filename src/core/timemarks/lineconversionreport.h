#pragma once

#include <QString>

/**
 * What `OpentTimeMarkTableModel::toLines()` found while converting: rows whose X, Y, Z or
 * accuracy cell (a role with a column) held no number. Such rows are still converted, with
 * 0 in that field, because photos are paired with rows by index; the caller shows
 * warningText() so the operator learns that a position may be wrong.
 */
struct LineConversionReport
{
    int convertedRows = 0;      //!< rows handed out as Line records
    int invalidRows = 0;        //!< rows with at least one numeric cell that was not a number
    int firstInvalidRow = 0;    //!< table row number (from 1) of the first such row, 0 when none
    int firstInvalidColumn = 0; //!< its file column (from 1), 0 when none
    QString firstInvalidText;   //!< that cell's text as read

    bool hasProblems() const { return invalidRows > 0; }
    /// Empty when every numeric cell was a number; otherwise one sentence for the operator.
    QString warningText() const;
};
