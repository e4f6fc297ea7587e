#pragma once

#include <QStringList>

/**
 * The desktop program's command line switches, compared without regard to letter case over
 * every element of the argument vector, the program name included.
 *
 * "-nocheck" lets processing start although a pre-check fails. "-fulldel" does the same and
 * also gives every new block its no-check state, in which photos and timemarks can be removed
 * together and the timemark table edited while their counts differ.
 *
 * "--demo" opens the window with a synthetic flight, ready to be processed.
 */
class CommandLine
{
public:
    explicit CommandLine(const QStringList &arguments);

    /// How many elements asked for no-check mode; the window title gets one suffix for each.
    int noCheckCount() const { return m_noCheckCount; }
    bool noCheck() const { return m_noCheckCount > 0; }
    /// Whether new blocks start in their no-check state ("-fulldel").
    bool blocksNoCheck() const { return m_blocksNoCheck; }
    bool demo() const { return m_demo; }

private:
    int m_noCheckCount = 0;
    bool m_blocksNoCheck = false;
    bool m_demo = false;
};
