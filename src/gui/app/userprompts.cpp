#include "app/userprompts.h"

#include <QDesktopServices>
#include <QFileDialog>
#include <QMenu>
#include <QUrl>

#include <memory>

namespace {

std::unique_ptr<UserPrompts> &current()
{
    static std::unique_ptr<UserPrompts> prompts(new UserPrompts);
    return prompts;
}

} // namespace

UserPrompts::~UserPrompts() = default;

QMessageBox::StandardButton UserPrompts::question(QWidget *parent, const QString &title,
                                                  const QString &text,
                                                  QMessageBox::StandardButtons buttons)
{
    QMessageBox box(QMessageBox::Information, title, text, buttons, parent);
    return QMessageBox::StandardButton(box.exec());
}

QMessageBox::StandardButton UserPrompts::ask(QWidget *parent, const QString &title,
                                             const QString &text,
                                             QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton)
{
    QMessageBox box(QMessageBox::Information, title, text, buttons, parent);
    box.setDefaultButton(defaultButton);
    return QMessageBox::StandardButton(box.exec());
}

void UserPrompts::warning(QWidget *parent, const QString &title, const QString &text)
{
    QMessageBox::warning(parent, title, text);
}

QString UserPrompts::existingDirectory(QWidget *parent, const QString &caption,
                                       const QString &start)
{
    return QFileDialog::getExistingDirectory(parent, caption, start, QFileDialog::ShowDirsOnly);
}

QStringList UserPrompts::runFileDialog(QFileDialog &dialog)
{
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles() : QStringList();
}

int UserPrompts::exec(QDialog &dialog)
{
    return dialog.exec();
}

QAction *UserPrompts::execMenu(QMenu &menu, const QPoint &globalPos)
{
    return menu.exec(globalPos);
}

void UserPrompts::aboutQt(QWidget *parent)
{
    QMessageBox::aboutQt(parent);
}

void UserPrompts::openDirectory(const QString &path)
{
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

UserPrompts &UserPrompts::instance()
{
    return *current();
}

void UserPrompts::setInstance(UserPrompts *prompts)
{
    current().reset(prompts ? prompts : new UserPrompts);
}
