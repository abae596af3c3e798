// tavlen-sim: the human's policies, the trace read back through --deals, refused deal files,
// and the report's figures.
#include "card_text.h"
#include "tools/sim/human_policy.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <cmath>
#include <set>

using namespace cardtext;
using sim::HumanPolicy;

namespace
{

constexpr int PolicyDraws = 300; // enough for the random policy to show every move
constexpr int ReportGames = 3000;
constexpr double Z95 = 1.959964;
constexpr double Rounding = 1.5e-4; // the report prints four decimals

const QString ValidDeal = QStringLiteral("deal human 8p 10k 8c 6c Kc Qk 8b Ac Jc 6p Qp Ab\n"
                                         "deal john Kk Jk 7b 10p 6k 9c Qc Jb 7p 9k 10c 10b\n"
                                         "deal harry Qb Jp 8k Kp Ap 7c 7k 6b Kb 9p Ak 9b\n");

struct Run {
    int exitCode;
    QString out;
    QString err;
};

Run simulate(const QStringList& arguments)
{
    QProcess process;
    process.start(QStringLiteral(TAVLEN_SIM_PATH), arguments);
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

// Plays the deals of `text` with the given settings.
Run simulateDeals(const QString& text, const QStringList& settings)
{
    QTemporaryFile file;
    if (!file.open() || file.write(text.toUtf8()) < 0 || !file.flush())
        return {-1, {}, QStringLiteral("cannot write %1").arg(file.fileName())};
    return simulate(settings + QStringList{"--deals", file.fileName()});
}

// The trace's own lines, without the report that follows them.
QStringList traceLines(const QString& out)
{
    static const QRegularExpression traceLine(QStringLiteral("^(deal|turn|end) "));
    return out.split(u'\n').filter(traceLine);
}

QString describe(const std::optional<game::Move>& move)
{
    return move ? QStringLiteral("%1:%2").arg(move->slot).arg(move->cell) : QStringLiteral("pass");
}

} // namespace

class TestSim : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void policies_data()
    {
        QTest::addColumn<QString>("table");
        QTest::addColumn<QString>("hand");
        QTest::addColumn<QString>("first");
        QTest::addColumn<QString>("all"); // every move the random policy may make
        const auto row = [](const char* name, const char* table, const char* hand,
                            const char* first, const char* all) {
            QTest::newRow(name) << QString::fromLatin1(table) << QString::fromLatin1(hand)
                                << QString::fromLatin1(first) << QString::fromLatin1(all);
        };
        row("nothing fits", "9b@13", "8c Jb 7b", "pass", "pass");
        row("a nine has two cells", "9b@13", "8c 9k 10b", "2:4", "2:4 2:22 3:14");
        row("played slot", "9b@13 9p@22", "~8b 10b 8p", "2:14", "2:14 3:21");
        row("nine of diamonds last", "", "8c . . . . . . . . . . 9b", "12:13", "12:13");
    }
    void policies()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        QFETCH(QString, all);
        const game::Table down = parseTable(table);
        const game::Hand held = parseHand(hand);
        QTEST(describe(HumanPolicy(HumanPolicy::Kind::First, 1).choose(held, down)), "first");
        HumanPolicy random(HumanPolicy::Kind::Random, 1);
        std::set<QString> made;
        for (int draw = 0; draw < PolicyDraws; ++draw)
            made.insert(describe(random.choose(held, down)));
        QStringList expected = all.split(u' ');
        expected.sort();
        QCOMPARE(QStringList(made.begin(), made.end()), expected);
    }

    // Each game of the trace lays every hand slot once and fills every cell once; read back
    // through --deals it plays the very same games.
    void traceReplaysThroughDeals_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("low, random") << QStringList{};
        QTest::newRow("high, first") << QStringList{"--level", "high", "--human", "first"};
        QTest::newRow("high, high") << QStringList{"--level", "high", "--human", "high"};
    }
    void traceReplaysThroughDeals()
    {
        QFETCH(QStringList, settings);
        settings += QStringList{"--seed", "5", "--trace"};
        const Run traced = simulate(settings + QStringList{"--games", "3"});
        QCOMPARE(traced.exitCode, 0);
        const QStringList trace = traceLines(traced.out);

        std::map<QString, std::set<int>> slotsLaid;
        std::set<int> cellsFilled;
        int games = 0;
        for (const QString& line : trace) {
            const QStringList words = line.split(u' ');
            if (words[0] == u"turn" && words[2] != u"pass") {
                QVERIFY2(slotsLaid[words[1]].insert(words[2].toInt()).second, qPrintable(line));
                QVERIFY2(cellsFilled.insert(words[3].toInt()).second, qPrintable(line));
            } else if (words[0] == u"end") {
                // The counters so far: 3 points, one first place and one game a game.
                ++games;
                const auto sum = [&](int from) {
                    return words[from].toInt() + words[from + 1].toInt() + words[from + 2].toInt();
                };
                QCOMPARE(line, QStringLiteral("end points %1 first %2 games %3")
                                   .arg(words.mid(2, 3).join(u' '), words.mid(6, 3).join(u' '))
                                   .arg(games));
                QCOMPARE(sum(2), 3 * games);
                QCOMPARE(sum(6), games);
                QCOMPARE(int(slotsLaid.size()), game::PlayerCount);
                for (const auto& [player, slots] : slotsLaid)
                    QCOMPARE(int(slots.size()), game::HandSlots);
                QCOMPARE(int(cellsFilled.size()), game::TableCells);
                slotsLaid.clear();
                cellsFilled.clear();
            }
        }
        QCOMPARE(games, 3);

        const Run replayed = simulateDeals(traced.out, settings);
        QCOMPARE(replayed.exitCode, 0);
        QCOMPARE(traceLines(replayed.out), trace);
    }

    void badDealsAreRefused_data()
    {
        QTest::addColumn<QString>("deals");
        QTest::addColumn<QString>("complaint");
        const auto row = [](const char* name, const QString& deals, const char* complaint) {
            QTest::newRow(name) << deals << QString::fromLatin1(complaint);
        };
        const QStringList lines = ValidDeal.split(u'\n');
        row("short hand", QString(ValidDeal).replace(" 10b\n", "\n"), "line 2: 11 cards");
        row("card twice", QString(ValidDeal).replace("Kk", "8p"),
            "line 2: 8p is dealt twice, also on line 1");
        row("unknown card", QString(ValidDeal).replace("Qb", "1b"), "line 3: '1b' is no card");
        row("hand missing", "turn john pass\n" + lines[0] + "\n" + lines[2],
            "line 3: john's hand comes before harry's");
        row("game cut short", ValidDeal + lines[0] + "\n" + lines[1],
            "line 4: the game dealt from here has no hand for harry");
        row("no deal", "end points 2 1 0 first 1 0 0 games 1\n", "line 1: no deal lines");
    }
    void badDealsAreRefused()
    {
        QFETCH(QString, deals);
        QFETCH(QString, complaint);
        const Run run = simulateDeals(deals, {});
        QVERIFY(run.exitCode > 0);
        QVERIFY2(run.err.contains(complaint), qPrintable(run.err));
        QVERIFY(run.out.isEmpty());
    }

    // First places add up to the games, points per game to 3; and each player's interval is
    // the one that the counts of 2, 1 and 0 points behind its figures give.
    void reportAddsUp_data()
    {
        QTest::addColumn<QStringList>("settings");
        QTest::newRow("low, random") << QStringList{"--level", "low", "--human", "random"};
        QTest::newRow("high, low") << QStringList{"--level", "high", "--human", "low"};
    }
    void reportAddsUp()
    {
        QFETCH(QStringList, settings);
        const Run run = simulate(
            settings + QStringList{"--games", QString::number(ReportGames), "--seed", "3"});
        QCOMPARE(run.exitCode, 0);
        static const QRegularExpression row(
            QStringLiteral("^(human|John|Harry) \\(\\S+\\) +(\\d+) +([\\d.]+) ± ([\\d.]+)$"),
            QRegularExpression::MultilineOption);
        QVERIFY(QRegularExpression(QStringLiteral("\ngames +%1\n").arg(ReportGames))
                    .match(run.out)
                    .hasMatch());
        int firstPlaces = 0;
        double points = 0;
        int players = 0;
        for (auto match = row.globalMatch(run.out); match.hasNext(); ++players) {
            const auto seat = match.next();
            const double n = ReportGames;
            // The shares of games in which the player came first (2 points) and second (1).
            const double firstShare = seat.captured(2).toDouble() / n;
            const double mean = seat.captured(3).toDouble();
            const double secondShare = mean - 2 * firstShare;
            QVERIFY2(secondShare > -Rounding && secondShare < 1 - firstShare,
                     qPrintable(seat.captured(0)));
            const double variance = (4 * firstShare + secondShare - mean * mean) * n / (n - 1);
            QVERIFY(std::abs(Z95 * std::sqrt(variance / n) - seat.captured(4).toDouble()) <
                    Rounding);
            firstPlaces += seat.captured(2).toInt();
            points += mean;
        }
        QCOMPARE(players, game::PlayerCount);
        QCOMPARE(firstPlaces, ReportGames);
        QVERIFY(std::abs(points - 3) < 2 * Rounding);
        QVERIFY(QRegularExpression("games per second +[1-9]\\d*\n").match(run.out).hasMatch());
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
