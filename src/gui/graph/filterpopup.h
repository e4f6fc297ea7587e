#pragma once

#include "app/popup.h"

#include <QSettings>

class QCheckBox;
class QSlider;
class QSpinBox;

/**
 * The bubble with the block's three filters and their thresholds. A second click on the
 * button that opened it closes it again.
 */
class FilterPopUp : public PopUp
{
    Q_OBJECT
public:
    explicit FilterPopUp(QWidget *parent = nullptr);

    /// Puts the stored thresholds into the spin boxes and sliders.
    void loadSettings();
    void buildLayout() override;

signals:
    void acceptedFilters(bool gimbal, int gimbalVal, bool dist, int distVal, bool exposureTime);
    void resetFilters();
    void intoQuarantine();

public slots:
    void on_btn_accept_click();
    void on_btn_reset_click();
    void on_btn_toQuarantine_click();

private:
    QLabel *m_title;
    QCheckBox *m_gimbal;
    QSpinBox *m_gimbalValue;
    QSlider *m_gimbalSlider;
    QCheckBox *m_distance;
    QSpinBox *m_distanceValue;
    QSlider *m_distanceSlider;
    QCheckBox *m_exposure;
    QWidget *m_buttons;
    QSettings m_settings;
};
