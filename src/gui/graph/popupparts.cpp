#include "graph/popupparts.h"

#include "app/sharedconstants.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QSlider>
#include <QSpinBox>

namespace PopUpParts {

QLabel *title(const QString &text, QWidget *parent)
{
    auto *label = new QLabel(parent);
    label->setObjectName(QStringLiteral("lbl_title"));
    setTitle(label, text);
    return label;
}

void setTitle(QLabel *label, const QString &text)
{
    label->setText(QStringLiteral("<html><head/><body><p><span style=\" font-size:14pt; "
                                  "font-weight:600;\">%1</span></p></body></html>")
                       .arg(text.toHtmlEscaped()));
}

QGridLayout *grid(QWidget *bubble, QWidget *header, QLabel *title)
{
    auto *layout = new QGridLayout(bubble);
    layout->setContentsMargins(16, 12, 16, 14);
    layout->addWidget(header, 0, 0, 1, 2);
    layout->addWidget(title, 1, 0, 1, 2);
    layout->setColumnStretch(1, 1);
    return layout;
}

QAbstractButton *button(const QString &text, const QString &objectName, QWidget *parent)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(objectName);
    button->setStyleSheet(buttonStyleSheet);
    button->setCursor(Qt::PointingHandCursor);
    return button;
}

QAbstractButton *addButton(QWidget *row, const QString &text, const QString &objectName)
{
    auto *layout = qobject_cast<QHBoxLayout *>(row->layout());
    if (!layout) {
        layout = new QHBoxLayout(row);
        layout->setContentsMargins(0, 0, 0, 0);
    }
    QAbstractButton *added = button(text, objectName, row);
    layout->addWidget(added);
    return added;
}

void couple(QSpinBox *spin, QSlider *slider, int minimum, int maximum)
{
    spin->setRange(minimum, maximum);
    slider->setRange(minimum, maximum);
    slider->setOrientation(Qt::Horizontal);
    QObject::connect(spin, qOverload<int>(&QSpinBox::valueChanged), slider, &QSlider::setValue);
    QObject::connect(slider, &QSlider::valueChanged, spin, &QSpinBox::setValue);
}

} // namespace PopUpParts
