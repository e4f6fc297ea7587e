#pragma once

/**
 * Registers the resource collections compiled into the static kestrix_gui library. A static
 * library's resources are dropped by the linker unless something references them, so every
 * program and widget test calls this once before using ":/..." paths.
 */
class GuiResources
{
public:
    static void initialize();
    /// Registers the embedded fonts (Open Sans, Font Awesome) with the font database, after
    /// initialize(). A font that fails only changes how tool tips and icons look.
    static void loadFonts();
};
