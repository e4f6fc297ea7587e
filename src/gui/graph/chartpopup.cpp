#include "graph/chartpopup.h"

#include "graph/popupparts.h"
#include "settings/chartsettings.h"

#include <QAbstractButton>
#include <QColorDialog>
#include <QGridLayout>
#include <QLabel>
#include <QSpinBox>

namespace {
constexpr int MinimumSize = 2;
constexpr int MaximumSize = 10;
} // namespace

ChartPopUp::ChartPopUp(QWidget *parent)
    : PopUp(parent), m_curve(ChartSettings::Chart), m_title(PopUpParts::title(QString(), this)),
      m_picker(new QColorDialog(this)), m_size(new QSpinBox(this)), m_buttons(new QWidget(this))
{
    setDisplayTime(0);
    m_picker->setObjectName(QStringLiteral("colorPicker"));
    // Embedded as a plain widget: the bubble's own buttons decide.
    m_picker->setWindowFlags(Qt::Widget);
    m_picker->setOptions(QColorDialog::DontUseNativeDialog | QColorDialog::NoButtons |
                         QColorDialog::ShowAlphaChannel);
    m_picker->setVisible(true);
    m_size->setObjectName(QStringLiteral("spn_size"));
    m_size->setRange(MinimumSize, MaximumSize);

    connect(PopUpParts::addButton(m_buttons, tr("Save"), QStringLiteral("btn_accept")),
            &QAbstractButton::clicked, this, &ChartPopUp::on_btn_accept_click);
    connect(PopUpParts::addButton(m_buttons, tr("Cancel"), QStringLiteral("btn_cancel")),
            &QAbstractButton::clicked, this, &ChartPopUp::on_btn_cancel_click);
    connect(PopUpParts::addButton(m_buttons, tr("Reset"), QStringLiteral("btn_reset")),
            &QAbstractButton::clicked, this, &ChartPopUp::on_btn_reset_click);

    buildLayout();
    load();
}

void ChartPopUp::buildLayout()
{
    if (m_layout)
        return;
    m_label->hide();
    m_layout = PopUpParts::grid(this, m_header, m_title);
    m_layout->addWidget(new QLabel(tr("Color"), this), 2, 0, 1, 2);
    m_layout->addWidget(m_picker, 3, 0, 1, 2);
    m_layout->addWidget(new QLabel(tr("Size"), this), 4, 0);
    m_layout->addWidget(m_size, 4, 1, Qt::AlignLeft);
    m_layout->addWidget(m_buttons, 5, 0, 1, 2);
}

void ChartPopUp::setCurve(const QString &curve, const QString &title)
{
    m_curve = ChartSettings::isCurveName(curve) ? curve : ChartSettings::Chart;
    PopUpParts::setTitle(m_title, title);
    load();
}

void ChartPopUp::load()
{
    m_picker->setCurrentColor(ChartSettings::color(m_settings, m_curve));
    m_size->setValue(ChartSettings::size(m_settings, m_curve));
}

void ChartPopUp::on_btn_accept_click()
{
    ChartSettings::setColor(m_settings, m_curve, m_picker->currentColor());
    ChartSettings::setSize(m_settings, m_curve, m_size->value());
    m_settings.sync();
    emit accepted();
    hideAnimation();
}

void ChartPopUp::on_btn_cancel_click()
{
    hideAnimation();
}

void ChartPopUp::on_btn_reset_click()
{
    ChartSettings::resetToDefaults(m_settings);
    m_settings.sync();
    load();
    emit accepted();
    hideAnimation();
}
