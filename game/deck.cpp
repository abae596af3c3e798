// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/deck.h"

namespace game
{

const std::array<MasterDeckEntry, DeckCards> MasterDeckOrder = {{
    {"K_che", Hearts, 13},   {"10_bub", Diamonds, 10}, {"9_pik", Spades, 9},
    {"6_pik", Spades, 6},    {"Q_kre", Clubs, 12},     {"A_che", Hearts, 14},
    {"A_bub", Diamonds, 14}, {"A_pik", Spades, 14},    {"J_che", Hearts, 11},
    {"7_kre", Clubs, 7},     {"8_bub", Diamonds, 8},   {"7_pik", Spades, 7},
    {"10_che", Hearts, 10},  {"K_bub", Diamonds, 13},  {"Q_pik", Spades, 12},
    {"8_pik", Spades, 8},    {"J_bub", Diamonds, 11},  {"J_kre", Clubs, 11},
    {"K_kre", Clubs, 13},    {"Q_che", Hearts, 12},    {"9_bub", Diamonds, 9},
    {"6_kre", Clubs, 6},     {"K_pik", Spades, 13},    {"Q_bub", Diamonds, 12},
    {"A_kre", Clubs, 14},    {"8_che", Hearts, 8},     {"7_bub", Diamonds, 7},
    {"J_pik", Spades, 11},   {"6_bub", Diamonds, 6},   {"8_kre", Clubs, 8},
    {"9_che", Hearts, 9},    {"9_kre", Clubs, 9},      {"10_pik", Spades, 10},
    {"6_che", Hearts, 6},    {"7_che", Hearts, 7},     {"10_kre", Clubs, 10},
}};

MasterDeck::MasterDeck(const PictureLoader& load)
{
    for (std::size_t i = 0; i < MasterDeckOrder.size(); ++i) {
        const MasterDeckEntry& entry = MasterDeckOrder[i];
        faces_[i] = load(QString::fromLatin1(entry.picture));
        cards_[i] = Card{&faces_[i], entry.suit, entry.rank};
    }
}

Dealer::Dealer(std::uint32_t seed) : random_(seed) {}

Hands Dealer::deal(const MasterDeck& master)
{
    std::vector<Card> deck(master.cards().begin(), master.cards().end());
    Hands hands;
    for (Hand& hand : hands)
        dealHand(deck, hand);
    return hands;
}

void Dealer::dealHand(std::vector<Card>& deck, Hand& hand)
{
    // A drawn card stays in the deck until the hand is full, so the indices drawn so far are
    // marked and drawn again until a new one comes up; then the deck closes its gaps, keeping
    // its order.
    std::array<bool, DeckCards> picked{};
    std::uniform_int_distribution<int> draw(0, static_cast<int>(deck.size()) - 1);
    for (Card& card : hand) {
        auto i = static_cast<std::size_t>(draw(random_));
        while (picked[i])
            i = static_cast<std::size_t>(draw(random_));
        picked[i] = true;
        card = deck[i];
        deck[i].face = nullptr;
    }
    std::erase_if(deck, [](const Card& c) { return !c.present(); });
}

} // namespace game
