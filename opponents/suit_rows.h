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

    // The cell where the card of that suit and rank lies or will lie, or NoCell while its
    // suit has no row yet, and for a suit or rank that no card has.
    int homeOf(game::Suit suit, int rank) const
    {
        if (suit < FirstSuit || suit > LastSuit || rank < game::Six || rank > game::Ace)
            return NoCell;
        const int row = rows_[static_cast<std::size_t>(suit - FirstSuit)];
        return row == NoRow ? NoCell : game::cellAt(row, rank - game::Six + 1);
    }

private:
    // Rows are kept by suit letter, from the first of the four in the alphabet to the last.
    static constexpr game::Suit FirstSuit = game::Diamonds;
    static constexpr game::Suit LastSuit = game::Spades;
    static_assert(FirstSuit < game::Hearts && game::Hearts < game::Clubs && game::Clubs < LastSuit);
    static constexpr int NoRow = 0;

    std::array<int, LastSuit - FirstSuit + 1> rows_{};
};

} // namespace opponents
