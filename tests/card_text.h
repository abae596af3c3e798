// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/game.h"

#include <QStringList>

// Cards, hands and tables written as text for the core tests. A card is its rank ("6".."10",
// "J", "Q", "K", "A") and suit letter: "9b", "10c", "Ak". "." is an empty slot. A hand lists
// its slots from 1 on: "8p . 10b"; a table lists "card@cell": "9b@13 9p@22".
namespace cardtext
{

inline const QStringList RankNames = QStringLiteral("6 7 8 9 10 J Q K A").split(u' ');
inline const QString SuitLetters = QStringLiteral("bckp");

inline QString cardName(game::Card card)
{
    return RankNames.value(static_cast<int>(card.rank) - static_cast<int>(game::Rank::Six)) +
           SuitLetters.at(static_cast<int>(card.suit));
}

inline game::Card cardNamed(const QString& name)
{
    return {static_cast<game::Suit>(SuitLetters.indexOf(name.back())),
            static_cast<game::Rank>(RankNames.indexOf(name.chopped(1)) +
                                    static_cast<int>(game::Rank::Six))};
}

// A hand or a table, as written above.
template <typename Cards> Cards parse(const QString& text)
{
    Cards cards;
    int slot = 0;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'@');
        slot = parts.size() > 1 ? parts[1].toInt() : slot + 1;
        if (parts[0] != u".")
            cards[slot] = cardNamed(parts[0]);
    }
    return cards;
}

// The cards present in slot order, each followed by "@" and its slot when `withSlots`.
template <typename Cards> QString presentNames(const Cards& cards, bool withSlots = false)
{
    QStringList names;
    for (int slot = 1; const game::Slot& card : cards) {
        if (card)
            names << cardName(*card) + (withSlots ? u'@' + QString::number(slot) : QString());
        ++slot;
    }
    return names.join(u' ');
}

// Cards named in Russian, written out here by hand in the order of RankNames and SuitLetters:
// the rank in the nominative and after "кладёт", the suit in the genitive plural.
inline const QStringList RanksNamed =
    QStringLiteral("шестёрка семёрка восьмёрка девятка десятка валет дама король туз").split(u' ');
inline const QStringList RanksLaid =
    QStringLiteral("шестёрку семёрку восьмёрку девятку десятку валета даму короля туза")
        .split(u' ');
inline const QStringList SuitsNamed = QStringLiteral("бубен червей треф пик").split(u' ');

inline QString spokenCard(game::Card card, const QStringList& rankWords)
{
    return rankWords[static_cast<int>(card.rank) - static_cast<int>(game::Rank::Six)] + u' ' +
           SuitsNamed[static_cast<int>(card.suit)];
}

// A choice as "slot:cell", or "pass".
inline QString describe(const std::optional<game::Move>& move)
{
    return move ? QStringLiteral("%1:%2").arg(move->slot).arg(move->cell) : QStringLiteral("pass");
}

} // namespace cardtext
