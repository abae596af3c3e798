// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <array>
#include <cstdint>

namespace game
{

// A suit is one lower-case letter, a rank the card's number: 6 to 10, then 11 the jack, 12 the
// queen, 13 the king and 14 the ace, so that neighbours in a row differ by one.
using Suit = char;
using Rank = std::uint8_t;

inline constexpr Suit Diamonds = 'b';
inline constexpr Suit Hearts = 'c';
inline constexpr Suit Clubs = 'k';
inline constexpr Suit Spades = 'p';

inline constexpr Rank Six = 6;
inline constexpr Rank Seven = 7;
inline constexpr Rank Nine = 9;
inline constexpr Rank King = 13;
inline constexpr Rank Ace = 14;

// One card slot. A slot holds a card exactly when it has a face; a played slot keeps its old
// suit and rank, which must never be read as a card.
struct Card {
    const QImage* face = nullptr; // not owned: the master deck owns every face
    Suit suit = 0;
    Rank rank = 0;

    bool present() const { return face != nullptr; }
    bool is(Suit s, Rank r) const { return present() && suit == s && rank == r; }
};

// Card slots numbered from 1, like the hand images and table cells that show them. Slots are
// never reordered: a played card leaves its slot empty.
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
bool hasCards(const Hand& hand);

} // namespace game
