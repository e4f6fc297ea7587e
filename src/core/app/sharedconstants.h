#pragma once

#include <QList>
#include <QString>
#include <QStringList>

/// Style of the green action buttons (the processing control).
extern const QString buttonStyleSheet;
/// Tool-tip style every window appends to its own style sheet.
extern const QString toolTipStyleSheet;
/**
 * The delimiter table: list 0 holds the display names {"Tab", ";", ",", "rtklib"},
 * list 1 the split patterns {tab, ";", ",", "\s+"}, index for index.
 */
extern const QList<QStringList> separatorList;
