#include "game/tally.h"

namespace game
{

namespace
{

struct Counters {
    std::int32_t Tally::*points;
    std::int32_t Tally::*firstPlaces;
};

constexpr Counters countersOf(Player player)
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

} // namespace

void creditFinish(Tally& tally, Player player, int othersHoldingCards)
{
    const Counters mine = countersOf(player);
    if (othersHoldingCards == 2) {
        tally.*mine.points += FirstPlacePoints;
        tally.*mine.firstPlaces += 1;
        tally.gamesPlayed += 1;
    } else if (othersHoldingCards == 1) {
        tally.*mine.points += SecondPlacePoints;
    }
}

} // namespace game
