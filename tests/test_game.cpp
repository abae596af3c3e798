// The rules with no window: the deck and the deal, and where a card may be laid.
#include "card_text.h"
#include "game/legality.h"

#include <QTest>

using namespace game;
using namespace cardtext;

class TestGame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Each card is shown by the picture named after it: "K_che" is the king of hearts.
    void masterDeckPairsEveryCardWithItsPicture()
    {
        const QHash<QChar, QString> suitWords{
            {u'b', "bub"}, {u'c', "che"}, {u'k', "kre"}, {u'p', "pik"}};
        const MasterDeck deck([](const QString& name) {
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.setText(QStringLiteral("name"), name);
            return picture;
        });
        for (const Card& card : deck.cards())
            QCOMPARE(card.face->text(QStringLiteral("name")),
                     RankNames.value(card.rank - Six) + u'_' +
                         suitWords.value(QChar::fromLatin1(card.suit)));
    }

    // The same seed deals the same games: the human's hand first, then John's, then Harry's.
    // Every deal holds each of the 36 cards once.
    void dealsFollowTheSeed()
    {
        constexpr std::uint32_t GoldenSeed = 1;
        constexpr std::uint32_t Seeds = 50;
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
            Game game(blankDeck(), seed);
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

    // For each card of the hand, every cell that takes it ("-": none); a hand can move when
    // any of its cards has a cell.
    void cellsForEachCard_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("cells");
        const auto row = [](const char* name, const char* table, const char* hand,
                            const char* cells) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(hand)
                                << QString::fromLatin1(cells);
        };
        row("empty table: only the nine of diamonds, in 13", "", "8c 9c . 9b", "-, -, -, 13");
        row("played nine of diamonds", "", "~9b 8c", "-, -");
        row("nines hang above and below 13, neighbours beside their nine", "9b@13",
            "9c 8b 10b Jb 8c 7b", "4 22, 12, 14, -, -, -");
        row("31 waits for 22", "9b@13 9c@4", "9k", "22");
        row("31 after 22", "9b@13 9c@4 9k@22", "9p", "31");
        row("each row its own suit", "9b@13 9p@22", "8p 8b 10c", "21, 12, -");
        row("six and ace end their rows", "9b@13 8b@12 7b@11 10b@14 Jb@15 Qb@16 Kb@17", "6b Ab",
            "10, 18");
        row("seven needs its eight", "9b@13 10b@14", "7b 6b Qb", "-, -, -");
        row("played cards fit nowhere", "9b@13 ~8b@12", "~8b 7b ~10b", "-, -, -");
    }
    void cellsForEachCard()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        const Table down = parse<Table>(table);
        const Hand held = parse<Hand>(hand);
        QStringList found;
        for (int slot = 1; slot <= hand.count(u' ') + 1; ++slot) {
            QStringList cells;
            for (int cell = 1; cell <= TableCells; ++cell)
                if (canLayAt(down, held[slot], cell))
                    cells << QString::number(cell);
            QCOMPARE(isPlayable(down, held[slot]), !cells.isEmpty());
            found << (cells.isEmpty() ? QStringLiteral("-") : cells.join(u' '));
        }
        QTEST(found.join(QStringLiteral(", ")), "cells");
        QCOMPARE(hasPlayableCard(held, down), found.count(QStringLiteral("-")) < found.size());
        QVERIFY(!cellIsEmpty(down, 0) && !cellIsEmpty(down, TableCells + 1));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
