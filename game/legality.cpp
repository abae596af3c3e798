// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/legality.h"

namespace game
{

namespace
{

bool holdsSuit(const Table& table, int cell, Suit suit)
{
    return !cellIsEmpty(table, cell) && table[cell]->suit == suit;
}

} // namespace

bool cellIsEmpty(const Table& table, int cell)
{
    if (cell < 1 || cell > TableCells)
        return false;
    return !table[cell];
}

bool canLayAt(const Table& table, Card card, int cell)
{
    if (!cellIsEmpty(table, cell))
        return false;
    if (card == Card{Suit::Diamonds, Rank::Nine} && cell == DiamondNineCell)
        return true;
    if (rankOfColumn(columnOf(cell)) != card.rank)
        return false;
    if (card.rank == Rank::Nine) {
        // Nines go by the nines' column alone: 4 and 22 hang from 13, and 31 from 22.
        const int cellAbove = cellAt(1, NineColumn);
        const int cellBelow = cellAt(3, NineColumn);
        const int lastCell = cellAt(4, NineColumn);
        if (cell == cellAbove || cell == cellBelow)
            return !cellIsEmpty(table, DiamondNineCell);
        if (cell == lastCell)
            return !cellIsEmpty(table, cellBelow);
        return false;
    }
    // Below nine a card hangs left of its neighbour, above nine right of it.
    const int neighbour = card.rank < Rank::Nine ? cell + 1 : cell - 1;
    return holdsSuit(table, neighbour, card.suit);
}

bool isPlayable(const Table& table, Card card)
{
    if (card.rank == Rank::Nine &&
        (card.suit == Suit::Diamonds || !cellIsEmpty(table, DiamondNineCell)))
        return true;
    for (const Slot& down : table)
        if (down && down->suit == card.suit &&
            (rankAbove(down->rank) == card.rank || rankAbove(card.rank) == down->rank))
            return true;
    return false;
}

bool hasPlayableCard(const Hand& hand, const Table& table)
{
    for (const Slot& card : hand)
        if (card && isPlayable(table, *card))
            return true;
    return false;
}

} // namespace game
