#pragma once

#include "app/popup.h"

#include <QSettings>

class QColorDialog;
class QSpinBox;

/**
 * The bubble in which the operator picks the colour and pen size of one of the graph's
 * curves ("chart", "quarantine" or "selected"); Save stores them for that curve.
 */
class ChartPopUp : public PopUp
{
    Q_OBJECT
public:
    explicit ChartPopUp(QWidget *parent = nullptr);

    /// Shows the stored colour and size of @p curve under the heading @p title.
    void setCurve(const QString &curve, const QString &title);
    QString curve() const { return m_curve; }
    QColorDialog *colorPicker() const { return m_picker; }
    QSpinBox *sizeBox() const { return m_size; }

    void buildLayout() override;

signals:
    void accepted();

public slots:
    void on_btn_accept_click();
    void on_btn_cancel_click();
    /// Stores the defaults of all three curves.
    void on_btn_reset_click();

private:
    void load();

    QString m_curve;
    QLabel *m_title;
    QColorDialog *m_picker;
    QSpinBox *m_size;
    QWidget *m_buttons;
    QSettings m_settings;
};
