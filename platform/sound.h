// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <memory>

namespace platform
{

// The laying sound. Playing starts at once and never waits; a missing file or a machine
// without an audio device is no error and simply stays silent.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play() = 0;
};

// What the program and the sound module beside it agree on: the module's file name and the
// one function it exports, which makes the sound of a file, or returns null on a machine with
// no audio device.
inline constexpr char SoundModule[] = "tavlen-sound.so";
inline constexpr char MakeSoundSymbol[] = "tavlenMakeSound";
using MakeSound = Sound* (*)(const QString& path);

// The sound of a file, played through Qt Multimedia. Qt Multimedia lives in a module of the
// game's that only load() loads, once the window is up: linked into the program, it and the
// twenty libraries it brings were loaded and bound before the first picture, a tenth of the
// start. Until then, and without the module, playing stays silent.
class SoundEffect final : public Sound
{
public:
    explicit SoundEffect(const QString& path);
    ~SoundEffect() override;
    // Loads the module and starts reading the file in the background, so that playing never
    // waits for it later; only the first call does anything.
    void load();
    void play() override;

private:
    QString path_;
    bool loaded_ = false;
    std::unique_ptr<Sound> effect_;
};

} // namespace platform
