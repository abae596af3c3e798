// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <optional>

// How John and Harry pick their card: a fixed list of rules tried in order, each scanning
// the hand slot by slot and, for each slot, the table cell by cell; the first match wins.
// The same hand, table and level always give the same choice.
namespace opponents
{

enum class Level { Low, High };

// The card and cell the computer lays, or nothing when it passes.
std::optional<game::Move> chooseCard(const game::Hand& hand, const game::Table& table, Level level);

// One tick of the computers' timer at the given level: see game::Game::playComputerTick.
std::optional<game::LaidCard> playTick(game::Game& game, Level level);

} // namespace opponents
