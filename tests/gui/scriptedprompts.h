#pragma once

#include "app/userprompts.h"

#include <QAction>
#include <QFileDialog>
#include <QMenu>

/// Answers the window's boxes and dialogs from a script and records what was asked.
class ScriptedPrompts : public UserPrompts
{
public:
    QMessageBox::StandardButton answer = QMessageBox::No;
    QStringList files;         //!< what the next file dialog returns
    QString directory;         //!< what the next directory chooser returns
    QString fileDialogStart;   //!< the folder the last file dialog opened in
    QStringList warnings;      //!< texts of the warning boxes shown
    QStringList questions;     //!< texts of the questions asked
    QStringList openedFolders; //!< folders handed to the file manager
    QMap<QString, bool> menu;  //!< the last menu's entries and whether each was enabled
    QString menuChoice;        //!< entry to trigger in the next menu; empty for none

    QMessageBox::StandardButton question(QWidget *, const QString &, const QString &text,
                                         QMessageBox::StandardButtons) override
    {
        questions.append(text);
        return answer;
    }
    QMessageBox::StandardButton ask(QWidget *, const QString &, const QString &text,
                                    QMessageBox::StandardButtons,
                                    QMessageBox::StandardButton) override
    {
        questions.append(text);
        return answer;
    }
    void warning(QWidget *, const QString &, const QString &text) override
    {
        warnings.append(text);
    }
    QString existingDirectory(QWidget *, const QString &, const QString &) override
    {
        return directory;
    }
    QStringList runFileDialog(QFileDialog &dialog) override
    {
        fileDialogStart = dialog.directory().absolutePath();
        return files;
    }
    int exec(QDialog &) override { return QDialog::Rejected; }
    QAction *execMenu(QMenu &m, const QPoint &) override
    {
        menu.clear();
        QAction *chosen = nullptr;
        for (QAction *a : m.actions()) {
            if (a->isSeparator())
                continue;
            menu.insert(a->text(), a->isEnabled());
            if (a->text() == menuChoice && a->isEnabled())
                chosen = a;
        }
        if (chosen)
            chosen->trigger();
        return chosen;
    }
    void aboutQt(QWidget *) override {}
    void openDirectory(const QString &path) override { openedFolders.append(path); }
};
