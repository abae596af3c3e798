// Wires the game together: the sound, the main window and its three dialogs.
#include "dialogs/tfrmb.h"
#include "dialogs/tfrmc.h"
#include "dialogs/tfrmd.h"
#include "platform/files.h"
#include "platform/random_seed.h"
#include "platform/sound.h"
#include "window/tfrma.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    platform::SoundEffect sound(platform::FindGameFile(QStringLiteral("Put.wav")));

    window::TFrmA FrmA(sound, platform::SeedFromTimeOfDay());
    dialogs::TFrmB FrmB(&FrmA);
    dialogs::TFrmC FrmC(&FrmA);
    dialogs::TFrmD FrmD(&FrmA);
    FrmA.SetDialogs(&FrmB, &FrmC, &FrmD);
    FrmA.show();
    return QApplication::exec();
}
