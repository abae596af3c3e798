#include "opponents/turn_driver.h"

namespace opponents
{

std::optional<Laid> Timer1Timer(game::Game& game, Level level)
{
    const game::Player mover = game.NextMover != 0 ? game::Player::John : game::Player::Harry;
    std::optional<Laid> laid = ComputerMove(game, mover, level);
    game.NextMover ^= 1;
    return laid;
}

std::optional<Laid> ComputerMove(game::Game& game, game::Player player, Level level)
{
    // Harry's move is the last of the computers' phase while the human still has cards.
    if (player == game::Player::Harry && game::HandHasCards(game.GamerHand))
        game.SetComputersMoving(false);

    const std::optional<Move> move = ChooseComputerCard(game.HandOf(player), game.TableList, level);
    if (!move)
        return std::nullopt;
    game.LayCard(player, move->slot, move->cell);
    return Laid{player, move->slot, move->cell};
}

} // namespace opponents
