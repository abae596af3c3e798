// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/game.h"

#include "game/legality.h"

#include <algorithm>

namespace game
{

Game::Game(std::uint32_t seed) : dealer_(seed) {}

void Game::newGame()
{
    newGame(dealer_.deal());
}

void Game::newGame(const Hands& hands)
{
    // A game broken off must leave no card behind.
    table_ = {};
    hands_ = hands;
    nextComputer_ = Player::John;
    computersMoving_ = true;
}

bool Game::isOver() const
{
    return std::none_of(hands_.begin(), hands_.end(), hasCards);
}

bool Game::acceptsDrop(int slot, int cell) const
{
    if (computersMoving_ || slot < 1 || slot > HandSlots)
        return false;
    const Slot& card = hand(Player::Human)[slot];
    return card && canLayAt(table_, *card, cell);
}

bool Game::layHumanCard(int slot, int cell)
{
    if (!acceptsDrop(slot, cell))
        return false;
    layCard(Player::Human, {slot, cell});
    if (!isOver())
        computersMoving_ = true;
    return true;
}

bool Game::pass()
{
    // Once the game is over there is no turn to pass: the timer would only spin idle.
    const Hand& human = hand(Player::Human);
    if (computersMoving_ || !hasCards(human) || hasPlayableCard(human, table_))
        return false;
    computersMoving_ = true;
    return true;
}

std::optional<LaidCard> Game::playComputerTick(const ComputerChoice& choose)
{
    if (!computersMoving_)
        return std::nullopt;
    const Player mover = nextComputer_;
    nextComputer_ = mover == Player::John ? Player::Harry : Player::John;
    // Harry's move is the last of the computers' phase while the human still has cards.
    if (mover == Player::Harry && hasCards(hand(Player::Human)))
        computersMoving_ = false;

    const std::optional<Move> move = choose(hand(mover), table_);
    if (!move || !hand(mover)[move->slot] ||
        !canLayAt(table_, *hand(mover)[move->slot], move->cell))
        return std::nullopt;
    layCard(mover, *move);
    return LaidCard{mover, move->slot, move->cell};
}

void Game::layCard(Player player, const Move& move)
{
    Slot& card = handOf(player)[move.slot];
    table_[move.cell] = card;
    card.reset();
    scoreFinish(player);
}

void Game::scoreFinish(Player player)
{
    if (hasCards(hand(player)))
        return;
    const int holding = othersHolding(player);
    if (holding == 0)
        computersMoving_ = false;
    else
        creditFinish(tally_, player, holding);
}

int Game::othersHolding(Player player) const
{
    return static_cast<int>(std::count_if(Players.begin(), Players.end(), [&](Player other) {
        return other != player && hasCards(hand(other));
    }));
}

} // namespace game
