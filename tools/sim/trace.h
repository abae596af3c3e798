// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QHash>
#include <QString>
#include <QStringView>
#include <QTextStream>
#include <optional>
#include <vector>

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

namespace sim
{

// Writes a game as it is played in the trace format of trace_format.h: the deal, every turn,
// and the counters at the end.
class TraceWriter
{
public:
    explicit TraceWriter(QTextStream& out);

    void deal(const game::Hands& hands);
    // A card laid, or a pass when there is no move.
    void turn(game::Player player, const std::optional<game::Move>& move);
    void end(const game::Tally& tally);

private:
    QTextStream& out_;
};

// Reads the games to play from the deal lines of a trace: three "deal" lines a game, the
// human's hand, then John's, then Harry's, twelve cards each, every card of the deck once.
// Every other line is skipped, so a whole trace can be read back.
class DealReader
{
public:
    DealReader();

    // The hands of every game in `in`, in order. On the first fault it stops and returns
    // nothing; error() then names the line and what is wrong with it.
    std::optional<std::vector<game::Hands>> read(QTextStream& in);
    const QString& error() const { return error_; }

private:
    bool readHand(int line, const QStringList& words);
    bool fail(int line, const QString& message);

    QHash<QString, game::Card> cardsByName_;
    game::Hands hands_{};
    std::size_t nextPlayer_ = 0;
    int firstLineOfGame_ = 0;
    // Where each card of the game being read was dealt, to name both lines of a card dealt twice.
    QHash<QString, int> dealtOnLine_;
    QString error_;
};

} // namespace sim
