// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/player.h"

#include <QString>
#include <array>
#include <functional>
#include <random>
#include <vector>

namespace game
{

inline constexpr int DeckCards = 36;

// The 36 cards in the order the deck is always built: face picture name, suit, rank.
struct MasterDeckEntry {
    const char* picture;
    Suit suit;
    Rank rank;
};
extern const std::array<MasterDeckEntry, DeckCards> MasterDeckOrder;

// The master deck owns the 36 face pictures; every other card only points at them, so the
// master deck never moves once built and is shared, unchanged, for the life of the program.
class MasterDeck
{
public:
    using PictureLoader = std::function<QImage(const QString& name)>;
    explicit MasterDeck(const PictureLoader& load);
    MasterDeck(const MasterDeck&) = delete;
    MasterDeck& operator=(const MasterDeck&) = delete;

    const std::array<Card, DeckCards>& cards() const { return cards_; }

private:
    std::array<QImage, DeckCards> faces_;
    std::array<Card, DeckCards> cards_;
};

// Deals a full deck into three hands of twelve. Each card of a hand is drawn uniformly from
// the cards still in the deck, in the order they were drawn; the same seed deals the same
// games.
class Dealer
{
public:
    explicit Dealer(std::uint32_t seed);

    // The human's hand, then John's, then Harry's, dealt one after the other.
    Hands deal(const MasterDeck& master);

private:
    void dealHand(std::vector<Card>& deck, Hand& hand);

    std::mt19937 random_;
};

} // namespace game
