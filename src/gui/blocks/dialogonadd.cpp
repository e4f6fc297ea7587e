#include "blocks/dialogonadd.h"

#include "app/userprompts.h"
#include "ui_dialogonadd.h"

#include <QPushButton>

DialogOnAdd::DialogOnAdd(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DialogOnAdd>())
{
    m_ui->setupUi(this);
}

DialogOnAdd::~DialogOnAdd() = default;

int DialogOnAdd::exec()
{
    // UserPrompts runs the modal loop by calling exec() again; that inner call is the loop.
    if (m_inModalLoop)
        return QDialog::exec();
    m_inModalLoop = true;
    const int result = UserPrompts::instance().exec(*this);
    m_inModalLoop = false;
    return result;
}

void DialogOnAdd::on_comboBox_currentIndexChanged(int index)
{
    m_choice = index == Replace ? Replace : AddToEnd;
}

void DialogOnAdd::on_buttonBox_clicked(QAbstractButton *button)
{
    m_storesChoice = m_ui->buttonBox->standardButton(button) == QDialogButtonBox::YesToAll;
}
