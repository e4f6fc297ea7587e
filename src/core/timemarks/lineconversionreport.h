#pragma once

#include <QString>

/**
 * What `OpentTimeMarkTableModel::toLines()` found while converting: rows that are no usable
 * position (a cell that is not a number, a coordinate or height outside what the coordinate
 * system allows, a point the conversion to UTM cannot take, a point far from all the others).
 *
 * Every row is still handed out, so that the caller sees the whole table; but a file with any
 * such row must be refused as a whole: photos pair with rows by index, so dropping a row would
 * shift every later pair. The caller shows warningText().
 */
struct LineConversionReport
{
    int convertedRows = 0;      //!< rows handed out as Line records
    int invalidRows = 0;        //!< rows that are no usable position
    int firstInvalidRow = 0;    //!< table row number (from 1) of the first such row, 0 when none
    int firstInvalidLine = 0;   //!< its line number in the file (from 1), 0 when not known
    int firstInvalidColumn = 0; //!< file column (from 1) of the cell in question, 0 when none
    QString firstInvalidText;   //!< that cell's text as read
    QString firstReason;        //!< why that row is no position, a translated phrase

    bool hasProblems() const { return invalidRows > 0; }
    /// Where the first such row is, "line 16" (or "row 15" when the line is not known).
    QString firstPlace() const;
    /// Empty when every row is a position; otherwise one sentence for the operator with the
    /// count, the first row and its reason.
    QString warningText() const;
};
