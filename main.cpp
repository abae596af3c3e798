// Wires the game together: the laying sound and the main window, which makes its dialogs
// when they are first asked for.
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
    mainWindow.show();
    return QApplication::exec();
}
