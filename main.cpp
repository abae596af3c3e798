// Wires the game together: the laying sound and the main window, which makes its dialogs
// when they are first asked for.
#include "platform/files.h"
#include "platform/first_exposure.h"
#include "platform/random_seed.h"
#include "platform/sound.h"
#include "window/main_window.h"

#include <QApplication>
#include <QWindow>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SoundEffect sound(platform::findGameFile(QStringLiteral("Put.wav")));

    window::MainWindow mainWindow(sound, platform::seedFromTimeOfDay());
    mainWindow.show();
    // The sound is first needed when a card is laid; loaded before the first picture, it
    // would hold that picture back.
    platform::runAfterFirstExposure(mainWindow.windowHandle(), [&sound] { sound.load(); });
    return QApplication::exec();
}
