// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/card.h"

#include <array>

namespace game
{

// The three players: the human at the bottom, John on the left (shown as "Сеня") and Harry on
// the right ("Лёлик"). The computers move in the order John, Harry, then the human.
enum class Player { Human, John, Harry };
inline constexpr int PlayerCount = 3;
inline constexpr std::array<Player, PlayerCount> Players = {Player::Human, Player::John,
                                                            Player::Harry};

// One hand for each player, in the order of `Players`.
using Hands = std::array<Hand, PlayerCount>;

constexpr std::size_t indexOf(Player player)
{
    return static_cast<std::size_t>(player);
}

} // namespace game
