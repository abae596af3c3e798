// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/legality.h"

namespace game
{

namespace
{

bool holdsSuit(const Table& table, int cell, Suit suit)
{
    return !cellIsEmpty(table, cell) && table[cell].suit == suit;
}

} // namespace

bool cellIsEmpty(const Table& table, int cell)
{
    if (cell < 1 || cell > TableCells)
        return false;
    return !table[cell].present();
}

bool canLayAt(const Table& table, const Card& card, int cell)
{
    if (!card.present() || !cellIsEmpty(table, cell))
        return false;
    if (card.suit == Diamonds && card.rank == Nine && cell == DiamondNineCell)
        return true;
    if (rankOfColumn(columnOf(cell)) != card.rank)
        return false;
    if (card.rank == Nine) {
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
    const int neighbour = card.rank < Nine ? cell + 1 : cell - 1;
    return holdsSuit(table, neighbour, card.suit);
}

bool isPlayable(const Table& table, const Card& card)
{
    if (!card.present())
        return false;
    if (card.rank == Nine && (card.suit == Diamonds || !cellIsEmpty(table, DiamondNineCell)))
        return true;
    for (const Card& down : table)
        if (down.present() && down.suit == card.suit &&
            (down.rank == card.rank + 1 || down.rank + 1 == card.rank))
            return true;
    return false;
}

bool hasPlayableCard(const Hand& hand, const Table& table)
{
    for (const Card& card : hand)
        if (card.present() && isPlayable(table, card))
            return true;
    return false;
}

} // namespace game
