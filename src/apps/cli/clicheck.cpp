#include "clicheck.h"

#include "blocks/flydata.h"
#include "blocks/pairingresult.h"
#include "blocks/pairingtext.h"

#include <QFileInfo>
#include <QTextStream>

QString CliCheck::photoText(const FlyData &fly, int index, const QString &time)
{
    return PairingText::photoItem(index, QFileInfo(fly.photos()->entry(index)).fileName(), time);
}

QStringList CliCheck::verdictLines(const FlyData &fly, const PairingResult &r)
{
    QStringList lines{tr("Block %1: %2").arg(fly.number()).arg(PairingText::headline(r))};
    for (const PairingItem &item : r.photosWithoutRow)
        lines << QStringLiteral("  ") +
                     tr("without a row: %1").arg(photoText(fly, item.index, item.time));
    for (const PairingItem &item : r.rowsWithoutPhoto)
        lines << QStringLiteral("  ") +
                     tr("without a photo: %1").arg(PairingText::rowItem(item.index, item.time));
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
            names << PairingText::rowItem(item.index, item.time);
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
