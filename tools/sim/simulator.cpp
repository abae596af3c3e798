// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/simulator.h"

#include "game/legality.h"
#include "opponents/suit_rows.h"

#include <QtGlobal>
#include <limits>

namespace sim
{

namespace
{

constexpr std::size_t AllMoves = std::numeric_limits<std::size_t>::max();

// Seeded through a seed sequence, so that the human's draws do not repeat the dealer's,
// whose generator takes the same seed directly.
std::mt19937 generatorFor(std::uint32_t seed)
{
    std::seed_seq sequence{seed};
    return std::mt19937(sequence);
}

} // namespace

HumanPolicy::HumanPolicy(Kind kind, std::uint32_t seed) : kind_(kind), random_(generatorFor(seed))
{
}

std::optional<game::Move> HumanPolicy::choose(const game::Hand& hand, const game::Table& table)
{
    switch (kind_) {
    case Kind::Low:
        return opponents::chooseCard(hand, table, opponents::Level::Low);
    case Kind::High:
        return opponents::chooseCard(hand, table, opponents::Level::High);
    case Kind::First:
    case Kind::Random:
        break;
    }
    // The first policy needs no more than the first slot that has a move.
    const std::size_t wanted = kind_ == Kind::First ? 1 : AllMoves;
    const std::vector<game::Move>& moves = legalMoves(hand, table, wanted);
    if (moves.empty())
        return std::nullopt;
    if (kind_ == Kind::First)
        return moves.front();
    return moves[std::uniform_int_distribution<std::size_t>(0, moves.size() - 1)(random_)];
}

const std::vector<game::Move>& HumanPolicy::legalMoves(const game::Hand& hand,
                                                       const game::Table& table, std::size_t wanted)
{
    moves_.clear();
    const opponents::SuitRows rows(table);
    for (int slot = 1; slot <= game::HandSlots && moves_.size() < wanted; ++slot) {
        if (!hand[slot])
            continue;
        const game::Card card = *hand[slot];
        const auto tryCell = [&](int cell) {
            if (game::canLayAt(table, card, cell))
                moves_.push_back({slot, cell});
        };
        // A nine goes into the nines' column, any other card into its own place in its suit's
        // row; canLayAt says whether it may go there now.
        if (card.rank == game::Rank::Nine) {
            for (int row = 1; row <= game::TableRows; ++row)
                tryCell(game::cellAt(row, game::NineColumn));
        } else if (const int home = rows.homeOf(card); home != opponents::NoCell) {
            tryCell(home);
        }
    }
    return moves_;
}

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
