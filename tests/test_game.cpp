// SPDX-License-Identifier: GPL-3.0-or-later
// The deck and the deal. Where a card may be laid is tried in test_opponents, position by
// position, together with the card that a computer lays there.
#include "card_text.h"

#include <QTest>

using namespace game;
using namespace cardtext;

class TestGame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The same seed deals the same games: the human's hand first, then John's, then Harry's;
    // every deal holds each of the 36 cards once.
    void dealsFollowTheSeed()
    {
        constexpr std::uint32_t GoldenSeed = 1, Seeds = 50;
        const QStringList golden[] = {
            {"8p 10k 8c 6c Kc Qk 8b Ac Jc 6p Qp Ab", "Kk Jk 7b 10p 6k 9c Qc Jb 7p 9k 10c 10b",
             "Qb Jp 8k Kp Ap 7c 7k 6b Kb 9p Ak 9b"},
            {"Qc Ap Ak 8b 7p Ac 6b 9c Qp Kc 10b Jp", "Kp 10k Qb 7b Kb 10c Jk 8k 7k Qk 6p Kk",
             "6c Ab 8p 6k 9p 9k 7c Jc 9b 8c Jb 10p"}};
        QStringList wholeDeck;
        for (const QChar suit : QStringLiteral("bckp"))
            for (const QString& rank : RankNames)
                wholeDeck << rank + suit;
        wholeDeck.sort();
        for (std::uint32_t seed = 0; seed < Seeds; ++seed) {
            Game game(seed);
            for (const QStringList& expected : golden) {
                game.newGame();
                QStringList hands;
                for (Player player : Players)
                    hands << presentNames(game.hand(player));
                if (seed == GoldenSeed)
                    QCOMPARE(hands, expected);
                QStringList cards = hands.join(u' ').split(u' ');
                cards.sort();
                QCOMPARE(cards, wholeDeck);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
