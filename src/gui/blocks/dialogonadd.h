#pragma once

#include <QDialog>

#include <memory>

class QAbstractButton;

namespace Ui {
class DialogOnAdd;
}

/**
 * Asks what to do with newly imported timemarks when the block already has some: add them
 * to the end or replace the old ones, once (Yes) or from now on (Yes to All).
 */
class DialogOnAdd : public QDialog
{
    Q_OBJECT

public:
    enum Choice
    {
        AddToEnd = 0,
        Replace = 1
    };
    explicit DialogOnAdd(QWidget *parent = nullptr);
    ~DialogOnAdd() override;

    /// AddToEnd or Replace, as chosen in the combo box.
    Choice choice() const { return m_choice; }
    /// Yes to All was pressed: the choice is to be kept in the settings.
    bool storesChoice() const { return m_storesChoice; }
    /// The meta/onadd value that keeps the choice: 1 adds, 2 replaces.
    int onAddValue() const { return m_choice == Replace ? 2 : 1; }

public slots:
    /// Runs the dialog through UserPrompts, so tests answer it without a modal loop.
    int exec() override;
    void on_comboBox_currentIndexChanged(int index);
    void on_buttonBox_clicked(QAbstractButton *button);

private:
    std::unique_ptr<Ui::DialogOnAdd> m_ui;
    Choice m_choice = AddToEnd;
    bool m_storesChoice = false;
    bool m_inModalLoop = false;
};
