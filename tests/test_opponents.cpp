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

Q_DECLARE_METATYPE(game::Player)

namespace
{

constexpr int MaxMoves = 1000; // far more than any game takes
constexpr int GamesPerLevel = 200;
constexpr int BreakOffEvery = 8;   // every so many games a new one is dealt mid-game
constexpr int LatestBreakOff = 60; // moves
constexpr std::uint32_t DealSeed = 7;
constexpr std::uint32_t HumanSeed = 11;
constexpr int ComparedGames = 100;

using HumanPolicy = std::function<std::size_t(std::size_t choices)>;

// "h" the human, "J" John, "H" Harry.
QString tag(Player player)
{
    return QString(QLatin1Char("hJH"[indexOf(player)]));
}

// A choice as "slot:cell", or "pass".
QString describe(const std::optional<Move>& move)
{
    return move ? QStringLiteral("%1:%2").arg(move->slot).arg(move->cell) : QStringLiteral("pass");
}

// The cards down as "card@cell", as the tables of the tests are written.
QString tableText(const Table& table)
{
    QStringList cards;
    for (int cell = 1; cell <= TableCells; ++cell)
        if (table[cell].present())
            cards << cardName(table[cell]) + u'@' + QString::number(cell);
    return cards.join(u' ');
}

std::vector<Move> legalDrops(const Game& game)
{
    std::vector<Move> drops;
    for (int slot = 1; slot <= HandSlots; ++slot)
        for (int cell = 1; cell <= TableCells; ++cell)
            if (canLayAt(game.table(), game.hand(Player::Human)[slot], cell))
                drops.push_back({slot, cell});
    return drops;
}

// Each row holds one suit, diamonds in the row of the nine of diamonds, every card in its
// rank's column, in one unbroken run of columns through the nines' column.
QString tableFault(const Table& table)
{
    for (int row = 1; row <= TableRows; ++row) {
        int first = 0, last = 0, count = 0;
        Suit suit = row == rowOf(DiamondNineCell) ? Diamonds : 0;
        for (int column = 1; column <= TableColumns; ++column) {
            const Card& card = table[cellAt(row, column)];
            if (!card.present())
                continue;
            suit = suit ? suit : card.suit;
            first = first ? first : column;
            last = column;
            ++count;
            if (card.suit != suit || card.rank != rankOfColumn(column))
                return QStringLiteral("stray %1 in row %2").arg(cardName(card)).arg(row);
        }
        if (count != 0 && (last - first + 1 != count || first > NineColumn || last < NineColumn))
            return QStringLiteral("row %1 is broken").arg(row);
    }
    return {};
}

QStringList allCards(const Game& game)
{
    QStringList names = presentNames(game.table());
    for (Player player : Players)
        names += presentNames(game.hand(player));
    names.sort();
    return names;
}

// What the tally should have gained from the players who emptied their hands, in the order
// they did: 2 points and a first place to the first (and a game counted), 1 point to the second.
Tally credited(Tally tally, const std::vector<Player>& finishers)
{
    const auto add = [&tally](Player player, std::int32_t points, std::int32_t firstPlaces) {
        std::int32_t* counters[][2] = {{&tally.humanPoints, &tally.humanFirstPlaces},
                                       {&tally.johnPoints, &tally.johnFirstPlaces},
                                       {&tally.harryPoints, &tally.harryFirstPlaces}};
        *counters[indexOf(player)][0] += points;
        *counters[indexOf(player)][1] += firstPlaces;
    };
    if (!finishers.empty()) {
        add(finishers[0], 2, 1);
        tally.gamesPlayed += 1;
    }
    if (finishers.size() > 1)
        add(finishers[1], 1, 0);
    return tally;
}

// Plays a dealt game on, the human picking among its legal drops by `pick`, and checks the
// rules after every move: legal cards only, the turn order, the table's rows, every card
// once, and the tally against the order in which the hands ran out.
class Referee
{
public:
    Referee(Game& game, Level level, HumanPolicy pick)
        : game_(game), level_(level), pick_(std::move(pick)), deck_(allCards(game)),
          start_(game.tally())
    {
    }

