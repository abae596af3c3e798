// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/play_narration.h"

#include "dialogs/spoken_texts.h"

#include <QStringList>

namespace window::narration
{

namespace
{

int suitNumber(game::Card card)
{
    return static_cast<int>(game::indexOf(card.suit));
}

// The human's turn has come: the computers have stopped, and the human still holds cards.
bool humansTurn(const game::Game& game)
{
    return !game.computersMoving() && game::hasCards(game.hand(game::Player::Human));
}

QString sentences(const QStringList& phrases)
{
    return phrases.join(QStringLiteral(". "));
}

} // namespace

QString playerName(game::Player player)
{
    switch (player) {
    case game::Player::John:
        return QStringLiteral("Сеня");
    case game::Player::Harry:
        return QStringLiteral("Лёлик");
    case game::Player::Human:
        break;
    }
    return QStringLiteral("Вы");
}

QString cardName(game::Card card)
{
    return spoken::cardName(suitNumber(card), game::numberOf(card.rank));
}

QString afterLay(const game::Hands& shownBefore, const game::Game& game)
{
    for (const game::Player player : game::Players) {
        const game::Hand& before = shownBefore[game::indexOf(player)];
        for (int slot = 1; slot <= game::HandSlots; ++slot) {
            if (!before[slot] || game.hand(player)[slot])
                continue;
            QStringList phrases;
            const bool human = player == game::Player::Human;
            if (!human)
                phrases << spoken::computerLays(playerName(player), suitNumber(*before[slot]),
                                                game::numberOf(before[slot]->rank));
            if (!game::hasCards(game.hand(player))) {
                const int place = game::PlayerCount - game.othersHolding(player);
                phrases << (human ? spoken::youFinished(place)
                                  : spoken::computerFinished(playerName(player), place));
            }
            if (!human && humansTurn(game))
                phrases << spoken::yourTurn();
            return sentences(phrases);
        }
    }
    return {};
}

QString afterPass(game::Player computer, const game::Game& game)
{
    QStringList phrases{spoken::computerPasses(playerName(computer))};
    if (humansTurn(game))
        phrases << spoken::yourTurn();
    return sentences(phrases);
}

} // namespace window::narration
