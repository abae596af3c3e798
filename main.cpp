// SPDX-License-Identifier: GPL-3.0-or-later
// Wires the game together: the desktop, the laying sound, the settings file and the main
// window, which makes its dialogs when they are first asked for. The command line is answered
// on the terminal before any window is opened.
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/sound.h"
#include "platform/start_up.h"
#include "platform/termination_signals.h"
#include "store/settings_file.h"
#include "window/main_window.h"
#include "window/session_end.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStandardPaths>
#include <QWindow>
#include <cstdlib>
#include <iostream>

namespace
{

// Beside the program for a build folder or a portable copy; an installed game keeps the file
// in the player's configuration directory, never in the system's program directory.
store::SettingsFile settingsFileForThisCopy()
{
    const QString configuration =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (QDir(QCoreApplication::applicationDirPath()) ==
        QDir(QStringLiteral(TAVLEN_INSTALLED_PROGRAM_DIR)))
        return store::SettingsFile({.preferred = configuration, .fallback = configuration});
    return store::SettingsFile(
        {.preferred = QCoreApplication::applicationDirPath(), .fallback = configuration});
}

} // namespace

int main(int argc, char** argv)
{
    if (const auto status = platform::answerCommandLine({argv + 1, argv + argc}, TAVLEN_VERSION,
                                                        std::cout, std::cerr))
        return *status;
    QApplication app(argc, argv);
    QApplication::setFont(platform::interfaceFont(QApplication::font()));
    QApplication::setApplicationName(QStringLiteral("tavlen"));
    QApplication::setApplicationVersion(QStringLiteral(TAVLEN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tavlen"));
    platform::installRussianQtTexts();
    platform::ScreenDesktop desktop;
    platform::SoundEffect sound(platform::findGameFile(QStringLiteral("Put.wav")));
    store::SettingsFile settingsFile = settingsFileForThisCopy();

    window::MainWindow mainWindow(desktop, sound, settingsFile, platform::seedFromTimeOfDay());
    // On too small a screen the game ends once the player has read why, never shown.
    if (desktop.quitRequested())
        return EXIT_SUCCESS;
    // A kill or a closed terminal closes the window as its close box does, so the tally is
    // written, and ends the game even from within a message box or a dialog.
    platform::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &platform::TerminationSignals::received, &mainWindow,
                     [&mainWindow] {
                         mainWindow.closeUnattended();
                         QCoreApplication::exit(EXIT_SUCCESS);
                     });
    // The session manager asks for the file before the session ends, which may yet be
    // cancelled; when it does end, the application is asked to quit.
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                     [&mainWindow](QSessionManager&) { mainWindow.saveUnattended(); });
    const window::SessionEndWatcher sessionEnd(mainWindow);
    mainWindow.show();
    // The sound is first needed when a card is laid; loaded before the first picture, it
    // would hold that picture back.
    platform::runAfterFirstExposure(mainWindow.windowHandle(), [&sound] { sound.load(); });
    return QApplication::exec();
}
