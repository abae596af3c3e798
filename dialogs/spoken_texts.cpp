// SPDX-License-Identifier: GPL-3.0-or-later
#include "dialogs/spoken_texts.h"

#include <QLocale>
#include <array>
#include <cstdlib>

namespace spoken
{

namespace
{

constexpr int RankCount = HighestRank - LowestRank + 1;

// A rank's name in the nominative and after "кладёт": the jack, king and ace are spoken of as
// persons ("кладёт туза"), the others as things ("кладёт девятку").
struct RankWords {
    const char16_t* nominative;
    const char16_t* accusative;
};
constexpr std::array<RankWords, RankCount> Ranks = {{
    {u"шестёрка", u"шестёрку"},
    {u"семёрка", u"семёрку"},
    {u"восьмёрка", u"восьмёрку"},
    {u"девятка", u"девятку"},
    {u"десятка", u"десятку"},
    {u"валет", u"валета"},
    {u"дама", u"даму"},
    {u"король", u"короля"},
    {u"туз", u"туза"},
}};

// The suits in the genitive plural, the way a card is named after its suit.
constexpr std::array<const char16_t*, SuitCount> Suits = {u"бубен", u"червей", u"треф", u"пик"};

constexpr std::array<const char16_t*, 3> Places = {u"первым", u"вторым", u"третьим"};

bool isCard(int suit, int rank)
{
    return suit >= 0 && suit < SuitCount && rank >= LowestRank && rank <= HighestRank;
}

QString withSuit(const char16_t* rankWord, int suit)
{
    return QString::fromUtf16(rankWord) + u' ' + QString::fromUtf16(Suits[std::size_t(suit)]);
}

QString placeWord(int place)
{
    if (place < 1 || place > int(Places.size()))
        return {};
    return QString::fromUtf16(Places[std::size_t(place - 1)]);
}

// The three forms a Russian noun takes after a number: for 1, 21, 101 ...; for 2-4, 22-24 ...;
// and for the rest, the teens 11-14 included.
struct NounForms {
    const char16_t* one;
    const char16_t* few;
    const char16_t* many;
};

QString counted(qint64 count, const NounForms& forms)
{
    constexpr qint64 Ten = 10;
    constexpr qint64 Hundred = 100;
    const qint64 lastTwo = std::abs(count % Hundred);
    const qint64 last = lastTwo % Ten;
    const bool teen = lastTwo / Ten == 1; // 10 to 19
    const char16_t* noun = forms.many;
    if (!teen && last == 1)
        noun = forms.one;
    else if (!teen && last >= 2 && last <= 4)
        noun = forms.few;
    return QLocale(QLocale::Russian).toString(count) + u' ' + QString::fromUtf16(noun);
}

} // namespace

QString cardName(int suit, int rank)
{
    if (!isCard(suit, rank))
        return {};
    return withSuit(Ranks[std::size_t(rank - LowestRank)].nominative, suit);
}

QString computerLays(const QString& computer, int suit, int rank)
{
    if (!isCard(suit, rank))
        return {};
    return computer + QStringLiteral(" кладёт ") +
           withSuit(Ranks[std::size_t(rank - LowestRank)].accusative, suit);
}

QString computerPasses(const QString& computer)
{
    return computer + QStringLiteral(" пасует");
}

QString yourTurn()
{
    return QStringLiteral("Ваш ход");
}

QString youFinished(int place)
{
    const QString word = placeWord(place);
    return word.isEmpty() ? word : QStringLiteral("Вы финишировали ") + word;
}

QString computerFinished(const QString& computer, int place)
{
    const QString word = placeWord(place);
    return word.isEmpty() ? word : computer + QStringLiteral(" финишировал ") + word;
}

QString cardCount(qint64 count)
{
    return counted(count, {u"карта", u"карты", u"карт"});
}

QString cardsHeld(const QString& computer, qint64 count)
{
    return computer + QStringLiteral(": ") + cardCount(count);
}

QString pointCount(qint64 count)
{
    return counted(count, {u"очко", u"очка", u"очков"});
}

QString emptyPlace()
{
    return QStringLiteral("пусто");
}

} // namespace spoken
