#pragma once

/**
 * Process-wide Exiv2 set-up shared by the desktop program, the CLI and the tests.
 *
 * Without the drone-dji namespace registered, building an XmpKey for it throws until some
 * photo carrying the namespace has been decoded, so results would depend on photo order.
 */
class ExivSetup
{
public:
    /// Initialises the XMP parser and registers drone-dji; safe to call more than once.
    static void initialize();
    static const char *droneDjiNamespace();
};
