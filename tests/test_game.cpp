// The rules with no window: the deck and the deal, and where a card may be laid.
#include "card_text.h"
#include "game/legality.h"

#include <QTest>

using namespace game;
using namespace cardtext;

namespace
{

bool hasSomeCell(const Table& table, const Card& card)
{
    for (int cell = 1; cell <= TableCells; ++cell)
        if (canLayAt(table, card, cell))
            return true;
    return false;
}

QStringList dealtHands(const Game& game)
{
    QStringList hands;
    for (Player player : Players)
        hands << presentNames(game.hand(player)).join(u' ');
    return hands;
}

} // namespace

class TestGame : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // The deck is always built in this order, each card with the picture of its own name.
    void masterDeckPairsEveryCardWithItsPicture()
    {
        const QStringList expected =
            QStringLiteral(
                "K_che:Kc 10_bub:10b 9_pik:9p 6_pik:6p Q_kre:Qk A_che:Ac A_bub:Ab A_pik:Ap "
                "J_che:Jc "
                "7_kre:7k 8_bub:8b 7_pik:7p 10_che:10c K_bub:Kb Q_pik:Qp 8_pik:8p J_bub:Jb "
                "J_kre:Jk "
                "K_kre:Kk Q_che:Qc 9_bub:9b 6_kre:6k K_pik:Kp Q_bub:Qb A_kre:Ak 8_che:8c 7_bub:7b "
                "J_pik:Jp 6_bub:6b 8_kre:8k 9_che:9c 9_kre:9k 10_pik:10p 6_che:6c 7_che:7c "
                "10_kre:10k")
                .split(u' ');
        QStringList asked;
        const MasterDeck deck([&asked](const QString& name) {
            asked << name;
            QImage picture(1, 1, QImage::Format_RGB32);
            picture.setText(QStringLiteral("name"), name);
            return picture;
        });
        QStringList built;
        for (const Card& card : deck.cards())
            built << card.face->text(QStringLiteral("name")) + u':' + cardName(card);
        QCOMPARE(built, expected);
        QCOMPARE(asked.size(), DeckCards);
    }

    // The same seed deals the same games: the human's hand first, then John's, then Harry's,
    // each card drawn from what is left of the deck in its order.
    void dealsFollowTheSeed()
    {
        Game game(blankDeck(), 1);
        game.newGame();
        QCOMPARE(dealtHands(game), QStringList({"8p 10k 8c 6c Kc Qk 8b Ac Jc 6p Qp Ab",
                                                "Kk Jk 7b 10p 6k 9c Qc Jb 7p 9k 10c 10b",
                                                "Qb Jp 8k Kp Ap 7c 7k 6b Kb 9p Ak 9b"}));
        game.newGame();
        QCOMPARE(dealtHands(game), QStringList({"Qc Ap Ak 8b 7p Ac 6b 9c Qp Kc 10b Jp",
                                                "Kp 10k Qb 7b Kb 10c Jk 8k 7k Qk 6p Kk",
                                                "6c Ab 8p 6k 9p 9k 7c Jc 9b 8c Jb 10p"}));
    }

    void everyDealHoldsTheWholeDeckOnce()
    {
        const auto master = blankDeck();
        QStringList full = presentNames(master->cards());
        full.sort();
        constexpr std::uint32_t Seeds = 50;
        for (std::uint32_t seed = 0; seed < Seeds; ++seed) {
            Game game(master, seed);
            game.newGame();
            QStringList cards = dealtHands(game).join(u' ').split(u' ');
            cards.sort();
            QCOMPARE(cards, full);
            QVERIFY(presentNames(game.table()).isEmpty());
            QVERIFY(game.computersMoving());
            QCOMPARE(game.nextComputer(), Player::John);
        }
    }

    void handsWithOnlyPlayedSlotsHoldNoCards()
    {
        QVERIFY(!hasCards(Hand{}));
        QVERIFY(!hasCards(parseHand(QStringLiteral("~9b ~Ac ~6p ~10k ~Jb ~Qc ~Kp ~7k ~8b ~Ab"))));
        QVERIFY(hasCards(parseHand(QStringLiteral("~9b . . . . . . . . . . 7p"))));
    }

    void cellsOffTheTableAreOccupied()
    {
        const Table empty;
        for (int cell : {-1, 0, TableCells + 1, 255})
            QVERIFY(!cellIsEmpty(empty, cell));
        for (int cell : {1, TableCells})
            QVERIFY(cellIsEmpty(empty, cell));
    }

    void canLayAt_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("card");
        QTest::addColumn<int>("cell");
        QTest::addColumn<bool>("accepted");
        const auto row = [](const char* name, const char* table, const char* card, int cell,
                            bool accepted) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(card) << cell
                                << accepted;
        };
        const char* twoNines = "9b@13 9c@4";
        const char* spadeRow = "9b@13 9p@22";
        row("empty table: nine of diamonds opens", "", "9b", DiamondNineCell, true);
        row("empty table: nine of diamonds elsewhere", "", "9b", 22, false);
        row("empty table: other nine", "", "9c", 4, false);
        row("empty table: eight", "", "8b", 12, false);
        row("nine above the nine of diamonds", "9b@13", "9c", 4, true);
        row("nine below the nine of diamonds", "9b@13", "9c", 22, true);
        row("nine in 31 before 22", "9b@13", "9c", 31, false);
        row("nine in 31 with 4 and 13 full", twoNines, "9k", 31, false);
        row("nine in 22 with 4 and 13 full", twoNines, "9k", 22, true);
        row("nine in 31 after 22", "9b@13 9c@4 9k@22", "9p", 31, true);
        row("nine onto a nine", twoNines, "9k", 4, false);
        row("eight left of its nine", "9b@13", "8b", 12, true);
        row("ten right of its nine", "9b@13", "10b", 14, true);
        row("eight in an empty row", "9b@13", "8b", 3, false);
        row("ten in another column", "9b@13", "10b", 15, false);
        row("played card", "9b@13", "~8b", 12, false);
        row("eight in a row of another suit", spadeRow, "8p", 12, false);
        row("eight in the row of its suit", spadeRow, "8p", 21, true);
        row("six next to its seven", "9b@13 8b@12 7b@11", "6b", 10, true);
        row("six without its seven", "9b@13 8b@12", "6b", 10, false);
        row("ace next to its king", "9b@13 10b@14 Jb@15 Qb@16 Kb@17", "Ab", 18, true);
        row("ace without its king", "9b@13 10b@14 Jb@15 Qb@16", "Ab", 18, false);
        row("cleared neighbour", "9b@13 ~8b@12", "7b", 11, false);
    }
    void canLayAt()
    {
        QFETCH(QString, table);
        QFETCH(QString, card);
        QFETCH(int, cell);
        QFETCH(bool, accepted);
        QCOMPARE(game::canLayAt(parseTable(table), parseCard(card), cell), accepted);
    }

    void playable_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<bool>("playable");
        const auto row = [](const char* name, const char* table, const char* hand, bool playable) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(hand)
                                << playable;
        };
        row("empty table without the nine of diamonds", "", "8b Ac 9c", false);
        row("nine of diamonds in the last slot", "", "8c . . . . . . . . . . 9b", true);
        row("nine of diamonds already played", "", "~9b 8c", false);
        row("nine once 13 is down", "9b@13", "9c", true);
        row("fourth nine", "9b@13 9c@4 9k@22", "9p", true);
        row("next lower after a misfit", "9b@13", "Jc 8b", true);
        row("next higher", "9b@13", "10b", true);
        row("two ranks away or another suit", "9b@13", "Jb 8c 7b", false);
        row("played cards left behind", "9b@13", "~8b Jc ~10b", false);
        row("empty hand", "9b@13", "", false);
    }
    void playable()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        QFETCH(bool, playable);
        const Table down = parseTable(table);
        const Hand held = parseHand(hand);
        QCOMPARE(hasPlayableCard(held, down), playable);
        // The quick test agrees with trying every cell.
        for (const Card& card : held)
            QCOMPARE(isPlayable(down, card), hasSomeCell(down, card));
    }
};

QTEST_GUILESS_MAIN(TestGame)
#include "test_game.moc"
