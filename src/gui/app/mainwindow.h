#pragma once

#include <QMainWindow>
#include <QSettings>

#include <memory>

class CommandLine;

namespace Ui {
class MainWindow;
}

/**
 * The program's only main window. Restores its geometry from the settings at construction
 * and stores it again when it closes and when it is destroyed.
 */
class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

    /// Applies "-nocheck"/"-fulldel": one title suffix per matching argument.
    void applyCommandLine(const CommandLine &commandLine);
    /// Processing may start although a pre-check fails; appends the title suffix once per call.
    void enableNoCheck();
    bool isNoCheck() const { return m_noCheck; }
    /// New blocks start in their no-check state.
    void setBlocksNoCheck(bool on) { m_blocksNoCheck = on; }
    bool blocksNoCheck() const { return m_blocksNoCheck; }

protected:
    void closeEvent(QCloseEvent *event) override;

private slots:
    void on_actionExit_triggered();
    void on_action_aboutQt_triggered();

private:
    void restoreWindowGeometry();
    void storeWindowGeometry();

    std::unique_ptr<Ui::MainWindow> m_ui;
    QSettings m_settings;
    bool m_noCheck = false;
    bool m_blocksNoCheck = false;
};
