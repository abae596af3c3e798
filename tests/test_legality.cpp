#include "core_fixtures.h"
#include "game/legality.h"

#include <QTest>

using namespace game;
using namespace fixtures;

namespace
{

bool HasSomeCell(const Table& table, const Card& card)
{
    for (int cell = 1; cell <= TableCells; ++cell)
        if (CanLayAt(table, card, cell))
            return true;
    return false;
}

} // namespace

class TestLegality : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void cellsOffTheTableAreOccupied()
    {
        const Table empty;
        for (int cell : {-1, 0, TableCells + 1, 255})
            QVERIFY(!CellIsEmpty(empty, cell));
        for (int cell : {1, TableCells})
            QVERIFY(CellIsEmpty(empty, cell));
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
        QCOMPARE(CanLayAt(ParseTable(table), ParseCard(card), cell), accepted);
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
        const Table down = ParseTable(table);
        const Hand held = ParseHand(hand);
        QCOMPARE(GamerHasLegalCard(held, down), playable);
        // The quick test agrees with trying every cell.
        for (const Card& card : held)
            QCOMPARE(CardIsPlayable(down, card), HasSomeCell(down, card));
    }
};

QTEST_GUILESS_MAIN(TestLegality)
#include "test_legality.moc"