    void play(int moves)
    {
        for (int move = 0; move < moves && !game_.isOver(); ++move) {
            std::array<bool, PlayerCount> holding{};
            for (Player player : Players)
                holding[indexOf(player)] = hasCards(game_.hand(player));
            if (game_.computersMoving())
                computerTick();
            else
                humanTurn();
            if (QTest::currentTestFailed())
                return;
            for (Player player : Players)
                if (holding[indexOf(player)] && !hasCards(game_.hand(player)))
                    finishers_.push_back(player);
            const QString fault = tableFault(game_.table());
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QCOMPARE(allCards(game_), deck_);
            QVERIFY(credited(start_, finishers_) == game_.tally());
            // The phase follows the turn, and the last card of the game ends it.
            QCOMPARE(game_.computersMoving(), !game_.isOver() && expected_ != Player::Human);
        }
    }

private:
    void computerTick()
    {
        const Player mover = game_.nextComputer();
        QCOMPARE(tag(mover), tag(expected_));
        // While the computers move the human can neither drop nor pass.
        for (const Move& drop : legalDrops(game_))
            QVERIFY(!game_.acceptsDrop(drop.slot, drop.cell));
        QVERIFY(!game_.pass());

        const Hand hand = game_.hand(mover);
        const Table table = game_.table();
        const std::optional<LaidCard> laid = opponents::playTick(game_, level_);
        if (laid) {
            QCOMPARE(tag(laid->player), tag(mover));
            QVERIFY(canLayAt(table, hand[laid->slot], laid->cell));
            QVERIFY(!game_.hand(mover)[laid->slot].present());
        } else {
            // A computer passes only when nothing in its hand fits, at either level.
            QVERIFY(!hasPlayableCard(hand, table));
        }
        const bool humanPlays = hasCards(game_.hand(Player::Human));
        expected_ = mover == Player::John ? Player::Harry
                    : humanPlays          ? Player::Human
                                          : Player::John;
    }

    void humanTurn()
    {
        QCOMPARE(tag(Player::Human), tag(expected_));
        const std::vector<Move> drops = legalDrops(game_);
        const Hand& human = game_.hand(Player::Human);
        QCOMPARE(hasPlayableCard(human, game_.table()), !drops.empty());
        if (drops.empty()) {
            QVERIFY(game_.pass());
        } else {
            QVERIFY(!game_.pass());
            const Move drop = drops[pick_(drops.size())];
            QVERIFY(game_.layHumanCard(drop.slot, drop.cell));
            QVERIFY(!human[drop.slot].present());
        }
        expected_ = Player::John;
    }

