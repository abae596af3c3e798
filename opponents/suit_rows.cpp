// SPDX-License-Identifier: GPL-3.0-or-later
#include "opponents/suit_rows.h"

namespace opponents
{

SuitRows::SuitRows(const game::Table& table)
{
    for (int row = 1; row <= game::TableRows; ++row)
        if (const game::Slot& nine = table[game::cellAt(row, game::NineColumn)])
            rows_[game::indexOf(nine->suit)] = row;
}

} // namespace opponents
