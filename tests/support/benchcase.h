#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

/**
 * A benchmark's case run in a new process of the benchmark itself, so that the peak memory a
 * case reports is its own and not that of the cases before it.
 */
class BenchCase
{
public:
    /// Runs this program with @p arguments; the blank-separated fields it printed, or an empty
    /// list when it failed or printed other than @p fields of them.
    static QList<QByteArray> run(const QStringList &arguments, int fields);
    /// run() @p times over, the fields as numbers; empty as soon as one run fails.
    static QList<QList<double>> repeat(const QStringList &arguments, int fields, int times);
};
