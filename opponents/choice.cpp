// SPDX-License-Identifier: GPL-3.0-or-later
#include "opponents/choice.h"

#include "game/legality.h"
#include "opponents/suit_rows.h"

#include <algorithm>
#include <array>
#include <span>

namespace opponents
{

using game::Card;
using game::Hand;
using game::Move;
using game::Rank;
using game::Table;

namespace
{

// A card of the hand, its own place in its suit's row, and whether it fits there on this
// table: below the next higher card of its suit (left of it), or above the next lower one
// (right of it). Every card lies only in its own place, so the neighbours are looked for
// there and nowhere else on the table; and the first held card that fits is the first pair
// that a scan of every hand slot against every table cell would find.
struct HeldCard {
    int slot;
    int home; // NoCell while the suit has no row
    Card card;
    bool fitsBelow;
    bool fitsAbove;
};

int ifEmpty(const Table& table, int cell)
{
    return game::cellIsEmpty(table, cell) ? cell : NoCell;
}

// The cards of the hand in slot order, each with where it fits; returns how many there are.
std::size_t readHand(const Hand& hand, const Table& table,
                     std::array<HeldCard, game::HandSlots>& held)
{
    const SuitRows rows(table);
    std::size_t count = 0;
    // Whether the card one rank `step` away from `card` lies `step` cells away from `home`.
    const auto besideIt = [&table](Card card, int home, int step) {
        const std::optional<Rank> next = game::rankAbove(card.rank, step);
        return next && table[home + step] == Card{card.suit, *next};
    };
    for (int s = 1; s <= game::HandSlots; ++s) {
        const std::optional<Card>& slot = hand[s];
        if (!slot)
            continue;
        const Card card = *slot;
        const int home = rows.homeOf(card);
        const bool free = home != NoCell && !table[home];
        held[count++] = {s, home, card, free && besideIt(card, home, 1),
                         free && besideIt(card, home, -1)};
    }
    return count;
}

// The first held card, in slot order, that `fits` and is `wanted`.
template <typename Wanted>
std::optional<Move> firstFit(std::span<const HeldCard> held, bool HeldCard::*fits, Wanted wanted)
{
    for (const HeldCard& h : held)
        if (h.*fits && wanted(h))
            return Move{h.slot, h.home};
    return std::nullopt;
}

// Whether the hand holds the card of the same suit one rank `step` away from `card`.
bool holdsNext(std::span<const HeldCard> held, Card card, int step)
{
    const std::optional<Rank> next = game::rankAbove(card.rank, step);
    return next && std::any_of(held.begin(), held.end(), [&](const HeldCard& h) {
               return h.card == Card{card.suit, *next};
           });
}

// Rules 7 and 8: the first nine of the hand goes `step` cells away from the first nine down
// whose cell there is empty. Nines only ever lie in the nines' column, so only its cells are
// looked at; and the cell does not depend on which nine is laid, so if the first held nine
// has none, no other nine has one either.
std::optional<Move> nineNextToNine(std::span<const HeldCard> held, const Table& table, int step)
{
    const auto nine = std::find_if(held.begin(), held.end(),
                                   [](const HeldCard& h) { return h.card.rank == Rank::Nine; });
    if (nine == held.end())
        return std::nullopt;
    for (int row = 1; row <= game::TableRows; ++row) {
        const int cell = game::cellAt(row, game::NineColumn);
        if (table[cell] && table[cell]->rank == Rank::Nine)
            if (const int target = ifEmpty(table, cell + step); target != NoCell)
                return Move{nine->slot, target};
    }
    return std::nullopt;
}

// Rule 1: the nine of diamonds always opens the table.
std::optional<Move> diamondNine(std::span<const HeldCard> held)
{
    for (const HeldCard& h : held)
        if (h.card == Card{game::Suit::Diamonds, Rank::Nine})
            return Move{h.slot, game::DiamondNineCell};
    return std::nullopt;
}

// Rule 4: open the row of a suit whose ace the computer holds, by laying that suit's nine.
std::optional<Move> nineOfHeldAce(std::span<const HeldCard> held, const Table& table)
{
    if (game::cellIsEmpty(table, game::DiamondNineCell))
        return std::nullopt;
    static constexpr int NineCells[] = {game::cellAt(1, game::NineColumn),
                                        game::cellAt(3, game::NineColumn),
                                        game::cellAt(4, game::NineColumn)};
    for (const HeldCard& ace : held) {
        if (ace.card.rank != Rank::Ace)
            continue;
        for (const HeldCard& nine : held) {
            if (nine.card != Card{ace.card.suit, Rank::Nine})
                continue;
            for (int cell : NineCells)
                if (game::cellIsEmpty(table, cell))
                    return Move{nine.slot, cell};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Move> chooseCard(const Hand& hand, const Table& table, Level level)
{
    std::array<HeldCard, game::HandSlots> cards;
    const std::span<const HeldCard> held(cards.data(), readHand(hand, table, cards));
    if (auto move = diamondNine(held))
        return move;
    if (level == Level::High) {
        // Rule 2: a six, or a card the computer can follow down with its own next card.
        if (auto move = firstFit(held, &HeldCard::fitsBelow, [held](const HeldCard& h) {
                return h.card.rank == Rank::Six || holdsNext(held, h.card, -1);
            }))
            return move;
        // Rule 3: an ace, or a card the computer can follow up with its own next card.
        if (auto move = firstFit(held, &HeldCard::fitsAbove, [held](const HeldCard& h) {
                return h.card.rank == Rank::Ace || holdsNext(held, h.card, 1);
            }))
            return move;
        if (auto move = nineOfHeldAce(held, table))
            return move;
    }
    // Rules 5 and 6: any card that extends its row, downwards before upwards.
    const auto anyCard = [](const HeldCard&) { return true; };
    if (auto move = firstFit(held, &HeldCard::fitsBelow, anyCard))
        return move;
    if (auto move = firstFit(held, &HeldCard::fitsAbove, anyCard))
        return move;
    // Rules 7 and 8: a nine below a nine, else above one.
    for (int step : {game::TableColumns, -game::TableColumns})
        if (auto move = nineNextToNine(held, table, step))
            return move;
    return std::nullopt;
}

std::optional<game::LaidCard> playTick(game::Game& game, Level level)
{
    return game.playComputerTick(
        [level](const Hand& hand, const Table& table) { return chooseCard(hand, table, level); });
}

} // namespace opponents
