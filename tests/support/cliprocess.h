#pragma once

#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

class QObject;
class QProcess;

/// What one kestrix-cli run printed and returned.
struct CliResult
{
    int code = -1; //!< -1 when the process did not exit normally
    QString out;
    QString err;
};

/**
 * Runs the built kestrix-cli as the tests need it: with its own settings, data and home
 * folders, optionally behind a wrapper command (setpriv, time, ...).
 */
class CliProcess
{
public:
    /// The system environment with HOME and the XDG folders below @p base.
    static QProcessEnvironment isolatedEnvironment(const QString &base);
    /// Starts the program; the caller waits for it and owns the process (or @p parent does).
    static QProcess *start(const QProcessEnvironment &env, const QStringList &args,
                           const QStringList &wrapper = {}, QObject *parent = nullptr);
    /// Runs it to the end (killed after a minute) and collects what it printed.
    static CliResult run(const QProcessEnvironment &env, const QStringList &args,
                         const QStringList &wrapper = {});
};
