// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/deck.h"
#include "game/table.h"
#include "game/tally.h"

#include <functional>
#include <optional>

namespace game
{

// A card to lay: from hand slot 1..12 into table cell 1..36.
struct Move {
    int slot;
    int cell;

    bool operator==(const Move&) const = default;
};

// A card a player has just laid, for the window to show.
struct LaidCard {
    Player player;
    int slot;
    int cell;
};

// How a computer picks its card from its hand and the table; nothing means it passes.
using ComputerChoice = std::function<std::optional<Move>(const Hand&, const Table&)>;

// The whole state of play, with no picture or widget in it: the three hands, the table, the
// tally, whose tick comes next and whether the computers are moving. The window owns one and
// shows it; tests and tools play whole games with it alone.
//
// There is no "whose turn" variable: while the computers' phase is on they move one tick at a
// time and the human's drops are refused; while it is off it is the human's turn, or the game
// is over. Only the game's own rules switch the phase.
class Game
{
public:
    explicit Game(std::uint32_t seed);

    // Empties the table, deals a fresh game from a full deck (the human's hand first, then
    // John's, then Harry's) and hands the first move to John by switching the computers'
    // phase on. The tally is left as it is.
    void newGame();
    // The same with hands given instead of dealt: three hands that together hold every card
    // of the deck once.
    void newGame(const Hands& hands);

    const Hand& hand(Player player) const { return hands_[indexOf(player)]; }
    const Table& table() const { return table_; }
    const Tally& tally() const { return tally_; }
    void setTally(const Tally& tally) { tally_ = tally; }

    bool computersMoving() const { return computersMoving_; }
    // The computer that moves on the next tick.
    Player nextComputer() const { return nextComputer_; }
    // True once all three hands are empty.
    bool isOver() const;
    // How many players other than `player` still hold cards.
    int othersHolding(Player player) const;

    // A human's card is taken only in the human's turn and only on its own cell.
    bool acceptsDrop(int slot, int cell) const;
    // Lays the human's card if it is accepted and, unless that ended the game, hands the move
    // to the computers. Returns whether the card was laid.
    bool layHumanCard(int slot, int cell);
    // Passes when nothing in the human's hand fits; returns whether the pass was taken.
    bool pass();

    // One tick of the computers' phase: the computer whose tick it is lays the card `choose`
    // picks for it, or passes, and the next tick goes to the other one. Harry's tick hands
    // the turn back to the human while the human still holds cards.
    std::optional<LaidCard> playComputerTick(const ComputerChoice& choose);

private:
    void layCard(Player player, const Move& move);
    // Ranks `player`, who has just laid a card, by how many others still hold cards, and
    // ends the computers' phase when nobody does.
    void scoreFinish(Player player);

    Hand& handOf(Player player) { return hands_[indexOf(player)]; }

    Dealer dealer_;
    Hands hands_{};
    Table table_{};
    Tally tally_{};
    Player nextComputer_ = Player::John;
    bool computersMoving_ = false;
};

} // namespace game
