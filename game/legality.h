// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/card.h"
#include "game/table.h"

// Where a card may be laid: the nine of diamonds opens in the middle of the nines' column,
// the other nines hang above and below a nine already down, and every other card goes next
// to the card of its suit one rank nearer to nine.
namespace game
{

// True when cell n is on the table and holds no card; any n outside 1..36 counts as occupied.
bool cellIsEmpty(const Table& table, int cell);

// True when `card` may be laid into that very cell.
bool canLayAt(const Table& table, Card card, int cell);

// True when the card has at least one cell to go to.
bool isPlayable(const Table& table, Card card);

// True when some card still in the hand is playable.
bool hasPlayableCard(const Hand& hand, const Table& table);

} // namespace game
