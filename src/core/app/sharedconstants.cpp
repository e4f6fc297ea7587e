#include "app/sharedconstants.h"

const QString buttonStyleSheet = QStringLiteral(
    "QAbstractButton { background-color: #3bd48e; border-width: 1px; border-color: #76797C; "
    "border-style: solid; padding: 5px; border-radius: 2px; outline: none; } "
    "QAbstractButton:disabled { background-color: #31363b; border-width: 1px; "
    "border-color: #454545; border-style: solid; padding-top: 5px; padding-bottom: 5px; "
    "padding-left: 10px; padding-right: 10px; border-radius: 2px; color: #454545; } "
    "QAbstractButton:hover { border: 1px solid #3daee9; background-color: #63e7aa; }");

const QString toolTipStyleSheet = QStringLiteral(
    "QToolTip { font-size: 11pt; font-family: \"Open Sans\"; "
    "/* color: #ffffff; background-color: #31363b; border: 1px solid #76797C; */ }");

const QList<QStringList> separatorList = {
    {QStringLiteral("Tab"), QStringLiteral(";"), QStringLiteral(","), QStringLiteral("rtklib")},
    {QStringLiteral("\t"), QStringLiteral(";"), QStringLiteral(","), QStringLiteral("\\s+")}};
