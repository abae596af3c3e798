// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/trace_format.h"

#include <array>

namespace sim::trace
{

namespace
{

constexpr std::array<QStringView, game::PlayerCount> PlayerWords = {u"human", u"john", u"harry"};

} // namespace

QString playerWord(game::Player player)
{
    return PlayerWords[game::indexOf(player)].toString();
}

std::optional<game::Player> playerNamed(QStringView word)
{
    for (game::Player player : game::Players)
        if (PlayerWords[game::indexOf(player)] == word)
            return player;
    return std::nullopt;
}

QString cardName(game::Card card)
{
    const std::string_view rank = game::textOf(card.rank);
    return QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size())) +
           QChar::fromLatin1(game::letterOf(card.suit));
}

QString formatHelp()
{
    return QStringLiteral(
        "Trace format (--trace), one line each, words separated by single spaces:\n"
        "  deal PLAYER C1 C2 ... C12    a hand as dealt, slot 1 to slot 12; for every game the\n"
        "                               human's hand, then John's, then Harry's\n"
        "  turn PLAYER SLOT CELL        PLAYER lays the card of hand slot SLOT (1-12) into table\n"
        "                               cell CELL (1-36, row by row, nine to a row)\n"
        "  turn PLAYER pass             PLAYER lays nothing\n"
        "  end points H J Y first H J Y games G\n"
        "                               the counters after the game, counted from the first\n"
        "                               game: points and first places of the human (H), John (J)\n"
        "                               and Harry (Y), and the games in which someone finished\n"
        "PLAYER is human, john or harry. A card is its rank 6, 7, 8, 9, 10, J, Q, K or A followed\n"
        "by its suit: b diamonds, c hearts, k clubs, p spades; so 9b, 10c, Ak.\n"
        "Turns come in the order they are played: John, Harry, then the human while the human\n"
        "holds cards, until all three hands are empty.\n"
        "--deals reads the deal lines and skips every other line, so a trace can be read back.");
}

} // namespace sim::trace
