// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QString>

// What a screen reader is told as the game goes on, in the Russian the player hears: who laid
// which card, who passed, who ran out of cards and in which place, and whose turn it is.
namespace window::narration
{

// How the table names a player: "Вы", "Сеня", "Лёлик".
QString playerName(game::Player player);

// A card as a place or a hand card is named: "девятка бубен".
QString cardName(game::Card card);

// What a refresh showed, from the hands as shown before it and the game now: the card a
// computer laid, whoever has just run out of cards with the place, and "Ваш ход" when the
// computers have handed the turn back; phrases joined as sentences. Empty when no card left a
// hand, as on a new deal, or when the human's own lay changed nothing else worth saying.
QString afterLay(const game::Hands& shownBefore, const game::Game& game);

// A computer's pass, with "Ваш ход" when it handed the turn back.
QString afterPass(game::Player computer, const game::Game& game);

} // namespace window::narration
