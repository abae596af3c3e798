// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace game
{

enum class Suit : std::uint8_t { Diamonds, Hearts, Clubs, Spades };
// A rank is the card's number: 6 to 10, then 11 the jack, 12 the queen, 13 the king and 14 the
// ace, so that neighbours in a row differ by one.
enum class Rank : std::uint8_t { Six = 6, Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };

struct Card {
    Suit suit;
    Rank rank;

    friend bool operator==(Card, Card) = default;
};

inline constexpr int SuitCount = 4;
inline constexpr int RankCount = 9;
inline constexpr std::array<Suit, SuitCount> Suits = {Suit::Diamonds, Suit::Hearts, Suit::Clubs,
                                                      Suit::Spades};

constexpr int numberOf(Rank rank)
{
    return static_cast<int>(rank);
}
constexpr std::size_t indexOf(Suit suit)
{
    return static_cast<std::size_t>(suit);
}
// 0 for the six up to 8 for the ace.
constexpr std::size_t indexOf(Rank rank)
{
    return static_cast<std::size_t>(numberOf(rank) - numberOf(Rank::Six));
}
// The rank `steps` above `rank` (below it for a negative step), or nothing past the six or
// the ace.
constexpr std::optional<Rank> rankAbove(Rank rank, int steps = 1)
{
    const int number = numberOf(rank) + steps;
    if (number < numberOf(Rank::Six) || number > numberOf(Rank::Ace))
        return std::nullopt;
    return static_cast<Rank>(number);
}

// How a card is written wherever it is written as text: the rank's number or court letter,
// and the suit's letter.
inline constexpr std::array<std::string_view, RankCount> RankTexts = {"6", "7", "8", "9", "10",
                                                                      "J", "Q", "K", "A"};
inline constexpr std::array<char, SuitCount> SuitLetters = {'b', 'c', 'k', 'p'};

constexpr std::string_view textOf(Rank rank)
{
    return RankTexts[indexOf(rank)];
}
constexpr char letterOf(Suit suit)
{
    return SuitLetters[indexOf(suit)];
}

// A hand slot or a table cell: a card, or nothing once it is played (or before it is laid).
using Slot = std::optional<Card>;

// Slots numbered from 1, like the hand slots and table cells that show them. They are never
// reordered: a played card leaves its slot empty.
template <int N> class Slots
{
public:
    Slot& operator[](int number) { return slots_.at(static_cast<std::size_t>(number - 1)); }
    const Slot& operator[](int number) const
    {
        return slots_.at(static_cast<std::size_t>(number - 1));
    }
    auto begin() { return slots_.begin(); }
    auto end() { return slots_.end(); }
    auto begin() const { return slots_.begin(); }
    auto end() const { return slots_.end(); }

private:
    std::array<Slot, N> slots_{};
};

inline constexpr int HandSlots = 12;
using Hand = Slots<HandSlots>;

// True when at least one slot of the hand holds a card.
bool hasCards(const Hand& hand);

} // namespace game
