#pragma once

#include "game/deck.h"
#include "game/scoring.h"
#include "game/table.h"

#include <memory>

namespace game
{

// The whole state of play, with no picture or widget in it: the deck, the three hands, the
// table, the tally, whose tick comes next and whether the computers are moving. The window
// owns one and shows it; tests play whole games with it alone.
//
// There is no "whose turn" variable: while the computers' phase is on they move on the
// timer and the human's drops are refused; while it is off it is the human's turn, or the
// game is over.
class Game
{
public:
    Game(std::shared_ptr<const MasterDeck> master, std::uint32_t seed);

    // Empties the table and deals a fresh game from a full deck, human first, then John, then
    // Harry, and hands the first move to John by switching the computers' phase on.
    void NewGame();

    Hand& HandOf(Player player);
    const Hand& HandOf(Player player) const;

    // Moves the card of hand slot `slot` into table cell `cell` and ranks the player if the
    // hand is now empty. Returns true when that was the last card of the game.
    bool LayCard(Player player, int slot, int cell);

    // Ranks `player`, who has just laid a card, by how many others still hold cards, and
    // ends the game when nobody does. Returns true when the game is over.
    bool ScoreFinish(Player player);

    // The human's drop is accepted only in the human's turn and only on the card's own cell.
    bool AcceptsDrop(int slot, int cell) const;
    // Lays the human's card and, unless that ended the game, hands the move to the computers.
    void HumanDrop(int slot, int cell);
    // Passes when nothing in the human's hand fits; returns whether the pass was taken.
    bool HumanPass();

    bool ComputersMoving() const { return computersMoving_; }
    void SetComputersMoving(bool moving) { computersMoving_ = moving; }
    bool Over() const;

    Table TableList;
    Hand GamerHand;
    Hand JohnHand;
    Hand HarryHand;
    Counters counters;
    // 1: John moves on the next tick, 0: Harry.
    std::uint8_t NextMover = 1;
    Dealer dealer;

private:
    std::shared_ptr<const MasterDeck> master_;
    bool computersMoving_ = false;
};

} // namespace game
