#include "core_fixtures.h"
#include "game/game.h"
#include "game/legality.h"
#include "opponents/turn_driver.h"

#include <QTest>
#include <functional>
#include <random>

using namespace game;
using namespace fixtures;
using opponents::Level;

Q_DECLARE_METATYPE(game::Counters)

namespace game
{
char* toString(const Counters& c)
{
    return qstrdup(
        qPrintable(QString::asprintf("Gr %d Jn %d Hy %d, first places %d/%d/%d, matches %d", c.Gr,
                                     c.Jn, c.Hy, c.VictOfGr, c.VictOfJn, c.VictOfHy, c.Matches)));
}
} // namespace game

namespace
{

constexpr int MaxMoves = 1000; // far more than any game takes
constexpr int GamesPerLevel = 200;
constexpr int BreakOffEvery = 8;   // every so many games a new one is dealt mid-game
constexpr int LatestBreakOff = 60; // moves
constexpr std::uint32_t DealSeed = 7;
constexpr std::uint32_t HumanSeed = 11;

using Drop = std::pair<int, int>; // hand slot, table cell
using HumanPolicy = std::function<std::size_t(std::size_t choices)>;

// "h" the human, "J" John, "H" Harry.
QString Tag(Player player)
{
    return QString(QLatin1Char("hJH"[static_cast<int>(player)]));
}

std::vector<Drop> LegalDrops(const Game& game)
{
    std::vector<Drop> drops;
    for (int slot = 1; slot <= HandSlots; ++slot)
        for (int cell = 1; cell <= TableCells; ++cell)
            if (CanLayAt(game.TableList, game.GamerHand[slot], cell))
                drops.emplace_back(slot, cell);
    return drops;
}

// Each row holds one suit, diamonds in the row of the nine of diamonds, every card in its
// rank's column, in one unbroken run of columns through the nines' column.
QString TableFault(const Table& table)
{
    for (int row = 1; row <= TableRows; ++row) {
        int first = 0, last = 0, count = 0;
        TSuit suit = row == RowOf(DiamondNineCell) ? Diamonds : 0;
        for (int column = 1; column <= TableColumns; ++column) {
            const Card& card = table[CellAt(row, column)];
            if (!card.present())
                continue;
            suit = suit ? suit : card.Suit;
            first = first ? first : column;
            last = column;
            ++count;
            if (card.Suit != suit || card.Rank != RankOfColumn(column))
                return QStringLiteral("stray %1 in row %2").arg(CardName(card)).arg(row);
        }
        if (count != 0 && (last - first + 1 != count || first > NineColumn || last < NineColumn))
            return QStringLiteral("row %1 is broken").arg(row);
    }
    return {};
}

QStringList AllCards(const Game& game)
{
    QStringList names = PresentNames(game.TableList) + CardsInHands(game);
    names.sort();
    return names;
}

// Plays a dealt game on, the human picking among its legal drops by `pick`, and checks the
// rules after every move. `log` tells the moves: "J:6c" John laid the six of hearts, "h-"
// the human passed.
class Referee
{
public:
    Referee(Game& game, Level level, HumanPolicy pick)
        : game_(game), level_(level), pick_(std::move(pick)), deck_(AllCards(game))
    {
    }

    void play(int moves)
    {
        for (int move = 0; move < moves && !game_.Over(); ++move) {
            if (game_.ComputersMoving())
                computerTick();
            else
                humanTurn();
            if (QTest::currentTestFailed())
                return;
            const QString fault = TableFault(game_.TableList);
            QVERIFY2(fault.isEmpty(), qPrintable(fault));
            QCOMPARE(AllCards(game_), deck_);
            QVERIFY(!game_.Over() || !game_.ComputersMoving());
        }
    }

    QStringList log;

private:
    void computerTick()
    {
        const Player mover = game_.NextMover ? Player::John : Player::Harry;
        QCOMPARE(Tag(mover), Tag(expected_));
        // While the computers move the human can neither drop nor pass.
        for (const auto& [slot, cell] : LegalDrops(game_))
            QVERIFY(!game_.AcceptsDrop(slot, cell));
        QVERIFY(!game_.HumanPass());

        const Hand hand = game_.HandOf(mover);
        const Table table = game_.TableList;
        const std::optional<opponents::Laid> laid = opponents::Timer1Timer(game_, level_);
        if (laid) {
            QCOMPARE(Tag(laid->player), Tag(mover));
            QVERIFY(CanLayAt(table, hand[laid->slot], laid->cell));
            log << Tag(mover) + u':' + CardName(hand[laid->slot]);
        } else {
            // A computer passes only when nothing in its hand fits, at either level.
            for (const Card& card : hand)
                QVERIFY(!CardIsPlayable(table, card));
            log << Tag(mover) + u'-';
        }
        const bool humanPlays = HandHasCards(game_.GamerHand);
        expected_ = mover == Player::John ? Player::Harry
                    : humanPlays          ? Player::Human
                                          : Player::John;
    }

