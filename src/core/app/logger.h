#pragma once

#include <QString>
#include <QtGlobal>

class QDateTime;

/**
 * The per-run log file and the process-wide message handler that fills it.
 *
 * Every message of every thread becomes one flushed line
 * "2024-05-17T09:03:41DBG Info: Starting MainWindow". Whether lines are written is decided by
 * main/logging at each message, so a change in the settings takes effect at once.
 * Old-log removal looks only at this program's own "logFile-*.log" files in the log folder.
 */
class Logger
{
public:
    /// Values of main/logging.
    enum Policy
    {
        Off = 0,        //!< the file is created but nothing is written
        KeepAll = 1,    //!< every message is written, nothing is removed
        KeepMonth = 2,  //!< at start-up, logs older than 30 days are removed
        KeepWeek = 3,   //!< ... older than 7 days
        KeepDay = 4,    //!< ... older than 1 day
        KeepLastTen = 5 //!< all but the last 10 logs in name order are removed
    };

    /// ~/.local/share/Orvanta/Kestrix/logs on Linux; needs the application identity set.
    static QString defaultDirectory();
    /// "logFile-2024-05-17T09.03.41.log" for a run started at @p start (local time).
    static QString fileNameFor(const QDateTime &start);
    /// One log line without the line end, e.g. "2024-05-17T09:03:41DBG Info: text".
    static QString formatLine(const QDateTime &time, QtMsgType type, const char *category,
                              const QString &message);

    /// Whether messages also reach the standard error stream (default true). The command line
    /// turns it off so that its own output stays readable; fatal messages always pass.
    static void setEchoToStandardError(bool echo);

    /// Creates defaultDirectory() if needed, opens the run's file there and installs the handler.
    static bool setUp();
    /**
     * Opens @p directory/fileNameFor(@p start) for appending (created also when logging is off)
     * and installs the message handler. A file that cannot be opened is not an error: messages
     * then only reach the standard output routine. Calling it again replaces the earlier file.
     */
    static bool setUp(const QString &directory, const QDateTime &start);
    /// Closes the file and puts back the handler that was installed before setUp().
    static void shutDown();

    /// Removes old logs of the log folder according to main/logging, as of now.
    static void removeOldLogs();
    /// The same with an explicit "now"; the file of the running session is never removed.
    static void removeOldLogs(const QDateTime &now);

    /// The folder given to setUp(), empty before it.
    static QString directory();
    /// Absolute path of the running session's file, empty before setUp().
    static QString filePath();
};
