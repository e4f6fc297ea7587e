#pragma once

#include <QStringView>

/**
 * Reads the numbers of timemark cells, whatever the exporter's habits: a decimal comma is
 * read as a point and blanks are taken as digit grouping ("1 234,5" is 1234.5).
 *
 * Blanks that cannot be grouping ("12 5", "29 59 59.9") make the text not a number rather
 * than gluing the digits into a different value. Where degrees are expected, three
 * blank-separated parts are read as degrees, minutes and seconds ("29 59 59.97974", the
 * form RTKLIB writes and that joining its three columns gives).
 */
class TimemarkNumber
{
public:
    /// The value, or 0 with @p ok false when @p text is not a finite number.
    static double parse(QStringView text, bool *ok = nullptr, bool allowDms = false);
};
