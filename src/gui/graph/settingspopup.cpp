#include "graph/settingspopup.h"

#include "graph/popupparts.h"
#include "settings/settingskeys.h"

#include <QAbstractButton>
#include <QGridLayout>
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

    connect(PopUpParts::addButton(m_buttons, tr("Accept"), QStringLiteral("btn_accept")),
            &QAbstractButton::clicked, this, &SettingsPopUp::on_btn_accept_click);
    connect(PopUpParts::addButton(m_buttons, tr("Cancel"), QStringLiteral("btn_cancel")),
            &QAbstractButton::clicked, this, &SettingsPopUp::on_btn_cancel_click);

    buildLayout();
    m_samples->setValue(Keys::GraphMultisampling.read(m_settings));
}

void SettingsPopUp::buildLayout()
{
    if (m_layout)
        return;
    m_label->hide();
    m_layout = PopUpParts::grid(this, m_header, m_title);
    m_layout->addWidget(m_caption, 2, 0, 1, 2);
    m_layout->addWidget(m_samples, 3, 0);
    m_layout->addWidget(m_slider, 3, 1);
    m_layout->addWidget(m_buttons, 4, 0, 1, 2);
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
