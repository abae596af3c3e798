// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/options.h"

#include "tools/sim/trace.h"

#include <QCommandLineParser>
#include <array>
#include <limits>
#include <utility>

namespace sim
{

namespace
{

// The tally counts in 32 bits, and a game adds up to 2 points to one player.
constexpr int MaxGames = 1'000'000'000;
constexpr int DefaultGames = 10'000;
constexpr std::uint32_t DefaultSeed = 1;

template <typename T, std::size_t N> using Names = std::array<std::pair<QStringView, T>, N>;

constexpr Names<opponents::Level, 2> LevelNames = {
    {{u"low", opponents::Level::Low}, {u"high", opponents::Level::High}}};
constexpr Names<HumanPolicy::Kind, 4> PolicyNames = {{{u"random", HumanPolicy::Kind::Random},
                                                      {u"first", HumanPolicy::Kind::First},
                                                      {u"low", HumanPolicy::Kind::Low},
                                                      {u"high", HumanPolicy::Kind::High}}};

template <typename T, std::size_t N>
std::optional<T> valueNamed(const Names<T, N>& names, const QString& name)
{
    for (const auto& [text, value] : names)
        if (text == name)
            return value;
    return std::nullopt;
}

template <typename T, std::size_t N> QStringView nameOf(const Names<T, N>& names, T value)
{
    for (const auto& [text, named] : names)
        if (named == value)
            return text;
    return {};
}

QString description()
{
    return QStringLiteral(
               "Plays whole games of Тавлен++ with no window: Сеня (John) and Лёлик (Harry) by\n"
               "the computers' rules at one level, your seat (the human) by a simple policy.\n"
               "Prints first places and points per game for each player, with a 95 % confidence\n"
               "interval, and the games played per second.\n\n"
               "Human policies, each passing only when no card fits:\n"
               "  random  any card and cell that the rules allow, all equally likely\n"
               "  first   the first card that fits, by hand slot, then the lowest cell\n"
               "  low     the computers' own choice at the low level (Низкий)\n"
               "  high    the computers' own choice at the high level (Высокий)\n\n") +
           trace::formatHelp();
}

} // namespace

std::optional<Options> readOptions(const QStringList& arguments, QString& error)
{
    QCommandLineParser parser;
    parser.setApplicationDescription(description());
    parser.addHelpOption();
    const QCommandLineOption games(
        QStringLiteral("games"),
        QStringLiteral("Plays N random deals (default %1).").arg(DefaultGames), QStringLiteral("N"),
        QString::number(DefaultGames));
    const QCommandLineOption seed(
        QStringLiteral("seed"),
        QStringLiteral("Seeds the deals and the random policy (default %1); replay a trace of "
                       "the random policy with the seed it was made with.")
            .arg(DefaultSeed),
        QStringLiteral("S"), QString::number(DefaultSeed));
    const QCommandLineOption level(QStringLiteral("level"),
                                   QStringLiteral("John's and Harry's level (default low)."),
                                   QStringLiteral("low|high"), QStringLiteral("low"));
    const QCommandLineOption human(
        QStringLiteral("human"), QStringLiteral("The human seat's policy (default random)."),
        QStringLiteral("random|first|low|high"), QStringLiteral("random"));
    const QCommandLineOption trace(QStringLiteral("trace"),
                                   QStringLiteral("Prints every game in the trace format below."));
    const QCommandLineOption deals(
        QStringLiteral("deals"),
        QStringLiteral("Plays the deals of FILE (\"-\": standard input) instead of random ones."),
        QStringLiteral("FILE"));
    parser.addOptions({games, seed, level, human, trace, deals});
    parser.process(arguments);

    Options options;
    bool gamesOk = false;
    bool seedOk = false;
    options.games = parser.value(games).toInt(&gamesOk);
    options.seed = parser.value(seed).toUInt(&seedOk);
    const auto levelValue = valueNamed(LevelNames, parser.value(level));
    const auto humanValue = valueNamed(PolicyNames, parser.value(human));
    options.trace = parser.isSet(trace);
    options.dealsFile = parser.value(deals);
    if (!gamesOk || options.games < 1 || options.games > MaxGames)
        error = QStringLiteral("--games takes a number from 1 to %1").arg(MaxGames);
    else if (!seedOk)
        error = QStringLiteral("--seed takes a number from 0 to %1")
                    .arg(std::numeric_limits<std::uint32_t>::max());
    else if (!levelValue)
        error = QStringLiteral("--level takes low or high");
    else if (!humanValue)
        error = QStringLiteral("--human takes random, first, low or high");
    else if (parser.isSet(games) && parser.isSet(deals))
        error = QStringLiteral("--games and --deals exclude each other");
    if (!error.isEmpty())
        return std::nullopt;
    options.level = *levelValue;
    options.human = *humanValue;
    return options;
}

QString describe(const Options& options)
{
    QString deals = QStringLiteral("the deals of %1").arg(options.dealsFile);
    if (options.dealsFile.isEmpty())
        deals = QStringLiteral("random deals");
    else if (options.dealsFile == StandardInput)
        deals = QStringLiteral("the deals of the standard input");
    return QStringLiteral("Played %1: John and Harry at level %2, human policy %3, seed %4")
        .arg(deals, nameOf(LevelNames, options.level).toString(),
             nameOf(PolicyNames, options.human).toString())
        .arg(options.seed);
}

} // namespace sim
