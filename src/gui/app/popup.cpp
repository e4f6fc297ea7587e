#include "app/popup.h"

#include "app/sharedconstants.h"

#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QPainter>
#include <QPropertyAnimation>
#include <QRegularExpression>
#include <QScreen>
#include <QSpacerItem>
#include <QTimer>
#include <QToolButton>

namespace {

constexpr int CornerDistance = 36;
constexpr int StackGap = 10;
constexpr int FadeInMs = 150;
constexpr int FadeOutMs = 1000;
constexpr int FastFadeOutMs = 150;
constexpr int HoverFadeInMs = 90;

// The bubble speaks in the interface font, which the shared tool-tip style names; reading it
// from there keeps one place to change it.
QString interfaceFontFamily()
{
    static const QRegularExpression family(
        QStringLiteral("font-family\\s*:\\s*[\"']?([^\"';}]+)[\"']?"));
    return family.match(toolTipStyleSheet).captured(1).trimmed();
}

} // namespace

PopUp::PopUp(QWidget *parent) : PopUp(QString(), parent) {}

PopUp::PopUp(const QString &text, QWidget *parent)
    : QWidget(parent), m_header(new QWidget(this)), m_closeButton(new QToolButton(m_header)),
      m_label(new QLabel(this)), m_animation(new QPropertyAnimation(this, "popupOpacity", this)),
      m_hideTimer(new QTimer(this))
{
    setWindowFlags(Qt::Tool | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint);
    setAttribute(Qt::WA_TranslucentBackground);
    setAttribute(Qt::WA_ShowWithoutActivating);
    const QString family = interfaceFontFamily();
    setStyleSheet(
        QStringLiteral("QLabel { color : white;font-size: 12pt;%1 }"
                       "QCheckBox { color : white; }")
            .arg(family.isEmpty() ? QString() : QStringLiteral("font-family:'%1'").arg(family)));

    auto *logo = new QLabel(m_header);
    const QPixmap picture(QStringLiteral(":/Kestrix.png"));
    if (!picture.isNull())
        logo->setPixmap(picture.scaled(16, 16, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    auto *title = new QLabel(QStringLiteral(" Kestrix"), m_header);
    title->setStyleSheet(QStringLiteral("QLabel { font-size: 16pt; font-weight: bold; }"));
    m_closeButton->setIcon(QIcon(QStringLiteral(":/FontAwersome/times-circle-white.svg")));
    m_closeButton->setAutoRaise(true);
    auto *headerLayout = new QHBoxLayout(m_header);
    headerLayout->setContentsMargins(0, 0, 0, 0);
    headerLayout->addWidget(logo);
    headerLayout->addWidget(title);
    headerLayout->addItem(new QSpacerItem(40, 20, QSizePolicy::Expanding, QSizePolicy::Minimum));
    headerLayout->addWidget(m_closeButton);

    m_label->setAlignment(Qt::AlignCenter);
    QFont font = m_label->font();
    font.setWeight(14);
    m_label->setFont(font);
    m_label->setStyleSheet(
        QStringLiteral("QLabel { color : white; font-size: 11pt;margin-top: 2px;margin-bottom: 6px;"
                       "margin-left: 6px;margin-right: 6px; }"));
    m_label->setText(text);

    m_hideTimer->setObjectName(QStringLiteral("hideTimer"));
    m_hideTimer->setSingleShot(true);
    connect(m_hideTimer, &QTimer::timeout, this, [this] { hideAnimation(); });
    connect(m_closeButton, &QToolButton::clicked, this, [this] { hideAnimation(); });
    connect(m_animation, &QPropertyAnimation::finished, this, &PopUp::hide);
    adjustSize();
}

void PopUp::setPopupOpacity(float opacity)
{
    m_opacity = opacity;
    setWindowOpacity(opacity);
}

QString PopUp::popupText() const
{
    return m_label->text();
}

void PopUp::setDisplayTime(int seconds)
{
    m_displayTimeMs = seconds * 1000;
}

void PopUp::setReferenceCorner(const QPoint &corner)
{
    m_referenceCorner = corner;
    m_referenceSet = true;
}

void PopUp::buildLayout()
{
    if (m_layout)
        return;
    m_layout = new QGridLayout(this);
    m_layout->addWidget(m_header, 0, 0);
    m_layout->addWidget(m_label, 1, 0);
}

void PopUp::setPopupText(const QString &text)
{
    m_label->setText(text);
    adjustSize();
}

void PopUp::show(const QPoint &pos, bool posFromLeft, bool upToStandart)
{
    if (m_toggleMode && isVisible()) {
        m_hideTimer->stop();
        fade(1.0f, 0.0f, FadeOutMs);
        return;
    }
    if (!layout())
        buildLayout();
    adjustSize();
    m_animation->stop();
    setPopupOpacity(0.0f);

    const int w = width();
    const int h = height();
    int x = pos.x();
    int y = pos.y();
    if (!pos.isNull()) {
        m_lastReference = pos;
        if (upToStandart) {
            y -= h + StackGap;
        } else if (posFromLeft) {
            x -= w + 15;
            y -= 15;
        }
    } else {
        // Both corners are global points: the main window hands in its own bottom-right
        // corner, which already includes the offset of the screen it sits on.
        QPoint corner = m_referenceCorner;
        if (!m_referenceSet) {
            const QScreen *screen = QGuiApplication::primaryScreen();
            const QRect area = screen ? screen->availableGeometry() : QRect();
            corner = area.topLeft() + QPoint(area.width(), area.height());
        }
        x = corner.x() - w - CornerDistance;
        y = corner.y() - h - CornerDistance;
    }
    setGeometry(x, y, w, h);
    QWidget::show();
    fade(0.0f, 1.0f, FadeInMs);
    if (m_displayTimeMs > 0)
        m_hideTimer->start(m_displayTimeMs);
}

void PopUp::movePop(const QPoint &pos)
{
    move(geometry().topLeft() + (pos - m_lastReference));
    m_lastReference = pos;
}

void PopUp::hideAnimation(bool fast)
{
    m_hideTimer->stop();
    // A hidden bubble has nothing to fade, and fading it would report it hidden a second time.
    if (!isVisible())
        return;
    fade(1.0f, 0.0f, fast ? FastFadeOutMs : FadeOutMs);
}

void PopUp::hide()
{
    if (m_opacity != 0.0f)
        return;
    QWidget::hide();
    emit hided();
}

void PopUp::fade(float from, float to, int ms)
{
    m_animation->stop();
    m_animation->setDuration(ms);
    m_animation->setStartValue(from);
    m_animation->setEndValue(to);
    m_animation->start();
}

void PopUp::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, 180));
    painter.drawRoundedRect(rect().adjusted(5, 5, -5, -5), 10, 10);
}

void PopUp::enterEvent(QEvent *event)
{
    QWidget::enterEvent(event);
    if (m_displayTimeMs <= 0)
        return;
    m_hideTimer->stop();
    if (m_opacity < 1.0f)
        fade(m_opacity, 1.0f, HoverFadeInMs);
}

void PopUp::leaveEvent(QEvent *event)
{
    QWidget::leaveEvent(event);
    if (m_displayTimeMs > 0 && isVisible())
        m_hideTimer->start(m_displayTimeMs);
}
