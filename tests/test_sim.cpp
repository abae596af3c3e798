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
// Points per game then come in fiftieths, which the report's four decimals show exactly.
constexpr int TracedGames = 50;
constexpr double Z95 = 1.959964;
constexpr double LastDecimal = 1e-4; // the report prints four decimals

struct Run {
    int exitCode;
    QString out;
    QString err;
};

// Runs tavlen-sim, with `deals` written to the file that --deals names unless it is empty.
Run simulate(QStringList arguments, const QString& deals = {})
{
    QTemporaryFile file;
    if (!deals.isEmpty()) {
        if (!file.open() || file.write(deals.toUtf8()) < 0 || !file.flush())
            return {-1, {}, QStringLiteral("cannot write %1").arg(file.fileName())};
        arguments << QStringLiteral("--deals") << file.fileName();
    }
    QProcess process;
    process.start(QStringLiteral(TAVLEN_SIM_PATH), arguments);
    process.waitForFinished();
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
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
        const auto row = [](const char* table, const char* hand, const char* first,
                            const char* all) {
            QTest::newRow(hand) << table << hand << first << all;
        };
        row("9b@13", "8c Jb 7b", "pass", "pass");
        row("9b@13", "8c 9k 10b", "2:4", "2:4 2:22 3:14");
        row("9b@13 9c@4 9k@22", "8p 9p 10b", "2:31", "2:31 3:14");
        row("9b@13 9p@22", "~8b 10b 8p", "2:14", "2:14 3:21");
        row("", "8c . . . . . 9b", "7:13", "7:13");
    }
    void policies()
    {
        QFETCH(QString, table);
        QFETCH(QString, hand);
        QFETCH(QString, all);
        const auto down = parse<game::Table>(table);
        const auto held = parse<game::Hand>(hand);
        QTEST(describe(HumanPolicy(HumanPolicy::Kind::First, 1).choose(held, down)), "first");
        HumanPolicy random(HumanPolicy::Kind::Random, 1);
        std::set<QString> made;
        for (int draw = 0; draw < PolicyDraws; ++draw)
            made.insert(describe(random.choose(held, down)));
        QStringList expected = all.split(u' ');
        expected.sort();
        QCOMPARE(QStringList(made.begin(), made.end()), expected);
    }

    // Each game of the trace lays every hand slot once, fills every cell once and adds 3
    // points, one first place and one game; read back through --deals it plays the same games.
    // In the report first places add up to the games and points per game to 3, and each
    // player's interval is the one that the counts of 2, 1 and 0 points behind its figures give.
    void tracedGamesReplayAndAddUp_data()
    {
        QTest::addColumn<QString>("settings");
        for (const char* settings : {"--level low --human random", "--level high --human first",
                                     "--level high --human high", "--level high --human low"})
            QTest::newRow(settings) << settings;
    }
    void tracedGamesReplayAndAddUp()
    {
        QFETCH(QString, settings);
        const QStringList arguments = settings.split(u' ') << "--seed"
                                                           << "5"
                                                           << "--trace";
        const Run run = simulate(arguments + QStringList{"--games", QString::number(TracedGames)});
        QCOMPARE(run.exitCode, 0);
        static const QRegularExpression traceLine(QStringLiteral("^(deal|turn|end) "));
        const QStringList trace = run.out.split(u'\n').filter(traceLine);
        std::set<QString> slotsLaid, cellsFilled;
        int games = 0;
        for (const QString& line : trace) {
            const QStringList words = line.split(u' ');
            if (words[0] == u"turn" && words[2] != u"pass") {
                QVERIFY2(slotsLaid.insert(words[1] + words[2]).second, qPrintable(line));
                QVERIFY2(cellsFilled.insert(words[3]).second, qPrintable(line));
            } else if (words[0] == u"end") {
                const auto sum = [&](int from) {
                    return words[from].toInt() + words[from + 1].toInt() + words[from + 2].toInt();
                };
                ++games;
                QCOMPARE(QList({sum(2), sum(6), words[10].toInt()}),
                         QList({3 * games, games, games}));
                QVERIFY(slotsLaid.size() == game::DeckCards &&
                        cellsFilled.size() == game::DeckCards);
                slotsLaid.clear();
                cellsFilled.clear();
            }
        }
        QCOMPARE(games, TracedGames);
        QCOMPARE(simulate(arguments, run.out).out.split(u'\n').filter(traceLine), trace);

        static const QRegularExpression seatLine(
            QStringLiteral("^(human|John|Harry) \\(\\S+\\) +(\\d+) +([\\d.]+) ± ([\\d.]+)$"),
            QRegularExpression::MultilineOption);
        QVERIFY(run.out.contains(QRegularExpression(
            QStringLiteral("\ngames +%1\n(.*\n)*games per second +[1-9]\\d*\n").arg(games))));
        const double n = games;
        int players = 0, firstPlaces = 0;
        double points = 0;
        for (auto match = seatLine.globalMatch(run.out); match.hasNext(); ++players) {
            const auto seat = match.next();
            const double mean = seat.captured(3).toDouble();
            // The shares of games in which the player came first (2 points) and second (1).
            const double first = seat.captured(2).toDouble() / n, second = mean - 2 * first;
            const double variance = (4 * first + second - mean * mean) * n / (n - 1);
            QVERIFY2(second > -LastDecimal && second < 1 - first + LastDecimal &&
                         std::abs(Z95 * std::sqrt(variance / n) - seat.captured(4).toDouble()) <
                             LastDecimal,
                     qPrintable(seat.captured(0)));
            firstPlaces += seat.captured(2).toInt();
            points += mean;
        }
        QCOMPARE(QList({players, firstPlaces}), QList({game::PlayerCount, games}));
        QVERIFY(std::abs(points - 3) < LastDecimal);
    }

    void badDealsAreRefused_data()
    {
        QTest::addColumn<QString>("deals");
        QTest::addColumn<QString>("complaint");
        const QString human = QStringLiteral("deal human 8p 10k 8c 6c Kc Qk 8b Ac Jc 6p Qp Ab\n");
        const QString john = QStringLiteral("deal john Kk Jk 7b 10p 6k 9c Qc Jb 7p 9k 10c 10b\n");
        const QString harry = QStringLiteral("deal harry Qb Jp 8k Kp Ap 7c 7k 6b Kb 9p Ak 9b\n");
        const QString deal = human + john + harry;
        const auto row = [](const QString& deals, const char* complaint) {
            QTest::newRow(complaint) << deals << complaint;
        };
        row(QString(deal).replace(" 10b\n", "\n"), "line 2: 11 cards");
        row(QString(deal).replace("Kk", "8p"), "line 2: 8p is dealt twice, also on line 1");
        row(QString(deal).replace("Qb", "1b"), "line 3: '1b' is no card");
        row("turn john pass\n" + human + harry, "line 3: john's hand comes before harry's");
        row(deal + human + john, "line 4: the game dealt from here has no hand for harry");
        row("end points 2 1 0 first 1 0 0 games 1\n", "line 1: no deal lines");
    }
    void badDealsAreRefused()
    {
        QFETCH(QString, deals);
        QFETCH(QString, complaint);
        const Run run = simulate({}, deals);
        QVERIFY(run.exitCode > 0 && run.out.isEmpty());
        QVERIFY2(run.err.contains(complaint), qPrintable(run.err));
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
