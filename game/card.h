#pragma once

#include <QImage>
#include <array>
#include <cstdint>

namespace game
{

// A suit is one lower-case letter, a rank a small number; the types carry their own names
// so that a card can keep the field names `Suit` and `Rank`.
using TSuit = char;
using TRank = std::uint8_t;

inline constexpr TSuit Diamonds = 'b';
inline constexpr TSuit Hearts = 'c';
inline constexpr TSuit Clubs = 'k';
inline constexpr TSuit Spades = 'p';

inline constexpr TRank Six = 6;
inline constexpr TRank Seven = 7;
inline constexpr TRank Nine = 9;
inline constexpr TRank King = 13;
inline constexpr TRank Ace = 14;

// One card slot. A slot holds a card exactly when `Face` is set; an emptied slot keeps its
// old suit and rank, which must never be read as a card.
struct Card {
    const QImage* Face = nullptr; // not owned: the master deck owns every face
    TSuit Suit = 0;
    TRank Rank = 0;

    bool present() const { return Face != nullptr; }
    bool is(TSuit suit, TRank rank) const { return present() && Suit == suit && Rank == rank; }
};

// Card slots numbered from 1, like the hand images and table cells that show them.
template <int N> class Slots
{
public:
    Card& operator[](int slot) { return slots_.at(static_cast<std::size_t>(slot - 1)); }
    const Card& operator[](int slot) const { return slots_.at(static_cast<std::size_t>(slot - 1)); }
    auto begin() { return slots_.begin(); }
    auto end() { return slots_.end(); }
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }

private:
    std::array<Card, N> slots_{};
};

inline constexpr int HandSlots = 12;
using Hand = Slots<HandSlots>;

// True when at least one slot of the hand holds a card.
bool HandHasCards(const Hand& hand);

} // namespace game
