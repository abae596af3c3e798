#include "game/legality.h"

namespace game
{

namespace
{

bool holdsSuit(const Table& table, int cell, TSuit suit)
{
    return !CellIsEmpty(table, cell) && table[cell].Suit == suit;
}

} // namespace

bool CellIsEmpty(const Table& table, int cell)
{
    if (cell < 1 || cell > TableCells)
        return false;
    return !table[cell].present();
}

bool CanLayAt(const Table& table, const Card& card, int cell)
{
    if (!card.present() || !CellIsEmpty(table, cell))
        return false;
    if (card.Suit == Diamonds && card.Rank == Nine && cell == DiamondNineCell)
        return true;
    if (RankOfColumn(ColumnOf(cell)) != card.Rank)
        return false;
    if (card.Rank == Nine) {
        // Nines go by the nines' column alone: 4 and 22 hang from 13, and 31 from 22.
        const int cellAbove = CellAt(1, NineColumn);
        const int cellBelow = CellAt(3, NineColumn);
        const int lastCell = CellAt(4, NineColumn);
        if (cell == cellAbove || cell == cellBelow)
            return !CellIsEmpty(table, DiamondNineCell);
        if (cell == lastCell)
            return !CellIsEmpty(table, cellBelow);
        return false;
    }
    // Below nine a card hangs left of its neighbour, above nine right of it.
    const int neighbour = card.Rank < Nine ? cell + 1 : cell - 1;
    return holdsSuit(table, neighbour, card.Suit);
}

bool CardIsPlayable(const Table& table, const Card& card)
{
    if (!card.present())
        return false;
    if (card.Rank == Nine && (card.Suit == Diamonds || !CellIsEmpty(table, DiamondNineCell)))
        return true;
    for (const Card& down : table)
        if (down.present() && down.Suit == card.Suit &&
            (down.Rank == card.Rank + 1 || down.Rank + 1 == card.Rank))
            return true;
    return false;
}

bool GamerHasLegalCard(const Hand& gamerHand, const Table& table)
{
    for (const Card& card : gamerHand)
        if (card.present() && CardIsPlayable(table, card))
            return true;
    return false;
}

} // namespace game
