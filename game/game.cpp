#include "game/game.h"

#include "game/legality.h"

#include <utility>

namespace game
{

Game::Game(std::shared_ptr<const MasterDeck> master, std::uint32_t seed)
    : dealer(seed), master_(std::move(master))
{
}

void Game::NewGame()
{
    // Emptiness is read from the table list, so a game broken off must leave no card behind.
    ClearTable(TableList);
    dealer.Restock(*master_);
    dealer.DealHand(GamerHand);
    dealer.DealHand(JohnHand);
    dealer.DealHand(HarryHand);
    NextMover = 1;
    computersMoving_ = true;
}

Hand& Game::HandOf(Player player)
{
    return const_cast<Hand&>(std::as_const(*this).HandOf(player));
}

const Hand& Game::HandOf(Player player) const
{
    switch (player) {
    case Player::John:
        return JohnHand;
    case Player::Harry:
        return HarryHand;
    case Player::Human:
        break;
    }
    return GamerHand;
}

bool Game::LayCard(Player player, int slot, int cell)
{
    Hand& hand = HandOf(player);
    TableList[cell] = hand[slot];
    hand[slot].Face = nullptr;
    return ScoreFinish(player);
}

bool Game::ScoreFinish(Player player)
{
    struct Tally {
        Player player;
        std::int32_t Counters::*points;
        std::int32_t Counters::*firstPlaces;
    };
    static constexpr Tally Tallies[] = {
        {Player::Human, &Counters::Gr, &Counters::VictOfGr},
        {Player::John, &Counters::Jn, &Counters::VictOfJn},
        {Player::Harry, &Counters::Hy, &Counters::VictOfHy},
    };

    if (HandHasCards(HandOf(player)))
        return false;
    int othersHolding = 0;
    for (const Tally& other : Tallies)
        if (other.player != player && HandHasCards(HandOf(other.player)))
            ++othersHolding;

    const Tally& mine = Tallies[static_cast<int>(player)];
    switch (othersHolding) {
    case 2:
        counters.*mine.points += FirstPlacePoints;
        counters.*mine.firstPlaces += 1;
        counters.Matches += 1;
        return false;
    case 1:
        counters.*mine.points += SecondPlacePoints;
        return false;
    default:
        computersMoving_ = false;
        return true;
    }
}

bool Game::AcceptsDrop(int slot, int cell) const
{
    return !computersMoving_ && slot >= 1 && slot <= HandSlots &&
           CanLayAt(TableList, GamerHand[slot], cell);
}

void Game::HumanDrop(int slot, int cell)
{
    if (!LayCard(Player::Human, slot, cell))
        computersMoving_ = true;
}

bool Game::HumanPass()
{
    // Once the game is over there is no turn to pass: the timer would only spin idle.
    if (computersMoving_ || !HandHasCards(GamerHand) || GamerHasLegalCard(GamerHand, TableList))
        return false;
    computersMoving_ = true;
    return true;
}

bool Game::Over() const
{
    return !HandHasCards(GamerHand) && !HandHasCards(JohnHand) && !HandHasCards(HarryHand);
}

} // namespace game
