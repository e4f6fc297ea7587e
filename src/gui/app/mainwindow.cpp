#include "app/mainwindow.h"

#include "app/appinfo.h"
#include "app/commandline.h"
#include "app/logcategories.h"
#include "app/sharedconstants.h"
#include "settings/settingskeys.h"
#include "ui_mainwindow.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QMessageBox>
#include <QScreen>

MainWindow::MainWindow(QWidget *parent) : QMainWindow(parent), m_ui(new Ui::MainWindow)
{
    qCDebug(lcInfo) << "Starting the Kestrix interface";
    m_ui->setupUi(this);
    setStyleSheet(styleSheet() + QLatin1Char(' ') + toolTipStyleSheet);
    setWindowTitle(AppInfo::titleWithVersion());
    restoreWindowGeometry();
    qCDebug(lcInfo) << "Interface initialized by Kestrix";
}

MainWindow::~MainWindow()
{
    qCDebug(lcInfo) << "Closing Kestrix";
    storeWindowGeometry();
}

void MainWindow::applyCommandLine(const CommandLine &commandLine)
{
    for (int i = 0; i < commandLine.noCheckCount(); ++i)
        enableNoCheck();
    if (commandLine.blocksNoCheck())
        setBlocksNoCheck(true);
}

void MainWindow::enableNoCheck()
{
    m_noCheck = true;
    setWindowTitle(windowTitle() + tr(" - RUN MODE WITHOUT CHECKING"));
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Stored here as well as at destruction, so the geometry survives a crash during shut-down.
    storeWindowGeometry();
    event->accept();
}

void MainWindow::on_actionExit_triggered()
{
    if (close())
        QApplication::closeAllWindows();
}

void MainWindow::on_action_aboutQt_triggered()
{
    QMessageBox::aboutQt(this);
}

void MainWindow::restoreWindowGeometry()
{
    if (Keys::WindowState.read(m_settings) == 1) {
        setWindowState(windowState() | Qt::WindowMaximized);
        return;
    }
    QRect geometry = Keys::WindowGeometry.read(m_settings);
    // A rectangle stored on a monitor that is gone would open the window where nobody sees it.
    bool visible = false;
    for (const QScreen *screen : QGuiApplication::screens())
        visible = visible || screen->availableGeometry().intersects(geometry);
    if (!visible && !QGuiApplication::screens().isEmpty())
        geometry = Keys::WindowGeometry.defaultValue();
    setGeometry(geometry);
}

void MainWindow::storeWindowGeometry()
{
    // WindowActive is a focus flag, not a placement; only a plain maximised window is state 1.
    if ((windowState() & ~Qt::WindowActive) == Qt::WindowMaximized) {
        Keys::WindowState.write(m_settings, 1);
    } else {
        Keys::WindowState.write(m_settings, 0);
        Keys::WindowGeometry.write(m_settings, geometry());
    }
    m_settings.sync();
}
