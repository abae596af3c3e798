// Wires the game together: the desktop, the laying sound, the settings file and the main
// window, which makes its dialogs when they are first asked for. `--help` and `--version`
// answer on the terminal without opening a window.
#include "platform/desktop.h"
#include "platform/files.h"
#include "platform/first_exposure.h"
#include "platform/random_seed.h"
#include "platform/sound.h"
#include "platform/termination_signals.h"
#include "store/settings_file.h"
#include "window/main_window.h"

#include <QApplication>
#include <QDir>
#include <QSessionManager>
#include <QStandardPaths>
#include <QWindow>
#include <cstdio>
#include <cstring>

namespace
{

const char* const Usage = "Usage: tavlen [--help | --version]\n"
                          "Тавлен++: lay out a 36-card deck from the nines against two computer\n"
                          "players. Drag your cards onto the table; press Space when none fits.\n"
                          "Settings and the tally are kept in Param.ini (see tavlen(6)).\n";

// Answers --help and --version; returns whether the program should go on to play.
bool answerCommandLine(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Usage, stdout);
            return false;
        }
        if (std::strcmp(argv[i], "--version") == 0) {
            std::puts("Тавлен++ " TAVLEN_VERSION);
            return false;
        }
    }
    return true;
}

// Beside the program for a build folder or a portable copy; an installed game keeps the file
// in the player's configuration directory, never in the system's program directory.
store::SettingsFile settingsFileForThisCopy()
{
    const QString configuration =
        QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation);
    if (QDir(QCoreApplication::applicationDirPath()) ==
        QDir(QStringLiteral(TAVLEN_INSTALLED_PROGRAM_DIR)))
        return store::SettingsFile(configuration, configuration);
    return store::SettingsFile(QCoreApplication::applicationDirPath(), configuration);
}

} // namespace

int main(int argc, char** argv)
{
    if (!answerCommandLine(argc, argv))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavlen"));
    QApplication::setApplicationVersion(QStringLiteral(TAVLEN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tavlen"));
    platform::installRussianQtTexts();
    platform::ScreenDesktop desktop;
    platform::SoundEffect sound(platform::findGameFile(QStringLiteral("Put.wav")));
    store::SettingsFile settingsFile = settingsFileForThisCopy();

    window::MainWindow mainWindow(desktop, sound, settingsFile, platform::seedFromTimeOfDay());
    // A kill, a closed terminal or the end of the session closes the window as its close box
    // does, so the tally is written.
    platform::TerminationSignals terminationSignals;
    QObject::connect(&terminationSignals, &platform::TerminationSignals::received, &mainWindow,
                     &QWidget::close);
    QObject::connect(&app, &QGuiApplication::commitDataRequest, &mainWindow,
                     [&mainWindow](QSessionManager&) { mainWindow.close(); });
    mainWindow.show();
    // The sound is first needed when a card is laid; loaded before the first picture, it
    // would hold that picture back.
    platform::runAfterFirstExposure(mainWindow.windowHandle(), [&sound] { sound.load(); });
    return QApplication::exec();
}
