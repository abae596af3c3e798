// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/player.h"

#include <array>
#include <random>
#include <vector>

namespace game
{

inline constexpr int DeckCards = 36;

// The 36 cards in the order the deck is always built before a deal.
extern const std::array<Card, DeckCards> FullDeck;

// Deals a full deck into three hands of twelve. Each card of a hand is drawn uniformly from
// the cards still in the deck, in the order they were drawn; the same seed deals the same
// games.
class Dealer
{
public:
    explicit Dealer(std::uint32_t seed);

    // The human's hand, then John's, then Harry's, dealt one after the other.
    Hands deal();

private:
    void dealHand(std::vector<Card>& deck, Hand& hand);

    std::mt19937 random_;
};

} // namespace game
