#pragma once

#include <QToolButton>

/**
 * A tool button with a menu whose last triggered action becomes its default: the button then
 * shows that action's text and icon, and a click on its main part repeats it.
 */
class CustomToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CustomToolButton(QWidget *parent = nullptr);
};
