#pragma once

#include <QString>

class QTemporaryDir;

/**
 * Per-test isolation: a private settings store and Exiv2 set-up.
 */
class TestEnv
{
public:
    /// Points the settings store into @p dir, enables test mode, sets the identity and
    /// initialises Exiv2. Call from initTestCase() before anything opens QSettings.
    static void isolate(const QTemporaryDir &dir);
    /// Drops the warning the offscreen platform gives at every opacity step of a bubble's
    /// fade; every other message still reaches the handler installed before.
    static void muteOffscreenFades();
    /// Drops every message from here on: a benchmark times its work, not the logging of it.
    static void muteMessages();
    /// The real-world sample folder ($KESTRIX_TESTDATA_DIR when set), or an empty string when
    /// it is absent.
    static QString testDataDir();
    /// True in a sanitizer build, whose memory use says nothing about the program's own.
    static bool isSanitized();
    /// Peak resident memory of this process in kB (VmHWM), or -1 where the kernel does not
    /// tell it.
    static qint64 peakMemoryKb();
    static QString cliPath();
    static QString synthPath();
};
