// SPDX-License-Identifier: GPL-3.0-or-later
// Positions: where each card of a hand may go, and what a computer and the simulator's human
// policies lay there; and whole games played with no window.
#include "card_text.h"
#include "game/legality.h"
#include "opponents/choice.h"
#include "tools/sim/simulator.h"

#include <QTest>
#include <limits>

using namespace game;
using namespace cardtext;
using opponents::Level;
using sim::HumanPolicy;

namespace
{

constexpr int Games = 200;
constexpr int MaxMoves = 1000;     // far more than any game takes
constexpr int BreakOffEvery = 8;   // every so many games a new one is dealt mid-game
constexpr int LatestBreakOff = 60; // moves into it
constexpr std::uint32_t DealSeed = 7;
constexpr std::uint32_t HumanSeed = 11;
constexpr int PolicyDraws = 300; // enough for the random policy to show every move
constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();

// The tally once `finishers` have emptied their hands in that order: 2 points, a first place
// and a game to the first, 1 point to the second; a counter that is full stays full.
Tally credited(Tally tally, const std::vector<Player>& finishers)
{
    std::int32_t* counters[][2] = {{&tally.humanPoints, &tally.humanFirstPlaces},
                                   {&tally.johnPoints, &tally.johnFirstPlaces},
                                   {&tally.harryPoints, &tally.harryFirstPlaces}};
    const auto add = [](std::int32_t* counter, std::int64_t amount) {
        *counter = static_cast<std::int32_t>(std::min<std::int64_t>(*counter + amount, Largest));
    };
    for (std::size_t place = 0; place < std::min<std::size_t>(finishers.size(), 2); ++place) {
        add(counters[indexOf(finishers[place])][0], place == 0 ? 2 : 1);
        add(counters[indexOf(finishers[place])][1], place == 0 ? 1 : 0);
        add(&tally.gamesPlayed, place == 0 ? 1 : 0);
    }
    return tally;
}

// The computers' rules as first written: each rule scans its pairs of a hand slot s (outer)
// and a table cell c (inner) for the first that it takes, or for rule 4 the pairs of an ace's
// slot s and the slot c of the nine of its suit. The choice must always come to the same move.
std::optional<Move> plainScan(const Hand& hand, const Table& table, Level level)
{
    constexpr int AceNineCells[] = {4, 22, 31};
    const bool high = level == Level::High;
    // Ranks as plain numbers, 6 to 14, and "no card" as rank 0.
    const auto rank = [](const Slot& card) { return card ? static_cast<int>(card->rank) : 0; };
    const auto is = [&](const Slot& card, Suit suit, int number) {
        return card && card->suit == suit && rank(card) == number;
    };
    const auto holds = [&](const Slot& h, int step) {
        return std::any_of(hand.begin(), hand.end(),
                           [&](const Slot& card) { return is(card, h->suit, rank(h) + step); });
    };
    constexpr int Seven = 7, Nine = 9, King = 13, Ace = 14;
    for (int rule = 1; rule <= 8; ++rule)
        for (int s = 1; s <= HandSlots; ++s)
            for (int c = 1; c <= TableCells; ++c) {
                const Slot& h = hand[s];
                const Slot& t = table[c];
                if (rule == 1 && is(h, Suit::Diamonds, Nine))
                    return Move{s, DiamondNineCell};
                if (rule == 4) {
                    for (int cell : AceNineCells)
                        if (high && c <= HandSlots && h && is(h, h->suit, Ace) &&
                            is(hand[c], h->suit, Nine) && !cellIsEmpty(table, DiamondNineCell) &&
                            cellIsEmpty(table, cell))
                            return Move{c, cell};
                    continue;
                }
                if (rule == 1 || !h || !t)
                    continue;
                // 1 when h is the next card up from t in its suit, -1 the next down.
                const int step = h->suit == t->suit ? rank(h) - rank(t) : 0;
                const bool nines = rank(h) == Nine && rank(t) == Nine;
                // Rules 2, 3 and 5 to 8: whether h goes next to t, and into which cell.
                const std::pair<bool, int> rules[] = {
                    {high && step == -1 && (rank(t) == Seven || holds(h, -1)), c - 1},
                    {high && step == 1 && (rank(t) == King || holds(h, 1)), c + 1},
                    {step == -1, c - 1},
                    {step == 1, c + 1},
                    {nines, c + TableColumns},
                    {nines, c - TableColumns}};
                if (const auto [fits, cell] = rules[rule < 4 ? rule - 2 : rule - 3];
                    fits && cellIsEmpty(table, cell))
                    return Move{s, cell};
            }
    return std::nullopt;
}

// Plays the game on for up to `moves` moves, the human's seat by `human`, and checks every
// move: the mover's choice at both levels is the plain scan's; a card goes only where it fits
// and a player passes only when none does; the turn goes John, Harry, then the human while
// the human holds cards; the tally follows the order in which the hands run out.
void playOn(Game& game, Level level, HumanPolicy& human, int moves)
{
    const Tally start = game.tally();
    std::vector<Player> finishers;
    Player expected = Player::John;
    for (int move = 0; move < moves && !game.isOver(); ++move) {
        const Player mover = game.computersMoving() ? game.nextComputer() : Player::Human;
        QCOMPARE(mover, expected);
        const Hand hand = game.hand(mover);
        const Table table = game.table();
        for (Level both : {Level::Low, Level::High})
            if (opponents::chooseCard(hand, table, both) != plainScan(hand, table, both))
                QFAIL(qPrintable(QStringLiteral("hand %1, table %2")
                                     .arg(presentNames(hand), presentNames(table, true))));
        std::optional<Move> laid;
        if (mover != Player::Human) {
            // While the computers move the human can neither drop a card that fits nor pass.
            const auto drop =
                HumanPolicy(HumanPolicy::Kind::First, 0).choose(game.hand(Player::Human), table);
            QVERIFY(!game.pass() && !(drop && game.acceptsDrop(drop->slot, drop->cell)));
            if (const std::optional<LaidCard> card = opponents::playTick(game, level))
                laid = Move{card->slot, card->cell};
        } else if ((laid = human.choose(hand, table))) {
            QVERIFY(!game.pass() && game.layHumanCard(laid->slot, laid->cell));
        } else {
            QVERIFY(game.pass());
        }
        // A player passes only when nothing fits, and a card leaves its slot for a cell that
        // takes it.
        QCOMPARE(laid.has_value(), hasPlayableCard(hand, table));
        QVERIFY(!laid ||
                (hand[laid->slot] && canLayAt(table, *hand[laid->slot], laid->cell) &&
                 game.table()[laid->cell] == hand[laid->slot] && !game.hand(mover)[laid->slot]));
        if (hasCards(hand) && !hasCards(game.hand(mover)))
            finishers.push_back(mover);
        QVERIFY(game.tally() == credited(start, finishers));
        expected = mover == Player::John                                          ? Player::Harry
                   : mover == Player::Harry && hasCards(game.hand(Player::Human)) ? Player::Human
                                                                                  : Player::John;
        // The computers move until the human's turn comes, or the last card is down.
        QCOMPARE(game.computersMoving(), !game.isOver() && expected != Player::Human);
    }
}

} // namespace

