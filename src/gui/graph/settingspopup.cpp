#include "graph/settingspopup.h"

#include "graph/popupparts.h"
#include "settings/settingskeys.h"

#include <QAbstractButton>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

SettingsPopUp::SettingsPopUp(QWidget *parent)
    : PopUp(parent), m_title(PopUpParts::title(tr("Graph settings"), this)),
      m_caption(new QLabel(tr("Graph multisampling"), this)), m_samples(new QSpinBox(this)),
      m_slider(new QSlider(this)), m_buttons(new QWidget(this))
{
    setDisplayTime(0);
    m_samples->setObjectName(QStringLiteral("spn_multisampling"));
    m_slider->setObjectName(QStringLiteral("slider_multisampling"));
    PopUpParts::couple(m_samples, m_slider, 1, 16);

    auto *buttons = new QHBoxLayout(m_buttons);
    buttons->setContentsMargins(0, 0, 0, 0);
    QAbstractButton *accept =
        PopUpParts::button(tr("Accept"), QStringLiteral("btn_accept"), m_buttons);
    QAbstractButton *cancel =
        PopUpParts::button(tr("Cancel"), QStringLiteral("btn_cancel"), m_buttons);
    buttons->addWidget(accept);
    buttons->addWidget(cancel);
    connect(accept, &QAbstractButton::clicked, this, &SettingsPopUp::on_btn_accept_click);
    connect(cancel, &QAbstractButton::clicked, this, &SettingsPopUp::on_btn_cancel_click);

    buildLayout();
    m_samples->setValue(Keys::GraphMultisampling.read(m_settings));
}

void SettingsPopUp::buildLayout()
{
    if (m_layout)
        return;
    m_label->hide();
    m_layout = new QGridLayout(this);
    m_layout->setContentsMargins(16, 12, 16, 14);
    m_layout->addWidget(m_header, 0, 0, 1, 2);
    m_layout->addWidget(m_title, 1, 0, 1, 2);
    m_layout->addWidget(m_caption, 2, 0, 1, 2);
    m_layout->addWidget(m_samples, 3, 0);
    m_layout->addWidget(m_slider, 3, 1);
    m_layout->addWidget(m_buttons, 4, 0, 1, 2);
    m_layout->setColumnStretch(1, 1);
}

void SettingsPopUp::on_btn_accept_click()
{
    Keys::GraphMultisampling.write(m_settings, m_samples->value());
    m_settings.sync();
    emit accepted();
    hideAnimation();
}

void SettingsPopUp::on_btn_cancel_click()
{
    m_samples->setValue(Keys::GraphMultisampling.read(m_settings));
    hideAnimation();
}
