#include "game/deck.h"

#include <algorithm>

namespace game
{

const std::array<MasterDeckEntry, DeckCards> MasterDeckTable = {{
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
    for (std::size_t i = 0; i < MasterDeckTable.size(); ++i) {
        const MasterDeckEntry& entry = MasterDeckTable[i];
        faces_[i] = load(QString::fromLatin1(entry.image));
        cards_[i] = Card{&faces_[i], entry.suit, entry.rank};
    }
}

Dealer::Dealer(std::uint32_t seed) : random_(seed)
{
    forgetPicks();
}

void Dealer::Restock(const MasterDeck& master)
{
    DeckSize = DeckCards;
    Deck.assign(master.cards().begin(), master.cards().end());
}

void Dealer::DealHand(Hand& hand)
{
    // A drawn card stays in the deck, face cleared, until the hand is full; `Picked` keeps
    // the draw from landing on it twice.
    for (Card& slot : hand) {
        const int i = RandomUnpicked(DeckSize);
        slot = Deck[static_cast<std::size_t>(i)];
        Deck[static_cast<std::size_t>(i)].Face = nullptr;
    }
    std::erase_if(Deck, [](const Card& c) { return !c.present(); });
    DeckSize = static_cast<std::uint8_t>(DeckSize - HandSlots);
    forgetPicks();
}

bool Dealer::NotPicked(int index) const
{
    return std::find(Picked.begin(), Picked.end(), index) == Picked.end();
}

int Dealer::RandomUnpicked(int bound)
{
    std::uniform_int_distribution<int> draw(0, bound - 1);
    int r = draw(random_);
    while (!NotPicked(r))
        r = draw(random_);
    Picked[static_cast<std::size_t>(++PickedCount)] = r;
    return r;
}

void Dealer::forgetPicks()
{
    Picked.fill(-1);
    PickedCount = -1;
}

} // namespace game
