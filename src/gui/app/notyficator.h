#pragma once

#include <QList>
#include <QObject>
#include <QPoint>

class PopUp;

/**
 * Shows the blocks' short messages as bubbles stacked upwards from the main window's
 * bottom-right corner, each for eight seconds, and deletes each bubble once it has faded out.
 * The bubbles are windows of their own; the notifier owns those still shown.
 */
class Notyficator : public QObject
{
    Q_OBJECT
public:
    explicit Notyficator(QObject *parent = nullptr);
    ~Notyficator() override;

    /// Global bottom-right corner of the main window; (0, 0): none, the screen corner is used.
    void setAnchor(const QPoint &anchor) { m_anchor = anchor; }
    QPoint anchor() const { return m_anchor; }
    /// Seconds each new bubble stays (8 by default).
    void setDisplayTime(int seconds) { m_displayTime = seconds; }
    /// The bubbles shown now, oldest first.
    const QList<PopUp *> &bubbles() const { return m_bubbles; }

public slots:
    void notify(const QString &text);
    /// A bubble faded out: it is forgotten, the others stay where they are.
    void hidedNoty();

private:
    QList<PopUp *> m_bubbles;
    QPoint m_anchor;
    int m_displayTime = 8;
};