    Game& game_;
    Level level_;
    HumanPolicy pick_;
    QStringList deck_;
    Tally start_;
    std::vector<Player> finishers_;
    Player expected_ = Player::John;
};

// The master deck dealt in its order, twelve cards a hand, with the nine of diamonds moved
// into slot 1 of the given player's hand.
Hands handsWithDiamondNineAt(const MasterDeck& master, Player holder)
{
    Hands hands;
    int index = 0;
    for (Hand& hand : hands)
        for (Card& card : hand)
            card = master.cards()[static_cast<std::size_t>(index++)];
    for (Hand& hand : hands)
        for (Card& card : hand)
            if (card.is(Diamonds, Nine))
                std::swap(card, hands[indexOf(holder)][1]);
    return hands;
}

// The computers' rules as first written, each pair rule a plain scan of every hand slot
// against every table cell; the choice must always come to the same card and cell.
std::optional<Move> plainScan(const Hand& hand, const Table& table, Level level)
{
    // A pair rule names the cell to lay into for hand card h and table card t in cell c, or 0.
    using PairRule = std::function<int(const Card& h, const Card& t, int c)>;
    const auto scan = [&](const PairRule& rule) -> std::optional<Move> {
        for (int s = 1; s <= HandSlots; ++s)
            for (int c = 1; c <= TableCells; ++c)
                if (hand[s].present() && table[c].present())
                    if (const int cell = rule(hand[s], table[c], c))
                        return Move{s, cell};
        return std::nullopt;
    };
    // Where the nine of a suit whose ace is held goes, the first empty one of these.
    constexpr int AceNineCells[] = {4, 22, 31};
    const auto ifEmpty = [&](int cell) { return cellIsEmpty(table, cell) ? cell : 0; };
    const auto holds = [&](Suit suit, int rank) {
        return std::any_of(hand.begin(), hand.end(),
                           [&](const Card& card) { return card.is(suit, Rank(rank)); });
    };
    const auto below = [](const Card& h, const Card& t) {
        return h.suit == t.suit && t.rank - h.rank == 1;
    };
    const auto above = [](const Card& h, const Card& t) {
        return h.suit == t.suit && h.rank - t.rank == 1;
    };
    const auto nines = [](const Card& h, const Card& t) {
        return h.rank == Nine && t.rank == Nine;
    };

    for (int s = 1; s <= HandSlots; ++s)
        if (hand[s].is(Diamonds, Nine))
            return Move{s, DiamondNineCell};
    if (level == Level::High) {
        const PairRule highRules[] = {
            [&](const Card& h, const Card& t, int c) {
                return below(h, t) && (t.rank == Seven || holds(h.suit, h.rank - 1))
                           ? ifEmpty(c - 1)
                           : 0;
            },
            [&](const Card& h, const Card& t, int c) {
                return above(h, t) && (t.rank == King || holds(h.suit, h.rank + 1)) ? ifEmpty(c + 1)
                                                                                    : 0;
            }};
        for (const PairRule& rule : highRules)
            if (const auto move = scan(rule))
                return move;
        for (int a = 1; a <= HandSlots && !cellIsEmpty(table, DiamondNineCell); ++a)
            for (int s = 1; s <= HandSlots; ++s)
                for (int cell : AceNineCells)
                    if (hand[a].present() && hand[a].rank == Ace &&
                        hand[s].is(hand[a].suit, Nine) && cellIsEmpty(table, cell))
                        return Move{s, cell};
    }
    const PairRule rules[] = {
        [&](const Card& h, const Card& t, int c) { return below(h, t) ? ifEmpty(c - 1) : 0; },
        [&](const Card& h, const Card& t, int c) { return above(h, t) ? ifEmpty(c + 1) : 0; },
        [&](const Card& h, const Card& t, int c) {
            return nines(h, t) ? ifEmpty(c + TableColumns) : 0;
        },
        [&](const Card& h, const Card& t, int c) {
            return nines(h, t) ? ifEmpty(c - TableColumns) : 0;
        }};
    for (const PairRule& rule : rules)
        if (const auto move = scan(rule))
            return move;
    return std::nullopt;
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
        QFETCH(QString, low);
        QFETCH(QString, high);
        const Table down = parseTable(table);
        const Hand held = parseHand(hand);
        for (const auto& [level, expected] : {std::pair{Level::Low, low}, {Level::High, high}}) {
            const std::optional<Move> move = opponents::chooseCard(held, down, level);
            QCOMPARE(describe(move), expected);
            if (move)
                QVERIFY(canLayAt(down, held[move->slot], move->cell));
        }
    }

    // Every hand at both levels, in every position of many games, against the plain scan.
    void choiceIsTheFirstPairOfThePlainScan()
    {
        std::mt19937 random(HumanSeed);
        Game game(blankDeck(), DealSeed);
        for (int round = 0; round < ComparedGames; ++round) {
            const Level playing = round % 2 == 0 ? Level::Low : Level::High;
            game.newGame();
            while (!game.isOver()) {
                for (Player player : Players) {
                    const Hand& hand = game.hand(player);
                    for (Level level : {Level::Low, Level::High}) {
                        const std::optional<Move> chosen =
                            opponents::chooseCard(hand, game.table(), level);
                        const std::optional<Move> scanned = plainScan(hand, game.table(), level);
                        if (chosen != scanned)
                            QFAIL(qPrintable(QStringLiteral("hand %1, table %2: %3, not %4")
                                                 .arg(presentNames(hand).join(u' '),
                                                      tableText(game.table()), describe(chosen),
                                                      describe(scanned))));
                    }
                }
                if (game.computersMoving()) {
                    opponents::playTick(game, playing);
                } else if (const std::vector<Move> drops = legalDrops(game); drops.empty()) {
                    QVERIFY(game.pass());
                } else {
                    const Move drop = drops[std::uniform_int_distribution<std::size_t>(
                        0, drops.size() - 1)(random)];
                    QVERIFY(game.layHumanCard(drop.slot, drop.cell));
                }
            }
        }
    }

