#pragma once

#include <QMessageBox>
#include <QString>
#include <QStringList>

class QDialog;
class QFileDialog;
class QMenu;
class QWidget;

/**
 * Every modal box, file dialog and desktop hand-off of the window goes through here, so a
 * test can answer them without blocking. Replace the instance with setInstance().
 */
class UserPrompts
{
public:
    virtual ~UserPrompts();

    virtual QMessageBox::StandardButton question(QWidget *parent, const QString &title,
                                                 const QString &text,
                                                 QMessageBox::StandardButtons buttons);
    /// As question(), with @p defaultButton taken by Enter (a destructive choice is not).
    virtual QMessageBox::StandardButton ask(QWidget *parent, const QString &title,
                                            const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton);
    virtual void warning(QWidget *parent, const QString &title, const QString &text);
    /// The chosen directory; empty when cancelled.
    virtual QString existingDirectory(QWidget *parent, const QString &caption,
                                      const QString &start);
    /// Runs a prepared file dialog; the selected files, empty when cancelled.
    virtual QStringList runFileDialog(QFileDialog &dialog);
    /// Runs a prepared dialog modally and returns its result code.
    virtual int exec(QDialog &dialog);
    /// Opens a context menu at @p globalPos; the action chosen, or nullptr.
    virtual QAction *execMenu(QMenu &menu, const QPoint &globalPos);
    virtual void aboutQt(QWidget *parent);
    /// Opens a folder in the desktop's file manager.
    virtual void openDirectory(const QString &path);

    static UserPrompts &instance();
    /// Takes over @p prompts; nullptr restores the real boxes.
    static void setInstance(UserPrompts *prompts);
};
