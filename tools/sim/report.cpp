// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/report.h"

#include <array>
#include <cmath>

namespace sim
{

namespace
{

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
