#pragma once

#include "game/card.h"
#include "game/table.h"

#include <optional>

// How John and Harry pick their card: a fixed list of rules tried in order, each scanning
// the hand slot by slot and, for each slot, the table cell by cell; the first match wins.
// The same hand, table and level always give the same choice.
namespace opponents
{

enum class Level { Low, High };

struct Move {
    int slot; // hand slot 1..12
    int cell; // table cell 1..36

    bool operator==(const Move&) const = default;
};

// The card and cell the computer lays, or nothing when it passes.
std::optional<Move> ChooseComputerCard(const game::Hand& hand, const game::Table& table,
                                       Level level);

} // namespace opponents
