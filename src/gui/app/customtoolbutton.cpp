#include "app/customtoolbutton.h"

#include <QAction>

CustomToolButton::CustomToolButton(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::MenuButtonPopup);
    connect(this, &QToolButton::triggered, this, &QToolButton::setDefaultAction);
}
