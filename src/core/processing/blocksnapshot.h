#pragma once

#include "blocks/line.h"

#include <QList>
#include <QString>
#include <QStringList>

/**
 * Everything a processing run reads of one block, copied when the run is configured, so that
 * nothing the window does during the run can change its input.
 */
struct BlockSnapshot
{
    QStringList entries;        //!< photo entries in pairing order (paths or file URLs)
    QList<bool> quarantined;    //!< one flag per photo
    QList<qint64> sizes;        //!< each photo's file size when it was added; empty: unknown
    QList<Line> rows;           //!< timemark rows in pairing order
    bool hasDateColumn = false; //!< the block's timemark file has a date column
    QString delimiter;          //!< pattern its timemark file was read with; empty if none
};
