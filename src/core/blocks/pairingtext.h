#pragma once

#include "blocks/pairingresult.h"

#include <QCoreApplication>
#include <QString>

/**
 * The pairing check's verdicts and items in the operator's words, shared by the command line
 * and the window so that both name a finding the same way.
 */
class PairingText
{
    Q_DECLARE_TR_FUNCTIONS(PairingText)
public:
    /// "matched", "unmatched", "ambiguous" or "no dates".
    static QString verdictName(PairingResult::Verdict verdict);
    /**
     * What the verdict rests on: "40 photos and 40 rows pair one to one by time", the counts
     * of unmatched items and pairs, or the reason why the times cannot tell.
     */
    static QString detail(const PairingResult &result);
    /// "photo clock +3600.40 s against the receiver's, spread 0.12 s"; for a clear verdict.
    static QString clock(const PairingResult &result);
    /// The verdict with its detail and, when clear, the clocks: one line per block.
    static QString headline(const PairingResult &result);
    /// "photos without a row: 1, rows without a photo: 2".
    static QString unmatchedCounts(const PairingResult &result);
    /// "photo 8 DJI_0008.JPG (2024-05-17 10:00:14)"; @p index from 0.
    static QString photoItem(int index, const QString &fileName, const QString &time);
    /// "row 23 (2024/05/17 10:00:46.000)"; @p index from 0.
    static QString rowItem(int index, const QString &time);
    /// "+3600.40 s": the sign tells which clock is ahead.
    static QString seconds(double value);
};
