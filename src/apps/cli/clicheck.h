#pragma once

#include <QCoreApplication>
#include <QList>
#include <QStringList>

class FlyData;
class QTextStream;
struct PairingResult;

/**
 * The pairing check on the command line: `kestrix-cli check` prints each block's verdict,
 * `process --drop-unmatched` leaves out what the check clearly finds without a partner.
 */
class CliCheck
{
    Q_DECLARE_TR_FUNCTIONS(CliCheck)
public:
    enum ExitCode
    {
        AllPaired = 0, //!< every block pairs one to one by time
        FoundUnmatched = 4,
        Undecided = 5 //!< a block's times cannot tell (too regular, or no dates)
    };

    /// Checks every block and prints its verdict to @p out; returns the exit code.
    static int report(const QList<FlyData *> &blocks, QTextStream &out);
    /**
     * Checks every block and removes the photos and rows a clear verdict names, telling
     * @p err about each block. Returns the lines for the run's summary: what was left out.
     */
    static QStringList dropUnmatched(const QList<FlyData *> &blocks, QTextStream &err);

private:
    /// The verdict of one block: a headline and a line per unmatched photo or row.
    static QStringList verdictLines(const FlyData &fly, const PairingResult &result);
    static QString photoText(const FlyData &fly, int index, const QString &time);
};