    // The first move of every game is John's, whoever holds the nine of diamonds; those
    // before its holder pass, and Harry's tick hands the turn to the human.
    void openingTicks_data()
    {
        QTest::addColumn<Player>("holder");
        QTest::addColumn<QString>("ticks"); // what John's and Harry's first ticks lay
        QTest::newRow("John") << Player::John << "13 22";
        QTest::newRow("Harry") << Player::Harry << "- 13";
        QTest::newRow("the human") << Player::Human << "- -";
    }
    void openingTicks()
    {
        QFETCH(Player, holder);
        const auto master = blankDeck();
        Game game(master, DealSeed);
        const Hands hands = handsWithDiamondNineAt(*master, holder);
        game.newGame(hands);
        for (Player player : Players)
            QCOMPARE(presentNames(game.hand(player)), presentNames(hands[indexOf(player)]));
        QStringList ticks;
        for (Player mover : {Player::John, Player::Harry}) {
            QVERIFY(game.computersMoving());
            QCOMPARE(tag(game.nextComputer()), tag(mover));
            const std::optional<LaidCard> laid = opponents::playTick(game, Level::Low);
            ticks << (laid ? QString::number(laid->cell) : QStringLiteral("-"));
        }
        QTEST(ticks.join(u' '), "ticks");
        QVERIFY(!game.computersMoving());
        QVERIFY(!game.pass() || holder != Player::Human);
    }

    // Many whole games, both levels, against a human laying any card that fits, with a game
    // broken off now and then.
    void wholeGamesKeepTheRules()
    {
        std::mt19937 random(HumanSeed);
        const HumanPolicy pick = [&random](std::size_t choices) {
            return std::uniform_int_distribution<std::size_t>(0, choices - 1)(random);
        };
        Game game(blankDeck(), DealSeed);
        for (Level level : {Level::Low, Level::High}) {
            for (int round = 0; round < GamesPerLevel; ++round) {
                game.newGame();
                if (round % BreakOffEvery == 0) {
                    Referee(game, level, pick)
                        .play(std::uniform_int_distribution(1, LatestBreakOff)(random));
                    if (QTest::currentTestFailed())
                        return;
                    // Whatever was credited stays; the next game starts on an empty table.
                    const Tally broken = game.tally();
                    game.newGame();
                    QVERIFY(game.tally() == broken);
                    QVERIFY(presentNames(game.table()).isEmpty());
                }
                Referee(game, level, pick).play(MaxMoves);
                if (QTest::currentTestFailed())
                    return;
                QVERIFY(game.isOver());
                QVERIFY(!game.computersMoving());
                QVERIFY(!game.pass());
                QVERIFY(!opponents::playTick(game, level));
            }
        }
    }

    // A tally that has reached the largest number a counter holds stays there.
    void fullCountersStayFull()
    {
        constexpr std::int32_t Largest = std::numeric_limits<std::int32_t>::max();
        const Tally full{Largest, Largest, Largest, Largest, Largest, Largest, Largest};
        Game game(blankDeck(), DealSeed);
        game.setTally(full);
        game.newGame();
        for (int move = 0; move < MaxMoves && !game.isOver(); ++move)
            if (game.computersMoving())
                opponents::playTick(game, Level::High);
            else if (const std::optional<Move> drop =
                         opponents::chooseCard(game.hand(Player::Human), game.table(), Level::Low))
                game.layHumanCard(drop->slot, drop->cell);
            else
                game.pass();
        QVERIFY(game.isOver());
        QVERIFY(game.tally() == full);
    }
};

QTEST_GUILESS_MAIN(TestOpponents)
#include "test_opponents.moc"
