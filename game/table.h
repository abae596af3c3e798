// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/card.h"

namespace game
{

// The table: 4 rows of 9 cells, numbered 1..36 row by row. Column c only ever takes
// rank c + 5, so the nines stand in column 4.
inline constexpr int TableRows = 4;
inline constexpr int TableColumns = 9;
inline constexpr int TableCells = TableRows * TableColumns;
inline constexpr int NineColumn = 4;
// The nine of diamonds always opens the table here, in the second row.
inline constexpr int DiamondNineCell = 13;

using Table = Slots<TableCells>;

constexpr int rowOf(int cell)
{
    return (cell - 1) / TableColumns + 1;
}
constexpr int columnOf(int cell)
{
    return (cell - 1) % TableColumns + 1;
}
constexpr int cellAt(int row, int column)
{
    return (row - 1) * TableColumns + column;
}
constexpr Rank rankOfColumn(int column)
{
    return static_cast<Rank>(numberOf(Rank::Six) + column - 1);
}
constexpr int columnOf(Rank rank)
{
    return static_cast<int>(indexOf(rank)) + 1;
}

} // namespace game
