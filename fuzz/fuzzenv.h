#pragma once

#include <QString>
#include <QStringList>

class GeoCalc;

/**
 * The process set-up every fuzz target shares: an application object, a settings store and
 * a scratch folder of its own (in memory where the system offers it), Exiv2 initialised and
 * the program's log silenced, so that millions of inputs cost no disk and no terminal.
 */
class FuzzEnv
{
public:
    /// Call once, from LLVMFuzzerInitialize.
    static void setUp();
    static QString scratchDir();
    /// A converter initialised once; the process ends when PROJ cannot be set up.
    static GeoCalc *geoCalc();
    /// Ends the process with the list printed when @p broken is not empty, so that
    /// libFuzzer keeps the input that broke a promise as a crash. With KESTRIX_FUZZ_VERBOSE
    /// set, prints @p summary too (for replaying single inputs).
    static void check(const char *road, const QStringList &broken, const QString &summary);
};
