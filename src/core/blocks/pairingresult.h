#pragma once

#include <QList>
#include <QString>

/// A photo or timemark row the pairing check names, with the time it carries.
struct PairingItem
{
    int index = -1; //!< position in the block's photo list or timemark table, from 0
    QString time;   //!< the photo's capture time, or the row's date text as read
};

/**
 * What the pairing check found for one block: whether its photos and timemark rows pair one
 * to one by time, and where they do not.
 */
struct PairingResult
{
    enum Verdict
    {
        Matched,   //!< every photo pairs with the row of the same position, clearly
        Unmatched, //!< clearly paired except for the items listed
        Ambiguous, //!< the times do not tell the pairing apart; nothing is named
        NoDates    //!< the check cannot run: photos or rows without a usable time
    };

    Verdict verdict = NoDates;
    /// Why the verdict is Ambiguous or NoDates, in the operator's words; empty otherwise.
    QString reason;
    /// Seconds the photos' clock reads ahead of the receiver's (negative: behind). Only
    /// meaningful when pairs > 0.
    double offset = 0.0;
    /// Standard deviation of the offsets of the single pairs, seconds.
    double spread = 0.0;
    int pairs = 0;
    int photoCount = 0;
    int rowCount = 0;
    /// For a clear verdict, the row each photo pairs with (-1: none); empty otherwise.
    QList<int> rowOfPhoto;
    QList<PairingItem> photosWithoutRow; //!< ascending by index
    QList<PairingItem> rowsWithoutPhoto; //!< ascending by index

    bool isClear() const { return verdict == Matched || verdict == Unmatched; }
    /// Clear, and every photo pairs with the row at its own position.
    bool pairsOneToOne() const { return verdict == Matched; }
    QList<int> unmatchedPhotoIndexes() const;
    QList<int> unmatchedRowIndexes() const;
};
