// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"
#include "opponents/choice.h"
#include "tools/sim/results.h"
#include "tools/sim/trace.h"

#include <optional>
#include <random>
#include <vector>

namespace sim
{

// How the simulator plays the human's seat. Every policy lays a card whenever one fits and
// passes only when none does.
class HumanPolicy
{
public:
    enum class Kind {
        Random, // any legal card and cell, all equally likely
        First,  // the first legal card and cell, taking hand slots, then cells, in order
        Low,    // the computers' choice at the low level, made for the human's hand
        High,   // the same at the high level
    };

    // The random policy draws from a generator seeded with `seed`.
    HumanPolicy(Kind kind, std::uint32_t seed);

    std::optional<game::Move> choose(const game::Hand& hand, const game::Table& table);

private:
    // Every card and cell the rules allow, hand slot by hand slot, each slot's cells in order;
    // the slots after the one that brings the count up to `wanted` are not tried.
    const std::vector<game::Move>& legalMoves(const game::Hand& hand, const game::Table& table,
                                              std::size_t wanted);

    Kind kind_;
    std::mt19937 random_;
    std::vector<game::Move> moves_; // kept to spare an allocation on every turn
};

// Plays whole games with no window: John and Harry by the computers' rules at one level, the
// human's seat by a policy. Gathers the results and, when given a trace, writes every game
// into it.
class Simulator
{
public:
    // `seed` seeds both the random deals and the random human policy; `trace` may be null.
    Simulator(std::uint32_t seed, opponents::Level level, HumanPolicy::Kind human,
              TraceWriter* trace);

    void playRandomDeal();
    void play(const game::Hands& hands);

    const Results& results() const { return results_; }

private:
    void playOut();
    std::optional<game::Move> humanTurn();

    game::Game game_;
    opponents::Level level_;
    HumanPolicy human_;
    TraceWriter* trace_;
    Results results_;
};

} // namespace sim
