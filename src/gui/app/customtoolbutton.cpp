#include "app/customtoolbutton.h"

#include <QAction>

CustomToolButton::CustomToolButton(QWidget *parent) : QToolButton(parent)
{
    setPopupMode(QToolButton::MenuButtonPopup);
    connect(this, &QToolButton::triggered, this, &CustomToolButton::onTriggered);
}

void CustomToolButton::setBusy(const QString &text, const QIcon &icon)
{
    if (!m_busy) {
        m_idleText = this->text();
        m_idleIcon = this->icon();
    }
    m_busy = true;
    setText(text);
    setIcon(icon);
}

void CustomToolButton::setIdle()
{
    if (!m_busy)
        return;
    m_busy = false;
    setText(m_idleText);
    setIcon(m_idleIcon);
}

void CustomToolButton::onTriggered(QAction *action)
{
    if (!m_busy)
        setDefaultAction(action);
}
