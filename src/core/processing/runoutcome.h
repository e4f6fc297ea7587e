#pragma once

#include "processing/processingreport.h"

#include <QCoreApplication>
#include <QString>
#include <QStringList>

/**
 * What the operator is told when a run has ended: the status line of a failed run, and the
 * photos that did not come out as planned, each named with its reason.
 */
class RunOutcome
{
    Q_DECLARE_TR_FUNCTIONS(RunOutcome)

public:
    /**
     * The status of a run that ended with the negative @p code. The job's own
     * @p jobMessage says what went wrong; a coordinate file that cannot be opened keeps its
     * long-standing sentence, followed by the job's reason.
     */
    static QString failureText(int code, const QString &jobMessage);
    /// One line per photo that did not come out as planned, then one counting the photos a
    /// run that broke off never reached. Empty when every photo came out as planned.
    static QStringList problems(const ProcessingReport &report);
    /// How many photos problems() is about.
    static int problemCount(const ProcessingReport &report);
    /// The sentence that follows the run's summary when problemCount() is not 0; else empty.
    static QString attentionText(const ProcessingReport &report);
};
