// Wires the game together: the sound, the main window and its three dialogs.
#include "dialogs/about_box.h"
#include "dialogs/back_chooser.h"
#include "dialogs/statistics_window.h"
#include "platform/files.h"
#include "platform/random_seed.h"
#include "platform/sound.h"
#include "window/main_window.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SoundEffect sound(platform::findGameFile(QStringLiteral("Put.wav")));

    window::MainWindow mainWindow(sound, platform::seedFromTimeOfDay());
    dialogs::AboutBox aboutBox(&mainWindow);
    dialogs::BackChooser backChooser(&mainWindow);
    dialogs::StatisticsWindow statisticsWindow(&mainWindow);
    mainWindow.setDialogs(&aboutBox, &backChooser, &statisticsWindow);
    mainWindow.show();
    return QApplication::exec();
}
