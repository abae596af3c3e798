// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/tally.h"

#include <limits>

namespace game
{

namespace
{

// A counter that has reached the largest number it can hold stays there.
void addCapped(std::int32_t& counter, std::int32_t amount)
{
    constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
    counter = counter > Largest - amount ? Largest : counter + amount;
}

} // namespace

PlayerCounters countersOf(Player player)
{
    switch (player) {
    case Player::John:
        return {&Tally::johnPoints, &Tally::johnFirstPlaces};
    case Player::Harry:
        return {&Tally::harryPoints, &Tally::harryFirstPlaces};
    case Player::Human:
        break;
    }
    return {&Tally::humanPoints, &Tally::humanFirstPlaces};
}

void creditFinish(Tally& tally, Player player, int othersHoldingCards)
{
    const PlayerCounters mine = countersOf(player);
    if (othersHoldingCards == 2) {
        addCapped(tally.*mine.points, FirstPlacePoints);
        addCapped(tally.*mine.firstPlaces, 1);
        addCapped(tally.gamesPlayed, 1);
    } else if (othersHoldingCards == 1) {
        addCapped(tally.*mine.points, SecondPlacePoints);
    }
}

} // namespace game
