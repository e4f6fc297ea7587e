#pragma once

#include <QIcon>
#include <QToolButton>

/**
 * A tool button with a menu whose last triggered action becomes its default: the button then
 * shows that action's text and icon, and a click on its main part repeats it.
 *
 * While busy it shows a text and icon of its own (the processing control's "Break"), and an
 * action triggered meanwhile does not become the default: the run it would choose cannot
 * start before the current one has ended.
 */
class CustomToolButton : public QToolButton
{
    Q_OBJECT
public:
    explicit CustomToolButton(QWidget *parent = nullptr);

    /// Shows @p text and @p icon until setIdle(); the look from before comes back then.
    void setBusy(const QString &text, const QIcon &icon);
    void setIdle();
    bool isBusy() const { return m_busy; }

private:
    void onTriggered(QAction *action);

    bool m_busy = false;
    QString m_idleText;
    QIcon m_idleIcon;
};
