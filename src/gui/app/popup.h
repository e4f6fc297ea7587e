#pragma once

#include <QPoint>
#include <QWidget>

class QGridLayout;
class QLabel;
class QPropertyAnimation;
class QTimer;
class QToolButton;

/**
 * A frameless, translucent, rounded bubble that fades in, stays for its display time and fades
 * out. The notifier shows messages in it; the flight graph derives its option bubbles from it
 * and puts its own widgets under the header by overriding buildLayout().
 */
class PopUp : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(float popupOpacity READ popupOpacity WRITE setPopupOpacity)
public:
    explicit PopUp(QWidget *parent = nullptr);
    explicit PopUp(const QString &text, QWidget *parent = nullptr);

    float popupOpacity() const { return m_opacity; }
    void setPopupOpacity(float opacity);
    QString popupText() const;

    /// Seconds the bubble stays before fading out; 0 or less: until it is closed.
    void setDisplayTime(int seconds);
    int displayTimeMs() const { return m_displayTimeMs; }
    /// When on, show() on a visible bubble fades it out instead.
    void setToggleMode(bool on) { m_toggleMode = on; }
    bool toggleMode() const { return m_toggleMode; }
    /// Global point a bubble shown without a position is placed against (36 px up and left of
    /// it); the available area's bottom-right corner of the primary screen until set.
    void setReferenceCorner(const QPoint &corner);

    /**
     * Lays out the header in row 0 and the message in row 1 of a grid. Subclasses that show
     * other widgets override it; show() runs it if nobody did before.
     */
    virtual void buildLayout();

public slots:
    void setPopupText(const QString &text);
    /**
     * Places and fades in the bubble. At a null @p pos it sits against the reference corner;
     * otherwise @p upToStandart puts it 10 px above @p pos (stacking on an earlier bubble) and
     * @p posFromLeft to the left of and a little above it (beside the button that opened it).
     */
    void show(const QPoint &pos = QPoint(), bool posFromLeft = true, bool upToStandart = false);
    /// Moves by how far @p pos lies from the position given last, e.g. when the owner moved.
    void movePop(const QPoint &pos);
    void hideAnimation(bool fast = false);
    /// Runs when a fade ends: hides the bubble and emits hided() only once it is transparent.
    void hide();

signals:
    /// Faded out completely and hidden.
    void hided();

protected:
    void paintEvent(QPaintEvent *event) override;
    void enterEvent(QEvent *event) override;
    void leaveEvent(QEvent *event) override;
    void fade(float from, float to, int ms);

    QWidget *m_header;          //!< logo, " Kestrix", close button
    QToolButton *m_closeButton; //!< fades the bubble out
    QLabel *m_label;            //!< the message
    QGridLayout *m_layout = nullptr;

private:
    QPropertyAnimation *m_animation;
    QTimer *m_hideTimer;
    float m_opacity = 1.0f;
    int m_displayTimeMs = 3000;
    bool m_toggleMode = false;
    bool m_referenceSet = false;
    QPoint m_referenceCorner;
    QPoint m_lastReference;
};
