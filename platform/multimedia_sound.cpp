// SPDX-License-Identifier: GPL-3.0-or-later
// The sound module: the laying sound through QSoundEffect, built as a module of its own so that
// the program loads Qt Multimedia only once its window is up.
#include "platform/sound.h"

#include <QAudioDevice>
#include <QMediaDevices>
#include <QSoundEffect>
#include <QUrl>
#include <type_traits>

namespace
{

class MultimediaSound final : public platform::Sound
{
public:
    // The file is read in the background from here on, so playing never waits for it.
    explicit MultimediaSound(const QString& path) { effect_.setSource(QUrl::fromLocalFile(path)); }

    void play() override
    {
        // A new card cuts the previous snap short rather than queueing behind it.
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

void ignoreMessage(QtMsgType, const QMessageLogContext&, const QString&) {}

// Without a sound server or a device, Qt Multimedia says so in lines of its own (PulseAudio's
// refused connection, then "No audio device detected"), all harmless; they are held back while
// it looks for a device, and the game says it once in its own words.
bool hasAudioOutput()
{
    const QtMessageHandler previous = qInstallMessageHandler(ignoreMessage);
    const bool found = !QMediaDevices::defaultAudioOutput().isNull();
    qInstallMessageHandler(previous);
    return found;
}

} // namespace

extern "C" Q_DECL_EXPORT platform::Sound* tavlenMakeSound(const QString& path)
{
    if (!hasAudioOutput()) {
        qInfo("tavlen: no audio device, the cards are laid without their sound");
        return nullptr;
    }
    return new MultimediaSound(path);
}
static_assert(std::is_same_v<decltype(&tavlenMakeSound), platform::MakeSound>,
              "the program calls the module's function through MakeSound");
