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
     * Reads @p path and hands its table to @p fly as FlyData::importTimemarks() takes an
     * accepted import: after the rows it has or, with @p replace, instead of them. False,
     * with the reason in @p error and the block unchanged, when the file is not a timemark
     * file or a row is no position.
     */
    static bool intoBlock(FlyData *fly, const QString &path, bool replace, QString *error);
};
