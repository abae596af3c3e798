// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/human_policy.h"

#include "game/legality.h"
#include "opponents/choice.h"
#include "opponents/suit_rows.h"

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

} // namespace sim