class TestOpponents : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // For a table and a hand, every cell that takes each card of the hand ("-": none), and the
    // move a computer holding the hand makes at the low and at the high level.
    void positions_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("cells");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        const auto row = [](const char* table, const char* hand, const char* cells, const char* low,
                            const char* high) {
            QTest::addRow("%s / %s", table, hand) << table << hand << cells << low << high;
        };
        // Only the nine of diamonds opens the table; then the other nines hang from it.
        row("", "8b Ac 9c", "-, -, -", "pass", "pass");
        row("", "8c 9c . 9b", "-, -, -, 13", "4:13", "4:13");
        row("", ". 8c", "-, -", "pass", "pass");
        row("9b@13", "9c", "4 22", "1:22", "1:22");
        row("9b@13 9c@22 9k@31", "9p", "4", "1:4", "1:4");
        row("9b@13 9c@4 9k@22", "9p", "31", "1:31", "1:31");
        // Every other card goes beside the card of its suit one rank nearer to nine.
        row("9b@13", "9c 8b 10b Jb 8c 7b", "4 22, 12, 14, -, -, -", "2:12", "2:12");
        row("9b@13 10b@14", "7b 6b Qb", "-, -, -", "pass", "pass");
        row("9b@13 8b@12", "7b", "11", "1:11", "1:11");
        // The high level first ends a row, or lays a card it can follow with its own next one,
        row("9b@13 8b@12 7b@11 9p@22", "8p 6b", "21, 10", "1:21", "2:10");
        row("9b@13 10b@14 Jb@15 Qb@16 Kb@17 9p@22", "8p Ab", "21, 18", "1:21", "2:18");
        row("9b@13 9p@22", "8p 10b Jb", "21, 14, -", "1:21", "2:14");
        row("9b@13 9p@22", "10p Jp 8b 7b", "23, -, 12, -", "3:12", "3:12");
        // then opens the row of a suit whose ace it holds, in 4, else 22, else 31.
        row("9b@13", "10c Ak 9k 8b", "-, -, 4 22, 12", "4:12", "3:4");
        row("9b@13 9c@4", "8b Ak 9k", "12, -, 22", "1:12", "3:22");
        // Within a rule the lower slot wins; an earlier rule wins over any slot.
        row("9b@13 9p@22", "8p 8b 10c", "21, 12, -", "1:21", "1:21");
        row("9b@13", "10b . . . . . . . 8b", "14, -, -, -, -, -, -, -, 12", "9:12", "9:12");
    }
    void positions()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        const Table down = parse<Table>(table);
        const Hand held = parse<Hand>(hand);
        QStringList found, moves;
        for (int slot = 1; slot <= hand.count(u' ') + 1; ++slot) {
            QStringList cells;
            for (int cell = 1; cell <= TableCells; ++cell)
                if (held[slot] && canLayAt(down, *held[slot], cell))
                    cells << QString::number(cell);
            QCOMPARE(held[slot] && isPlayable(down, *held[slot]), !cells.isEmpty());
            found << (cells.isEmpty() ? QStringLiteral("-") : cells.join(u' '));
            for (const QString& cell : cells)
                moves << QStringLiteral("%1:%2").arg(slot).arg(cell);
        }
        QTEST(found.join(QStringLiteral(", ")), "cells");
        QCOMPARE(hasPlayableCard(held, down), !moves.isEmpty());
        QVERIFY(!cellIsEmpty(down, 0) && !cellIsEmpty(down, TableCells + 1));
        QTEST(describe(opponents::chooseCard(held, down, Level::Low)), "low");
        QTEST(describe(opponents::chooseCard(held, down, Level::High)), "high");
        // The simulator's human: the first policy makes the first of these moves, by slot and
        // then by cell, and the random one makes each of them.
        QCOMPARE(describe(HumanPolicy(HumanPolicy::Kind::First, 1).choose(held, down)),
                 moves.value(0, QStringLiteral("pass")));
        HumanPolicy random(HumanPolicy::Kind::Random, 1);
        QStringList made;
        for (int draw = 0; draw < PolicyDraws; ++draw)
            made << describe(random.choose(held, down));
        made.removeDuplicates();
        made.sort();
        moves.sort();
        QCOMPARE(made, moves.isEmpty() ? QStringList{QStringLiteral("pass")} : moves);
    }

    // Many whole games at both levels, a game broken off now and then for a new one; the last
    // starts from a tally whose counters are full and must stay so.
    void wholeGamesKeepTheRules()
    {
        HumanPolicy human(HumanPolicy::Kind::Random, HumanSeed);
        Game game(DealSeed);
        for (int round = 0; round < Games && !QTest::currentTestFailed(); ++round) {
            const Level level = round % 2 == 0 ? Level::Low : Level::High;
            game.newGame();
            if (round % BreakOffEvery == 0) {
                playOn(game, level, human, round % LatestBreakOff + 1);
                // Whatever was credited stays; the next game starts on an empty table.
                const Tally broken = game.tally();
                game.newGame();
                QVERIFY(game.tally() == broken && presentNames(game.table()).isEmpty());
            }
            if (round == Games - 1)
                game.setTally({Largest, Largest, Largest, Largest, Largest, Largest, Largest});
            playOn(game, level, human, MaxMoves);
            QVERIFY(game.isOver() && !game.computersMoving() && !game.pass() &&
                    !opponents::playTick(game, level));
        }
    }
};

QTEST_GUILESS_MAIN(TestOpponents)
#include "test_opponents.moc"
