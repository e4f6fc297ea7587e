#include "blocks/dialogonadd.h"

#include "ui_dialogonadd.h"

#include <QPushButton>

namespace {

DialogOnAdd::ModalRunner &modalRunner()
{
    static DialogOnAdd::ModalRunner runner;
    return runner;
}

} // namespace

DialogOnAdd::DialogOnAdd(QWidget *parent)
    : QDialog(parent), m_ui(std::make_unique<Ui::DialogOnAdd>())
{
    m_ui->setupUi(this);
}

DialogOnAdd::~DialogOnAdd() = default;

void DialogOnAdd::setModalRunner(ModalRunner runner)
{
    modalRunner() = std::move(runner);
}

int DialogOnAdd::exec()
{
    if (modalRunner())
        return modalRunner()(*this);
    return QDialog::exec();
}

void DialogOnAdd::on_comboBox_currentIndexChanged(int index)
{
    m_choice = index == Replace ? Replace : AddToEnd;
}

void DialogOnAdd::on_buttonBox_clicked(QAbstractButton *button)
{
    m_storesChoice = m_ui->buttonBox->standardButton(button) == QDialogButtonBox::YesToAll;
}
