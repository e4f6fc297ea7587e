#pragma once

#include <QString>

class FlyData;

/**
 * Takes a timemark file into a block as an accepted import does, without the dialog: the
 * delimiter the file names, the column roles and first row kept in the settings. The demo
 * flight is loaded this way, and so are the blocks the window's tests build.
 */
class TimemarkImport
{
public:
    /**
     * Reads @p path and hands its rows to @p fly, after the rows it has or, with @p replace,
     * instead of them; the block keeps the delimiter, the columns and the file name. False,
     * with the reason in @p error and the block unchanged, when the file is not a timemark
     * file or a row holds a cell that is no number.
     */
    static bool intoBlock(FlyData *fly, const QString &path, bool replace, QString *error);
};
