#include "app/notyficator.h"

#include "app/popup.h"

Notyficator::Notyficator(QObject *parent) : QObject(parent) {}

Notyficator::~Notyficator()
{
    qDeleteAll(m_bubbles);
}

void Notyficator::notify(const QString &text)
{
    auto *bubble = new PopUp(text);
    m_bubbles.append(bubble);
    connect(bubble, &PopUp::hided, this, &Notyficator::hidedNoty);
    bubble->setDisplayTime(m_displayTime);
    bubble->buildLayout();
    if (m_bubbles.size() == 1) {
        if (!m_anchor.isNull())
            bubble->setReferenceCorner(m_anchor);
        bubble->show(QPoint(), true, false);
    } else {
        const PopUp *below = m_bubbles.at(m_bubbles.size() - 2);
        bubble->show(below->geometry().topLeft(), true, true);
    }
}

void Notyficator::hidedNoty()
{
    auto *bubble = qobject_cast<PopUp *>(sender());
    if (!bubble || !m_bubbles.removeOne(bubble))
        return;
    bubble->deleteLater();
}
