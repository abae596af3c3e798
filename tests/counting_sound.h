#pragma once

#include "platform/sound.h"

#include <functional>

// A silent laying sound that counts how often the game asked for it, and can look at the
// game at that moment.
struct CountingSound : platform::Sound {
    int plays = 0;
    std::function<void()> onPlay;

    void play() override
    {
        ++plays;
        if (onPlay)
            onPlay();
    }
};