    void humanTurn()
    {
        QCOMPARE(Tag(Player::Human), Tag(expected_));
        const std::vector<Drop> drops = LegalDrops(game_);
        QCOMPARE(GamerHasLegalCard(game_.GamerHand, game_.TableList), !drops.empty());
        if (drops.empty()) {
            QVERIFY(game_.HumanPass());
            log << QStringLiteral("h-");
        } else {
            QVERIFY(!game_.HumanPass());
            const auto [slot, cell] = drops[pick_(drops.size())];
            QVERIFY(game_.AcceptsDrop(slot, cell));
            log << QStringLiteral("h:") + CardName(game_.GamerHand[slot]);
            game_.HumanDrop(slot, cell);
        }
        QCOMPARE(game_.ComputersMoving(), !game_.Over());
        expected_ = Player::John;
    }

    Game& game_;
    Level level_;
    HumanPolicy pick_;
    QStringList deck_;
    Player expected_ = Player::John;
};

} // namespace

class TestPlay : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Endings played out from a table that holds every card not in a hand, each suit in its
    // own row: hearts, diamonds, clubs, spades.
    void finishingOrder_data()
    {
        QTest::addColumn<QString>("hands"); // the human's | John's | Harry's
        QTest::addColumn<QString>("moves");
        QTest::addColumn<Counters>("tally");
        QTest::newRow("human first, then the computers alone")
            << QStringLiteral("6b | 6c 6p Ac | 6k Ak")
            << QStringLiteral("J:6c H:6k h:6b J:6p H:Ak J:Ac")
            << Counters{.Gr = 2, .Hy = 1, .Matches = 1, .VictOfGr = 1};
        QTest::newRow("John first, then the human")
            << QStringLiteral("6b Ab | 6c | 6k Ak 6p")
            << QStringLiteral("J:6c H:6k h:6b J- H:6p h:Ab J- H:Ak")
            << Counters{.Gr = 1, .Jn = 2, .Matches = 1, .VictOfJn = 1};
        QTest::newRow("human lays the last card")
            << QStringLiteral("6b Ab | 6c | 6k") << QStringLiteral("J:6c H:6k h:6b J- H- h:Ab")
            << Counters{.Jn = 2, .Hy = 1, .Matches = 1, .VictOfJn = 1};
    }
    void finishingOrder()
    {
        QFETCH(QString, hands);
        QFETCH(QString, moves);
        QFETCH(Counters, tally);
        const auto master = BlankDeck();
        Game game(master, DealSeed);
        game.NewGame();
        const QStringList held = hands.split(u'|');
        game.GamerHand = ParseHand(held.value(0));
        game.JohnHand = ParseHand(held.value(1));
        game.HarryHand = ParseHand(held.value(2));
        const QStringList inHands = CardsInHands(game);
        const QString rowSuits = QStringLiteral("cbkp");
        for (const Card& card : master->cards())
            if (!inHands.contains(CardName(card)))
                game.TableList[CellAt(int(rowSuits.indexOf(QLatin1Char(card.Suit))) + 1,
                                      card.Rank - Six + 1)] = card;

        Referee referee(game, Level::Low, [](std::size_t) { return 0; });
        referee.play(MaxMoves);
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(referee.log.join(u' '), moves);
        QVERIFY(game.Over());
        QCOMPARE(game.counters, tally);
    }

    // Many whole games, both levels, against a human laying any card that fits.
    void randomGames()
    {
        const auto firstPlaces = [](const Counters& c) {
            return c.VictOfGr + c.VictOfJn + c.VictOfHy;
        };
        const auto points = [](const Counters& c) { return c.Gr + c.Jn + c.Hy; };
        std::mt19937 random(HumanSeed);
        const HumanPolicy pick = [&random](std::size_t choices) {
            return std::uniform_int_distribution<std::size_t>(0, choices - 1)(random);
        };
        Game game(BlankDeck(), DealSeed);
        for (Level level : {Level::Low, Level::High}) {
            for (int round = 0; round < GamesPerLevel; ++round) {
                game.NewGame();
                if (round % BreakOffEvery == 0) {
                    Referee(game, level, pick)
                        .play(std::uniform_int_distribution(1, LatestBreakOff)(random));
                    if (QTest::currentTestFailed())
                        return;
                    // Whatever was credited stays; the next game starts on an empty table.
                    const Counters credited = game.counters;
                    game.NewGame();
                    QCOMPARE(game.counters, credited);
                    QVERIFY(PresentNames(game.TableList).isEmpty());
                }
                const Counters before = game.counters;
                Referee(game, level, pick).play(MaxMoves);
                if (QTest::currentTestFailed())
                    return;
                QVERIFY(game.Over());
                QVERIFY(!game.HumanPass());
                QCOMPARE(game.counters.Matches, before.Matches + 1);
                QCOMPARE(firstPlaces(game.counters), firstPlaces(before) + 1);
                QCOMPARE(points(game.counters),
                         points(before) + FirstPlacePoints + SecondPlacePoints);
            }
        }
    }
};

QTEST_GUILESS_MAIN(TestPlay)
#include "test_play.moc"
