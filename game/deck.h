#pragma once

#include "game/card.h"

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
    const char* image;
    TSuit suit;
    TRank rank;
};
extern const std::array<MasterDeckEntry, DeckCards> MasterDeckTable;

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

// The working deck of one game and the draw that deals it, twelve cards to a hand.
class Dealer
{
public:
    explicit Dealer(std::uint32_t seed);

    // A full deck in master order, ready for three hands.
    void Restock(const MasterDeck& master);
    // Fills all 12 slots of the hand with cards drawn at random from the deck.
    void DealHand(Hand& hand);
    // True when `index` has not been drawn yet in the current hand.
    bool NotPicked(int index) const;
    // A deck index below `bound` not drawn yet in this hand, remembered as drawn.
    int RandomUnpicked(int bound);

    std::vector<Card> Deck;
    std::uint8_t DeckSize = 0;
    std::array<int, HandSlots> Picked;
    int PickedCount = -1;

private:
    void forgetPicks();

    std::mt19937 random_;
};

} // namespace game
