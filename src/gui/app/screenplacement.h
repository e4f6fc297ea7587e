#pragma once

class QRect;

/**
 * Where a stored window rectangle may be restored: a monitor that was unplugged since would
 * open the window where nobody sees it.
 */
class ScreenPlacement
{
public:
    /// Whether @p rect overlaps the available area of at least one screen.
    static bool onSomeScreen(const QRect &rect);
};
