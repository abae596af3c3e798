// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/results.h"

#include <array>
#include <cmath>
#include <limits>

namespace sim
{

namespace
{

// The normal distribution's two-sided 95 % quantile.
constexpr double Z95 = 1.959964;

constexpr int NameWidth = 18;
constexpr int CountWidth = 13;
constexpr int Decimals = 4;

// Each seat with the name the game shows for it.
constexpr std::array<QStringView, game::PlayerCount> SeatNames = {u"human (Вы)", u"John (Сеня)",
                                                                  u"Harry (Лёлик)"};

// A single game gives no interval.
QString halfWidthText(double halfWidth)
{
    return std::isnan(halfWidth) ? QStringLiteral("n/a")
                                 : QString::number(halfWidth, 'f', Decimals);
}

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

void writeReport(QTextStream& out, const QString& heading, const Results& results,
                 double gamesPerSecond)
{
    out << heading << '\n'
        << QStringLiteral("games").leftJustified(NameWidth) << results.games() << '\n'
        << QString().leftJustified(NameWidth)
        << QStringLiteral("first places").rightJustified(CountWidth)
        << QStringLiteral("   points per game (95 % CI)\n");
    for (game::Player player : game::Players) {
        out << SeatNames[game::indexOf(player)].toString().leftJustified(NameWidth)
            << QString::number(results.firstPlaces(player)).rightJustified(CountWidth) << "   "
            << QString::number(results.pointsPerGame(player), 'f', Decimals) << " ± "
            << halfWidthText(results.confidenceHalfWidth(player)) << '\n';
    }
    out << QStringLiteral("games per second").leftJustified(NameWidth)
        << QString::number(gamesPerSecond, 'f', 0) << '\n';
}

} // namespace sim
