#pragma once

#include <QDialog>

#include <memory>

namespace Ui {
class AboutWindow;
}

/// The about box: what the program is for, its version, and the notices of the libraries and
/// fonts it uses and ships.
class AboutWindow : public QDialog
{
    Q_OBJECT
public:
    explicit AboutWindow(QWidget *parent = nullptr);
    ~AboutWindow() override;

    /// The third-party notices shown in the box, as plain text.
    static QString licenceNotices();

private:
    void paintTagline();

    std::unique_ptr<Ui::AboutWindow> m_ui;
};
