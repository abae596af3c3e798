// Wires the game together: the desktop, the laying sound, the settings file and the main
// window, which makes its dialogs when they are first asked for. `--help` and `--version`
// answer on the terminal without opening a window.
#include "platform/files.h"
#include "platform/random_seed.h"
#include "platform/sound.h"
#include "window/main_window.h"

#include <QApplication>
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

} // namespace

int main(int argc, char** argv)
{
    if (!answerCommandLine(argc, argv))
        return 0;
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("tavlen"));
    QApplication::setApplicationVersion(QStringLiteral(TAVLEN_VERSION));
    QGuiApplication::setDesktopFileName(QStringLiteral("org.example.tavlen"));
    platform::SoundEffect sound(platform::findGameFile(QStringLiteral("Put.wav")));

    window::MainWindow mainWindow(sound, platform::seedFromTimeOfDay());
    mainWindow.show();
    return QApplication::exec();
}
