// SPDX-License-Identifier: GPL-3.0-or-later
#include "opponents/suit_rows.h"

namespace opponents
{

SuitRows::SuitRows(const game::Table& table)
{
    for (int row = 1; row <= game::TableRows; ++row) {
        const game::Card& nine = table[game::cellAt(row, game::NineColumn)];
        if (nine.present() && nine.suit >= FirstSuit && nine.suit <= LastSuit)
            rows_[static_cast<std::size_t>(nine.suit - FirstSuit)] = row;
    }
}

} // namespace opponents
