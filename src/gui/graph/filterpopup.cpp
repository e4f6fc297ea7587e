#include "graph/filterpopup.h"

#include "graph/popupparts.h"
#include "settings/settingskeys.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QGridLayout>
#include <QLabel>
#include <QSlider>
#include <QSpinBox>

FilterPopUp::FilterPopUp(QWidget *parent)
    : PopUp(parent), m_title(PopUpParts::title(tr("Filters"), this)),
      m_gimbal(new QCheckBox(tr("by GimbalPitchDegree"), this)), m_gimbalValue(new QSpinBox(this)),
      m_gimbalSlider(new QSlider(this)), m_distance(new QCheckBox(tr("by distance (m)"), this)),
      m_distanceValue(new QSpinBox(this)), m_distanceSlider(new QSlider(this)),
      m_exposure(new QCheckBox(tr("by ExposureTime"), this)), m_buttons(new QWidget(this))
{
    setDisplayTime(0);
    setToggleMode(true);
    m_gimbal->setObjectName(QStringLiteral("chkb_gimbal"));
    m_gimbalValue->setObjectName(QStringLiteral("spn_gimbal"));
    m_gimbalSlider->setObjectName(QStringLiteral("slider_gimbal"));
    m_distance->setObjectName(QStringLiteral("chkb_distance"));
    m_distanceValue->setObjectName(QStringLiteral("spn_distance"));
    m_distanceSlider->setObjectName(QStringLiteral("slider_distance"));
    m_exposure->setObjectName(QStringLiteral("chkb_exposure"));
    PopUpParts::couple(m_gimbalValue, m_gimbalSlider, -90, 30);
    PopUpParts::couple(m_distanceValue, m_distanceSlider, 10, 90);

    connect(PopUpParts::addButton(m_buttons, tr("Accept"), QStringLiteral("btn_accept")),
            &QAbstractButton::clicked, this, &FilterPopUp::on_btn_accept_click);
    connect(PopUpParts::addButton(m_buttons, tr("Reset"), QStringLiteral("btn_reset")),
            &QAbstractButton::clicked, this, &FilterPopUp::on_btn_reset_click);
    connect(PopUpParts::addButton(m_buttons, tr("Add to quarantine"),
                                  QStringLiteral("btn_toQuarantine")),
            &QAbstractButton::clicked, this, &FilterPopUp::on_btn_toQuarantine_click);

    buildLayout();
    loadSettings();
}

void FilterPopUp::buildLayout()
{
    if (m_layout)
        return;
    m_label->hide();
    m_layout = PopUpParts::grid(this, m_header, m_title);
    m_layout->addWidget(m_gimbal, 2, 0, 1, 2);
    m_layout->addWidget(m_gimbalValue, 3, 0);
    m_layout->addWidget(m_gimbalSlider, 3, 1);
    m_layout->addWidget(m_distance, 4, 0, 1, 2);
    m_layout->addWidget(m_distanceValue, 5, 0);
    m_layout->addWidget(m_distanceSlider, 5, 1);
    m_layout->addWidget(m_exposure, 6, 0, 1, 2);
    m_layout->addWidget(m_buttons, 7, 0, 1, 2);
}

void FilterPopUp::loadSettings()
{
    m_gimbalValue->setValue(Keys::FiltersValue2.read(m_settings));
    m_distanceValue->setValue(Keys::FiltersValue.read(m_settings));
}

void FilterPopUp::on_btn_accept_click()
{
    emit acceptedFilters(m_gimbal->isChecked(), m_gimbalValue->value(), m_distance->isChecked(),
                         m_distanceValue->value(), m_exposure->isChecked());
    hideAnimation();
}

void FilterPopUp::on_btn_reset_click()
{
    emit resetFilters();
    hideAnimation();
}

void FilterPopUp::on_btn_toQuarantine_click()
{
    emit intoQuarantine();
    hideAnimation();
}
