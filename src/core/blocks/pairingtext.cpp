#include "blocks/pairingtext.h"

QString PairingText::verdictName(PairingResult::Verdict verdict)
{
    switch (verdict) {
    case PairingResult::Matched:
        return tr("matched");
    case PairingResult::Unmatched:
        return tr("unmatched");
    case PairingResult::Ambiguous:
        return tr("ambiguous");
    case PairingResult::NoDates:
        break;
    }
    return tr("no dates");
}

QString PairingText::unmatchedCounts(const PairingResult &r)
{
    return tr("photos without a row: %1, rows without a photo: %2")
        .arg(r.photosWithoutRow.size())
        .arg(r.rowsWithoutPhoto.size());
}

QString PairingText::detail(const PairingResult &r)
{
    switch (r.verdict) {
    case PairingResult::Matched:
        //: %1 is "40 photos", %2 "40 rows"
        return tr("%1 and %2 pair one to one by time")
            .arg(tr("%n photos", "paired by time", r.photoCount),
                 tr("%n rows", "paired by time", r.rowCount));
    case PairingResult::Unmatched:
        return tr("%1, pairs by time: %2").arg(unmatchedCounts(r)).arg(r.pairs);
    case PairingResult::Ambiguous:
    case PairingResult::NoDates:
        break;
    }
    return r.reason;
}

QString PairingText::clock(const PairingResult &r)
{
    return tr("photo clock %1 against the receiver's, spread %2")
        .arg(seconds(r.offset))
        .arg(tr("%1 s", "seconds").arg(QString::number(r.spread, 'f', 2)));
}

QString PairingText::headline(const PairingResult &r)
{
    if (r.isClear())
        return tr("%1: %2 (%3)").arg(verdictName(r.verdict), detail(r), clock(r));
    return tr("%1: %2").arg(verdictName(r.verdict), detail(r));
}

QString PairingText::photoItem(int index, const QString &fileName, const QString &time)
{
    return tr("photo %1 %2 (%3)").arg(index + 1).arg(fileName, time);
}

QString PairingText::rowItem(int index, const QString &time)
{
    return tr("row %1 (%2)").arg(index + 1).arg(time);
}

QString PairingText::seconds(double value)
{
    return tr("%1 s", "seconds").arg(QString::asprintf("%+.2f", value));
}
