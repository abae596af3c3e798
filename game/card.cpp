#include "game/card.h"

#include <algorithm>

namespace game
{

bool HandHasCards(const Hand& hand)
{
    return std::any_of(hand.begin(), hand.end(), [](const Card& c) { return c.present(); });
}

} // namespace game
