// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/table.h"

#include <array>

namespace opponents
{

// Table cells count from 1, so 0 names no cell.
inline constexpr int NoCell = 0;

// The rows of the suits on a table laid by the rules: a suit's row is the row of its nine,
// and every card of the suit lies in that row, in its rank's column. Only the nines' column
// is read, so where a card belongs is known without a scan of the table.
class SuitRows
{
public:
    explicit SuitRows(const game::Table& table);

    // The cell where the card lies or will lie, or NoCell while its suit has no row yet.
    int homeOf(game::Card card) const
    {
        const int row = rows_[game::indexOf(card.suit)];
        return row == NoRow ? NoCell : game::cellAt(row, game::columnOf(card.rank));
    }

private:
    static constexpr int NoRow = 0;

    std::array<int, game::SuitCount> rows_{};
};

} // namespace opponents
