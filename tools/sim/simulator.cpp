// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/simulator.h"

#include <QtGlobal>

namespace sim
{

Simulator::Simulator(std::uint32_t seed, opponents::Level level, HumanPolicy::Kind human,
                     TraceWriter* trace)
    : game_(seed), level_(level), human_(human, seed), trace_(trace)
{
}

void Simulator::playRandomDeal()
{
    game_.newGame();
    playOut();
}

void Simulator::play(const game::Hands& hands)
{
    game_.newGame(hands);
    playOut();
}

void Simulator::playOut()
{
    if (trace_)
        trace_->deal({game_.hand(game::Player::Human), game_.hand(game::Player::John),
                      game_.hand(game::Player::Harry)});
    const game::Tally before = game_.tally();
    for (;;) {
        game::Player mover = game::Player::Human;
        std::optional<game::Move> move;
        if (game_.computersMoving()) {
            mover = game_.nextComputer();
            if (const auto laid = opponents::playTick(game_, level_))
                move = game::Move{laid->slot, laid->cell};
        } else if (game::hasCards(game_.hand(game::Player::Human))) {
            move = humanTurn();
        } else {
            // The computers stop only for the human's turn and at the end of the game.
            break;
        }
        if (trace_)
            trace_->turn(mover, move);
    }
    results_.addGame(before, game_.tally());
    if (trace_)
        trace_->end(game_.tally());
}

std::optional<game::Move> Simulator::humanTurn()
{
    const std::optional<game::Move> move =
        human_.choose(game_.hand(game::Player::Human), game_.table());
    const bool taken = move ? game_.layHumanCard(move->slot, move->cell) : game_.pass();
    // A refused move would leave the turn with the human for ever.
    if (!taken)
        qFatal("tavlen-sim: the game refused the human policy's move");
    return move;
}

} // namespace sim
