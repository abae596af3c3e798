#pragma once

#include "game/game.h"
#include "opponents/choice.h"

#include <optional>

// The computers' moves, one on each tick of the timer: John, Harry, John, ... Harry's move
// hands the turn back to the human while the human still holds cards.
namespace opponents
{

// A card a computer has just laid, for the window to show.
struct Laid {
    game::Player player;
    int slot;
    int cell;
};

// One tick: moves whoever `NextMover` names, then flips it.
std::optional<Laid> Timer1Timer(game::Game& game, Level level);

// One move of John or Harry: lays the chosen card, or passes.
std::optional<Laid> ComputerMove(game::Game& game, game::Player player, Level level);

} // namespace opponents
