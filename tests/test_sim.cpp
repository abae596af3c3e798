// SPDX-License-Identifier: GPL-3.0-or-later
// tavlen-sim run as a program: traced games read back through --deals, the report's figures,
// and refused deal files. Its human policies are tried position by position in test_opponents.
#include "game/deck.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryFile>
#include <QTest>
#include <cmath>
#include <set>
#include <tuple>

namespace
{

// Over fifty games points per game come in fiftieths, which four decimals show exactly.
constexpr int TracedGames = 50;
constexpr double Z95 = 1.959964;
constexpr double LastDecimal = 1e-4; // the report prints four decimals

// Runs tavlen-sim, with `deals` written to the file that --deals names unless it is empty;
// gives its exit code, its output and its errors.
std::tuple<int, QString, QString> simulate(QStringList arguments, const QString& deals = {})
{
    QTemporaryFile file;
    // A file that cannot be written leaves the deals out, which no test takes for a pass.
    if (!deals.isEmpty() && file.open() && file.write(deals.toUtf8()) >= 0 && file.flush())
        arguments << QStringLiteral("--deals") << file.fileName();
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
        const QStringList arguments = (settings + QStringLiteral(" --seed 5 --trace")).split(u' ');
        const auto [exitCode, out, err] =
            simulate(arguments + QStringList{"--games", QString::number(TracedGames)});
        QCOMPARE(exitCode, 0);
        static const QRegularExpression traceLine(QStringLiteral("^(deal|turn|end) "));
        const QStringList trace = out.split(u'\n').filter(traceLine);
        QCOMPARE(std::get<1>(simulate(arguments, out)).split(u'\n').filter(traceLine), trace);
        std::set<QString> laid; // the game's hand slots ("john 12") and cells ("7") laid from
        int games = 0;
        for (const QString& line : trace) {
            const QStringList words = line.split(u' ');
            if (words[0] == u"turn" && words[2] != u"pass")
                QVERIFY2(laid.insert(words[1] + u' ' + words[2]).second &&
                             laid.insert(words[3]).second,
                         qPrintable(line));
            if (words[0] == u"end") {
                const auto count = [&](int word) { return words[word].toInt(); };
                ++games;
                QCOMPARE(QList({count(2) + count(3) + count(4), count(6) + count(7) + count(8),
                                count(10), int(laid.size())}),
                         QList({3 * games, games, games, 2 * game::DeckCards}));
                laid.clear();
            }
        }

        static const QRegularExpression seatLine(
            QStringLiteral("^(human|John|Harry) \\(\\S+\\) +(\\d+) +([\\d.]+) ± ([\\d.]+)$"),
            QRegularExpression::MultilineOption);
        QVERIFY(out.contains(QRegularExpression(
            QStringLiteral("\ngames +%1\n(.*\n)*games per second +[1-9]\\d*\n").arg(games))));
        int players = 0, firstPlaces = 0;
        double points = 0, n = games;
        for (auto match = seatLine.globalMatch(out); match.hasNext(); ++players) {
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
        QCOMPARE(QList({games, players, firstPlaces}),
                 QList({TracedGames, game::PlayerCount, games}));
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
        const auto [exitCode, out, err] = simulate({}, deals);
        QVERIFY(exitCode > 0 && out.isEmpty());
        QVERIFY2(err.contains(complaint), qPrintable(err));
    }
};

QTEST_GUILESS_MAIN(TestSim)
#include "test_sim.moc"
