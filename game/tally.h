// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/player.h"

#include <cstdint>

namespace game
{

// The running tally kept between runs: each player's points and first places, and the number
// of games in which somebody finished first.
struct Tally {
    std::int32_t humanPoints = 0;
    std::int32_t johnPoints = 0;
    std::int32_t harryPoints = 0;
    std::int32_t gamesPlayed = 0;
    std::int32_t humanFirstPlaces = 0;
    std::int32_t johnFirstPlaces = 0;
    std::int32_t harryFirstPlaces = 0;

    bool operator==(const Tally&) const = default;
};

inline constexpr std::int32_t FirstPlacePoints = 2;
inline constexpr std::int32_t SecondPlacePoints = 1;

// Where a player's points and first places are kept in the tally.
struct PlayerCounters {
    std::int32_t Tally::*points;
    std::int32_t Tally::*firstPlaces;
};
PlayerCounters countersOf(Player player);

// Credits a player who has just emptied the hand, by how many others still hold cards.
void creditFinish(Tally& tally, Player player, int othersHoldingCards);

} // namespace game
