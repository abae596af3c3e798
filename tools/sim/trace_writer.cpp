// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/trace_writer.h"

#include "tools/sim/trace_format.h"

namespace sim
{

TraceWriter::TraceWriter(QTextStream& out) : out_(out) {}

void TraceWriter::deal(const game::Hands& hands)
{
    for (game::Player player : game::Players) {
        out_ << trace::DealWord << ' ' << trace::playerWord(player);
        for (const game::Slot& card : hands[game::indexOf(player)])
            out_ << ' ' << trace::cardName(card.value());
        out_ << '\n';
    }
}

void TraceWriter::turn(game::Player player, const std::optional<game::Move>& move)
{
    out_ << trace::TurnWord << ' ' << trace::playerWord(player) << ' ';
    if (move)
        out_ << move->slot << ' ' << move->cell << '\n';
    else
        out_ << trace::PassWord << '\n';
}

void TraceWriter::end(const game::Tally& tally)
{
    out_ << trace::EndWord << " points " << tally.humanPoints << ' ' << tally.johnPoints << ' '
         << tally.harryPoints << " first " << tally.humanFirstPlaces << ' ' << tally.johnFirstPlaces
         << ' ' << tally.harryFirstPlaces << " games " << tally.gamesPlayed << '\n';
}

} // namespace sim
