// SPDX-License-Identifier: GPL-3.0-or-later
// The main window's start and close: the screen, its place on it, and the settings file.
#include "platform/desktop.h"
#include "store/settings_file.h"
#include "window/layout.h"
#include "window/main_window.h"

#include <QAction>
#include <QCloseEvent>

namespace window
{

namespace
{

// Only a screen at most this small both ways is too small: 720 x 600 and 800 x 480 will do.
constexpr QSize TooSmallScreen{640, 480};
// The one screen the window fills across, from its top left corner.
constexpr QSize SmallestScreen{800, 600};
const QString ErrorCaption = QStringLiteral("Ошибка");

} // namespace

void MainWindow::checkScreen(QSize screen)
{
    if (screen.width() > TooSmallScreen.width() || screen.height() > TooSmallScreen.height())
        return;
    desktop_.showInformation(
        QStringLiteral("Информация"),
        QStringLiteral("Для работы программы требуется разрешение экрана не менее, чем "
                       "800х600 пикселей."));
    desktop_.quitWhenIdle();
    leavingUnplayed_ = true;
}

void MainWindow::placeOnScreen(QSize screen)
{
    if (screen == SmallestScreen) {
        move(0, 0);
        return;
    }
    const QSize outer(layout::MinimumOuterWidth, layout::MinimumOuterHeight);
    move((screen.width() - outer.width()) / 2, (screen.height() - outer.height()) / 2);
}

void MainWindow::loadSettings()
{
    const store::SettingsFile::LoadResult result = settingsFile_.load(settings_);
    showSettingsInMenu();
    pictures_.setBacks(settings_.leftBack, settings_.rightBack);
    game_.setTally(settings_.tally);
    if (settings_.windowState == store::WindowState::Maximized)
        setWindowState(windowState() | Qt::WindowMaximized);
    if (result != store::SettingsFile::LoadResult::Loaded)
        desktop_.showError(ErrorCaption, settingsFile_.errorMessage());
}

void MainWindow::saveSettings(FailureReport report)
{
    // The file is written once, at the first close, and never when the game ends unplayed.
    if (closed_ || leavingUnplayed_)
        return;
    // Nothing to write (the file could not be read, and the player has heard of it) is no
    // failure.
    settings_.tally = game_.tally();
    // A minimised window leaves the file's state as it was.
    if (isMinimized())
        settings_.windowState.reset();
    else if (isMaximized())
        settings_.windowState = store::WindowState::Maximized;
    else
        settings_.windowState = store::WindowState::Normal;
    if (settingsFile_.save(settings_) != store::SettingsFile::SaveResult::Failed)
        return;
    if (report == FailureReport::Log)
        desktop_.writeToLog(settingsFile_.errorMessage());
    else
        desktop_.showError(ErrorCaption, settingsFile_.errorMessage());
}

void MainWindow::closeUnattended()
{
    saveSettings(FailureReport::Log);
    closed_ = true;
    close();
}

void MainWindow::saveUnattended()
{
    saveSettings(FailureReport::Log);
}

void MainWindow::closeEvent(QCloseEvent* event)
{
    // The close box and the menu's exit come here, and so does a signal or the session's end
    // after its own save.
    saveSettings(FailureReport::Box);
    closed_ = true;
    QMainWindow::closeEvent(event);
}

} // namespace window
