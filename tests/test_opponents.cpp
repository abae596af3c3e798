// The computers' choice of card, and whole games played with no window.
#include "card_text.h"
#include "game/legality.h"
#include "opponents/choice.h"

#include <QTest>
#include <functional>
#include <limits>
#include <random>

using namespace game;
using namespace cardtext;
using opponents::Level;

namespace
{

constexpr int Games = 200;
constexpr int MaxMoves = 1000;     // far more than any game takes
constexpr int BreakOffEvery = 8;   // every so many games a new one is dealt mid-game
constexpr int LatestBreakOff = 60; // moves
constexpr std::uint32_t DealSeed = 7;
constexpr std::uint32_t HumanSeed = 11;
constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();

std::vector<Move> legalDrops(const Hand& hand, const Table& table)
{
    std::vector<Move> drops;
    for (int slot = 1; slot <= HandSlots; ++slot)
        for (int cell = 1; cell <= TableCells; ++cell)
            if (canLayAt(table, hand[slot], cell))
                drops.push_back({slot, cell});
    return drops;
}

// The tally once `finishers` have emptied their hands in that order: 2 points, a first place
// and a game to the first, 1 point to the second; a counter that is full stays full.
Tally credited(Tally tally, const std::vector<Player>& finishers)
{
    const auto add = [](std::int32_t& counter, std::int64_t amount) {
        counter = static_cast<std::int32_t>(std::min<std::int64_t>(counter + amount, Largest));
    };
    std::int32_t* points[] = {&tally.humanPoints, &tally.johnPoints, &tally.harryPoints};
    std::int32_t* firsts[] = {&tally.humanFirstPlaces, &tally.johnFirstPlaces,
                              &tally.harryFirstPlaces};
    if (!finishers.empty()) {
        add(*points[indexOf(finishers[0])], 2);
        add(*firsts[indexOf(finishers[0])], 1);
        add(tally.gamesPlayed, 1);
    }
    if (finishers.size() > 1)
        add(*points[indexOf(finishers[1])], 1);
    return tally;
}

// The computers' rules as first written: each rule scans its pairs of a hand slot s (outer)
// and a table cell c (inner) for the first that it takes, or for rule 4 the pairs of an ace's
// slot s and the slot c of the nine of its suit. The choice must always come to the same move.
std::optional<Move> plainScan(const Hand& hand, const Table& table, Level level)
{
    constexpr int AceNineCells[] = {4, 22, 31};
    const bool high = level == Level::High;
    const auto holds = [&](const Card& h, int step) {
        return std::any_of(hand.begin(), hand.end(),
                           [&](const Card& card) { return card.is(h.suit, Rank(h.rank + step)); });
    };
    const auto take = [&](int rule, int s, int c) -> std::optional<Move> {
        const Card& h = hand[s];
        const Card& t = table[c];
        const auto into = [&](bool applies, int cell) {
            return applies && cellIsEmpty(table, cell) ? std::optional(Move{s, cell})
                                                       : std::nullopt;
        };
        const int step = h.suit == t.suit ? h.rank - t.rank : 0; // 1: h follows t up, -1: down
        const bool pair = h.present() && t.present();
        const bool nines = pair && h.rank == Nine && t.rank == Nine;
        switch (rule) {
        case 1:
            return h.is(Diamonds, Nine) ? std::optional(Move{s, DiamondNineCell}) : std::nullopt;
        case 2:
            return into(high && pair && step == -1 && (t.rank == Seven || holds(h, -1)), c - 1);
        case 3:
            return into(high && pair && step == 1 && (t.rank == King || holds(h, 1)), c + 1);
        case 4:
            for (int cell : AceNineCells)
                if (high && c <= HandSlots && h.is(h.suit, Ace) && hand[c].is(h.suit, Nine) &&
                    !cellIsEmpty(table, DiamondNineCell) && cellIsEmpty(table, cell))
                    return Move{c, cell};
            return std::nullopt;
        case 5:
            return into(pair && step == -1, c - 1);
        case 6:
            return into(pair && step == 1, c + 1);
        case 7:
            return into(nines, c + TableColumns);
        default:
            return into(nines, c - TableColumns);
        }
    };
    for (int rule = 1; rule <= 8; ++rule)
        for (int s = 1; s <= HandSlots; ++s)
            for (int c = 1; c <= TableCells; ++c)
                if (const auto move = take(rule, s, c))
                    return move;
    return std::nullopt;
}

// Plays the game on for up to `moves` moves, the human laying a random card that fits, and
// checks every move: the mover's choice at both levels is the plain scan's; a card goes only
// where it fits and a player passes only when none does; the turn goes John, Harry, then the
// human while the human holds cards; the tally follows the order in which hands run out.
void playOn(Game& game, Level level, std::mt19937& random, int moves)
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
            if (const auto chosen = opponents::chooseCard(hand, table, both);
                chosen != plainScan(hand, table, both))
                QFAIL(
                    qPrintable(QStringLiteral("hand %1, table %2: %3, not %4")
                                   .arg(presentNames(hand), presentNames(table, true),
                                        describe(chosen), describe(plainScan(hand, table, both)))));
        const std::vector<Move> drops = legalDrops(hand, table);
        QCOMPARE(hasPlayableCard(hand, table), !drops.empty());
        std::optional<Move> laid;
        if (mover == Player::Human) {
            QCOMPARE(game.pass(), drops.empty());
            if (!drops.empty()) {
                laid =
                    drops[std::uniform_int_distribution<std::size_t>(0, drops.size() - 1)(random)];
                QVERIFY(game.layHumanCard(laid->slot, laid->cell));
            }
        } else {
            // While the computers move the human can neither drop nor pass.
            for (const Move& drop : legalDrops(game.hand(Player::Human), table))
                QVERIFY(!game.acceptsDrop(drop.slot, drop.cell));
            QVERIFY(!game.pass());
            if (const std::optional<LaidCard> card = opponents::playTick(game, level))
                laid = Move{card->slot, card->cell};
            QCOMPARE(laid.has_value(), !drops.empty());
        }
        // The card moves from its slot into its cell.
        QVERIFY(!laid || (canLayAt(table, hand[laid->slot], laid->cell) &&
                          game.table()[laid->cell].face == hand[laid->slot].face &&
                          !game.hand(mover)[laid->slot].present()));
        if (hasCards(hand) && !hasCards(game.hand(mover)))
            finishers.push_back(mover);
        QVERIFY(game.tally() == credited(start, finishers));
        const bool humanHolds = hasCards(game.hand(Player::Human));
        expected = mover == Player::John                  ? Player::Harry
                   : mover == Player::Harry && humanHolds ? Player::Human
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
    void choose_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("low");
        QTest::addColumn<QString>("high");
        const auto row = [](const char* name, const char* table, const char* hand, const char* low,
                            const char* high) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(hand)
                                << QString::fromLatin1(low) << QString::fromLatin1(high);
        };
        const char* spadeRow = "9b@13 9p@22";
        row("nothing down, no nine of diamonds", "", "8b Ac 9c", "pass", "pass");
        row("nine of diamonds opens", "", "Ac 6b 9b", "3:13", "3:13");
        row("played nine of diamonds", "", "~9b", "pass", "pass");
        row("eight held back for a ten it can follow", spadeRow, "8p 10b Jb", "1:21", "2:14");
        row("nine of a held ace", "9b@13", "10c Ak 9k 8b", "4:12", "3:4");
        row("nine of a held ace when 4 is taken", "9b@13 9c@4", "8b Ak 9k", "1:12", "3:22");
        row("first nine goes below 13", "9b@13", "9c", "1:22", "1:22");
        row("second nine goes below 22", "9b@13 9c@22", "9k", "1:31", "1:31");
        row("third nine goes above 13", "9b@13 9c@22 9k@31", "9p", "1:4", "1:4");
        row("lower slot wins within a rule", "9b@13 9c@22", "8c 8b", "1:21", "1:21");
        row("earlier rule wins over a lower slot", "9b@13", "10b . . . . . . . 8b", "9:12", "9:12");
        row("six ends its row", "9b@13 8b@12 7b@11 9p@22", "8p 6b", "1:21", "2:10");
        row("ace ends its row", "9b@13 10b@14 Jb@15 Qb@16 Kb@17 9p@22", "8p Ab", "1:21", "2:18");
        row("following down before following up", spadeRow, "10p Jp 8b 7b", "3:12", "3:12");
        row("seven without its six still goes", "9b@13 8b@12", "7b", "1:11", "1:11");
        row("played slot is skipped", "9b@13", "~8b 10b", "2:14", "2:14");
    }
    void choose()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        for (const auto& [level, column] : {std::pair{Level::Low, "low"}, {Level::High, "high"}})
            QTEST(describe(opponents::chooseCard(parse<Hand>(hand), parse<Table>(table), level)),
                  column);
    }

    // Many whole games at both levels, a game broken off now and then for a new one; the last
    // starts from a tally whose counters are full and must stay so.
    void wholeGamesKeepTheRules()
    {
        std::mt19937 random(HumanSeed);
        Game game(blankDeck(), DealSeed);
        for (int round = 0; round < Games && !QTest::currentTestFailed(); ++round) {
            const Level level = round % 2 == 0 ? Level::Low : Level::High;
            game.newGame();
            if (round % BreakOffEvery == 0) {
                playOn(game, level, random,
                       std::uniform_int_distribution(1, LatestBreakOff)(random));
                // Whatever was credited stays; the next game starts on an empty table.
                const Tally broken = game.tally();
                game.newGame();
                QVERIFY(game.tally() == broken && presentNames(game.table()).isEmpty());
            }
            if (round == Games - 1)
                game.setTally({Largest, Largest, Largest, Largest, Largest, Largest, Largest});
            playOn(game, level, random, MaxMoves);
            QVERIFY(game.isOver() && !game.computersMoving() && !game.pass());
            QVERIFY(!opponents::playTick(game, level));
        }
    }
};

QTEST_GUILESS_MAIN(TestOpponents)
#include "test_opponents.moc"
