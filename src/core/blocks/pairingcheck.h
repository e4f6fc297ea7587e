#pragma once

#include "blocks/line.h"
#include "blocks/pairingresult.h"
#include "photos/capturetime.h"

#include <QCoreApplication>
#include <QList>
#include <QVector>

/**
 * Finds where a block's photos and timemark rows stop matching, by their times.
 *
 * The camera's and the receiver's clocks differ by an unknown, nearly constant offset (time
 * zone, GPS leap seconds, a camera clock set by hand) and photo times often have whole
 * seconds only, so the times cannot be compared as they are; the rhythm of the flight can.
 * Candidate offsets come from a vote over the differences of times near the diagonal of the
 * two lists; for each, an alignment by dynamic programming in a band around the diagonal
 * pairs photos with rows (a pair costs nothing while its times agree within their
 * resolutions and more the further it strays beyond, an unpaired photo or row costs one) and
 * refines the offset and a slow drift from its pairs. The band widens where the items left
 * out may not fit into it.
 *
 * The cheapest alignment is only reported as clear when every other offset costs clearly
 * more (a flight of constant intervals fits every shift of itself nearly as well) and no
 * single photo or row could change sides at about the same cost.
 */
class PairingCheck
{
    Q_DECLARE_TR_FUNCTIONS(PairingCheck)
public:
    /// A time as the pairing compares it: the moment lies in [seconds, seconds + resolution).
    struct Stamp
    {
        double seconds = 0.0;
        double resolution = 0.0;
    };

    /// Checks a block: the photos' capture times against the rows' date texts.
    static PairingResult check(const QList<CaptureTime> &photos, const QList<Line> &rows);
    /// Whether @p row has a date text the pairing can go by.
    static bool hasDate(const Line &row);
    /// The comparison itself, on times read already (item times of the result stay empty).
    static PairingResult compare(const QVector<Stamp> &photos, const QVector<Stamp> &rows);
};
