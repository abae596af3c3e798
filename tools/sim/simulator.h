// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "opponents/choice.h"
#include "tools/sim/human_policy.h"
#include "tools/sim/results.h"
#include "tools/sim/trace_writer.h"

namespace sim
{

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
