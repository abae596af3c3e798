// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/tally.h"

#include <QString>
#include <QTextStream>
#include <array>
#include <cstdint>

namespace sim
{

// What many games came to: each player's first places and points per game, with a 95 %
// confidence interval on the points by the normal approximation over the games.
class Results
{
public:
    // Counts one game played to its end, from the tally before and after it.
    void addGame(const game::Tally& before, const game::Tally& after);

    std::int64_t games() const { return games_; }
    std::int64_t firstPlaces(game::Player player) const;
    double pointsPerGame(game::Player player) const;
    // Half the width of the 95 % confidence interval around pointsPerGame(); not a number
    // before the second game.
    double confidenceHalfWidth(game::Player player) const;

private:
    struct PlayerSums {
        std::int64_t points = 0;
        std::int64_t squaredPoints = 0; // summed game by game, for the variance
        std::int64_t firstPlaces = 0;
    };

    const PlayerSums& sumsOf(game::Player player) const { return sums_[game::indexOf(player)]; }

    std::array<PlayerSums, game::PlayerCount> sums_{};
    std::int64_t games_ = 0;
};

// Prints the results as a small table, a line each for the human, John and Harry, under a
// heading that says what was played, and the speed at which it was played.
void writeReport(QTextStream& out, const QString& heading, const Results& results,
                 double gamesPerSecond);

} // namespace sim
