// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QTextStream>
#include <optional>

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

} // namespace sim
