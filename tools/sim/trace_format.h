// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/player.h"

#include <QString>
#include <QStringView>
#include <optional>

// The words of the plain text trace that tavlen-sim prints and reads back: players, cards and
// the keyword that starts each line. formatHelp() describes the whole format.
namespace sim::trace
{

inline constexpr QStringView DealWord = u"deal";
inline constexpr QStringView TurnWord = u"turn";
inline constexpr QStringView PassWord = u"pass";
inline constexpr QStringView EndWord = u"end";

// "human", "john" or "harry".
QString playerWord(game::Player player);
std::optional<game::Player> playerNamed(QStringView word);

// The rank ("6".."10", "J", "Q", "K", "A") followed by the suit letter: "9b", "10c", "Ak".
QString cardName(game::Card card);

// The trace format as explained in the --help text.
QString formatHelp();

} // namespace sim::trace
