// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/card.h"

#include <algorithm>

namespace game
{

bool hasCards(const Hand& hand)
{
    return std::any_of(hand.begin(), hand.end(), [](const Slot& slot) { return slot.has_value(); });
}

} // namespace game
