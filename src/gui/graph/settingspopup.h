#pragma once

#include "app/popup.h"

#include <QSettings>

class QSlider;
class QSpinBox;

/// The bubble with the graph's own settings: the OpenGL multisampling.
class SettingsPopUp : public PopUp
{
    Q_OBJECT
public:
    explicit SettingsPopUp(QWidget *parent = nullptr);

    void buildLayout() override;

signals:
    void accepted();

public slots:
    void on_btn_accept_click();
    /// Puts the stored value back.
    void on_btn_cancel_click();

private:
    QLabel *m_title;
    QLabel *m_caption;
    QSpinBox *m_samples;
    QSlider *m_slider;
    QWidget *m_buttons;
    QSettings m_settings;
};
