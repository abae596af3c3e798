#pragma once

#include "platform/sound.h"

// A silent laying sound that counts how often the game asked for it.
struct CountingSound : platform::Sound {
    int plays = 0;
    void PlaySound() override { ++plays; }
};
