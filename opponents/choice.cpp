#include "opponents/choice.h"

#include "game/legality.h"

#include <algorithm>

namespace opponents
{

using game::Card;
using game::Hand;
using game::Move;
using game::Table;

namespace
{

// A rule's test for hand card h against table card t; it names the cell to lay into, or
// nothing when the pair does not match.
using PairRule = std::optional<int> (*)(const Hand&, int slot, const Table&, int cell);

std::optional<Move> doubleScan(const Hand& hand, const Table& table, PairRule rule)
{
    for (int s = 1; s <= game::HandSlots; ++s) {
        if (!hand[s].present())
            continue;
        for (int c = 1; c <= game::TableCells; ++c) {
            if (!table[c].present())
                continue;
            if (const std::optional<int> target = rule(hand, s, table, c))
                return Move{s, *target};
        }
    }
    return std::nullopt;
}

bool holdsCard(const Hand& hand, game::Suit suit, int rank)
{
    return std::any_of(hand.begin(), hand.end(),
                       [&](const Card& card) { return card.is(suit, game::Rank(rank)); });
}

bool fitsBelow(const Card& h, const Card& t)
{
    return h.suit == t.suit && t.rank - h.rank == 1;
}

bool fitsAbove(const Card& h, const Card& t)
{
    return h.suit == t.suit && h.rank - t.rank == 1;
}

bool ninePair(const Card& h, const Card& t)
{
    return h.rank == game::Nine && t.rank == game::Nine;
}

std::optional<int> ifEmpty(const Table& table, int cell)
{
    if (game::cellIsEmpty(table, cell))
        return cell;
    return std::nullopt;
}

// Rule 2: a six, or a card the computer can follow down with its own next card.
std::optional<int> endOrFollowBelow(const Hand& hand, int s, const Table& table, int c)
{
    const Card& h = hand[s];
    if (!fitsBelow(h, table[c]) ||
        (table[c].rank != game::Seven && !holdsCard(hand, h.suit, h.rank - 1)))
        return std::nullopt;
    return ifEmpty(table, c - 1);
}

// Rule 3: an ace, or a card the computer can follow up with its own next card.
std::optional<int> endOrFollowAbove(const Hand& hand, int s, const Table& table, int c)
{
    const Card& h = hand[s];
    if (!fitsAbove(h, table[c]) ||
        (table[c].rank != game::King && !holdsCard(hand, h.suit, h.rank + 1)))
        return std::nullopt;
    return ifEmpty(table, c + 1);
}

std::optional<int> extendBelow(const Hand& hand, int s, const Table& table, int c)
{
    if (!fitsBelow(hand[s], table[c]))
        return std::nullopt;
    return ifEmpty(table, c - 1);
}

std::optional<int> extendAbove(const Hand& hand, int s, const Table& table, int c)
{
    if (!fitsAbove(hand[s], table[c]))
        return std::nullopt;
    return ifEmpty(table, c + 1);
}

std::optional<int> nineBelowNine(const Hand& hand, int s, const Table& table, int c)
{
    if (!ninePair(hand[s], table[c]))
        return std::nullopt;
    return ifEmpty(table, c + game::TableColumns);
}

std::optional<int> nineAboveNine(const Hand& hand, int s, const Table& table, int c)
{
    if (!ninePair(hand[s], table[c]))
        return std::nullopt;
    return ifEmpty(table, c - game::TableColumns);
}

// Rule 1: the nine of diamonds always opens the table.
std::optional<Move> diamondNine(const Hand& hand)
{
    for (int s = 1; s <= game::HandSlots; ++s)
        if (hand[s].is(game::Diamonds, game::Nine))
            return Move{s, game::DiamondNineCell};
    return std::nullopt;
}

// Rule 4: open the row of a suit whose ace the computer holds, by laying that suit's nine.
std::optional<Move> nineOfHeldAce(const Hand& hand, const Table& table)
{
    if (game::cellIsEmpty(table, game::DiamondNineCell))
        return std::nullopt;
    static constexpr int NineCells[] = {game::cellAt(1, game::NineColumn),
                                        game::cellAt(3, game::NineColumn),
                                        game::cellAt(4, game::NineColumn)};
    for (const Card& ace : hand) {
        if (!ace.present() || ace.rank != game::Ace)
            continue;
        for (int s = 1; s <= game::HandSlots; ++s) {
            if (!hand[s].is(ace.suit, game::Nine))
                continue;
            for (int cell : NineCells)
                if (game::cellIsEmpty(table, cell))
                    return Move{s, cell};
        }
    }
    return std::nullopt;
}

} // namespace

std::optional<Move> chooseCard(const Hand& hand, const Table& table, Level level)
{
    if (auto move = diamondNine(hand))
        return move;
    if (level == Level::High) {
        if (auto move = doubleScan(hand, table, endOrFollowBelow))
            return move;
        if (auto move = doubleScan(hand, table, endOrFollowAbove))
            return move;
        if (auto move = nineOfHeldAce(hand, table))
            return move;
    }
    for (PairRule rule : {extendBelow, extendAbove, nineBelowNine, nineAboveNine})
        if (auto move = doubleScan(hand, table, rule))
            return move;
    return std::nullopt;
}

std::optional<game::LaidCard> playTick(game::Game& game, Level level)
{
    return game.playComputerTick(
        [level](const Hand& hand, const Table& table) { return chooseCard(hand, table, level); });
}

} // namespace opponents
