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
};
