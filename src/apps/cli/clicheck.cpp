#include "clicheck.h"

#include "blocks/flydata.h"
#include "blocks/pairingresult.h"

#include <QFileInfo>
#include <QTextStream>

namespace {

// "+3600.40 s": the sign tells which clock is ahead.
QString seconds(double value)
{
    return QString::asprintf("%+.2f s", value);
}

} // namespace

QString CliCheck::photoText(const FlyData &fly, int index, const QString &time)
{
    return tr("photo %1 %2 (%3)")
        .arg(index + 1)
        .arg(QFileInfo(fly.photos()->entry(index)).fileName(), time);
}

QString CliCheck::rowText(int index, const QString &time)
{
    return tr("row %1 (%2)").arg(index + 1).arg(time);
}

QStringList CliCheck::verdictLines(const FlyData &fly, const PairingResult &r)
{
    QStringList lines;
    const int block = fly.number();
    switch (r.verdict) {
    case PairingResult::Matched:
        //: %2 is "40 photos", %3 "40 rows"
        lines << tr("Block %1: matched: %2 and %3 pair one to one by time (photo clock %4 "
                    "against the receiver's, spread %5)")
                     .arg(block)
                     .arg(tr("%n photos", "paired by time", r.photoCount),
                          tr("%n rows", "paired by time", r.rowCount))
                     .arg(seconds(r.offset))
                     .arg(QString::number(r.spread, 'f', 2) + QStringLiteral(" s"));
        break;
    case PairingResult::Unmatched:
        lines << tr("Block %1: unmatched: photos without a row: %2, rows without a photo: %3, "
                    "pairs by time: %4 (photo clock %5 against the receiver's, spread %6)")
                     .arg(block)
                     .arg(r.photosWithoutRow.size())
                     .arg(r.rowsWithoutPhoto.size())
                     .arg(r.pairs)
                     .arg(seconds(r.offset))
                     .arg(QString::number(r.spread, 'f', 2) + QStringLiteral(" s"));
        for (const PairingItem &item : r.photosWithoutRow)
            lines << QStringLiteral("  ") +
                         tr("without a row: %1").arg(photoText(fly, item.index, item.time));
        for (const PairingItem &item : r.rowsWithoutPhoto)
            lines << QStringLiteral("  ") +
                         tr("without a photo: %1").arg(rowText(item.index, item.time));
        break;
    case PairingResult::Ambiguous:
        lines << tr("Block %1: ambiguous: %2").arg(block).arg(r.reason);
        break;
    case PairingResult::NoDates:
        lines << tr("Block %1: no dates: %2").arg(block).arg(r.reason);
        break;
    }
    return lines;
}

int CliCheck::report(const QList<FlyData *> &blocks, QTextStream &out)
{
    bool unmatched = false;
    bool undecided = false;
    for (FlyData *fly : blocks) {
        const PairingResult r = fly->checkPairing();
        for (const QString &line : verdictLines(*fly, r))
            out << line << Qt::endl;
        unmatched = unmatched || r.verdict == PairingResult::Unmatched;
        undecided = undecided || !r.isClear();
    }
    return unmatched ? FoundUnmatched : undecided ? Undecided : AllPaired;
}

QStringList CliCheck::dropUnmatched(const QList<FlyData *> &blocks, QTextStream &err)
{
    QStringList summary;
    for (FlyData *fly : blocks) {
        const PairingResult r = fly->checkPairing();
        if (r.verdict != PairingResult::Unmatched) {
            // Only what the times clearly tell is left out; the pre-checks judge the rest.
            err << verdictLines(*fly, r).first();
            if (!r.isClear())
                err << QStringLiteral(" ") << tr("(nothing left out)");
            err << Qt::endl;
            continue;
        }
        QStringList names;
        for (const PairingItem &item : r.photosWithoutRow)
            names << photoText(*fly, item.index, item.time);
        for (const PairingItem &item : r.rowsWithoutPhoto)
            names << rowText(item.index, item.time);
        if (!fly->removeUnmatched())
            continue;
        err << tr("Block %1: left out for want of a partner by time: photos: %2, rows: %3")
                   .arg(fly->number())
                   .arg(r.photosWithoutRow.size())
                   .arg(r.rowsWithoutPhoto.size())
            << Qt::endl;
        summary << tr("Left out of block %1 (no partner by time, source files untouched):")
                       .arg(fly->number());
        for (const QString &name : qAsConst(names))
            summary << QStringLiteral("  ") + name;
    }
    return summary;
}
