// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "platform/sound.h"

// What the program and the sound module beside it agree on: the module's file name and the
// one function it exports, which makes the sound of a file, or returns null on a machine with
// no audio device.
namespace platform
{

inline constexpr char SoundModule[] = "tavlen-sound.so";
inline constexpr char MakeSoundSymbol[] = "tavlenMakeSound";
using MakeSound = Sound* (*)(const QString& path);

} // namespace platform
