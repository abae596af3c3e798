// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/results.h"

#include <cmath>
#include <limits>

namespace sim
{

namespace
{

// The normal distribution's two-sided 95 % quantile.
constexpr double Z95 = 1.959964;

} // namespace

void Results::addGame(const game::Tally& before, const game::Tally& after)
{
    ++games_;
    for (game::Player player : game::Players) {
        PlayerSums& sums = sums_[game::indexOf(player)];
        const game::PlayerCounters counters = game::countersOf(player);
        const std::int64_t points = after.*counters.points - before.*counters.points;
        sums.points += points;
        sums.squaredPoints += points * points;
        sums.firstPlaces += after.*counters.firstPlaces - before.*counters.firstPlaces;
    }
}

std::int64_t Results::firstPlaces(game::Player player) const
{
    return sumsOf(player).firstPlaces;
}

double Results::pointsPerGame(game::Player player) const
{
    return static_cast<double>(sumsOf(player).points) / static_cast<double>(games_);
}

double Results::confidenceHalfWidth(game::Player player) const
{
    if (games_ < 2)
        return std::numeric_limits<double>::quiet_NaN();
    const auto n = static_cast<double>(games_);
    const double mean = pointsPerGame(player);
    const double variance =
        (static_cast<double>(sumsOf(player).squaredPoints) - n * mean * mean) / (n - 1);
    return Z95 * std::sqrt(variance / n);
}

} // namespace sim
