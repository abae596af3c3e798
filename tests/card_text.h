#pragma once

#include "game/game.h"

#include <QImage>
#include <QStringList>
#include <memory>

// Cards, hands and tables written as text for the core tests. A card is its rank ("6".."10",
// "J", "Q", "K", "A") and suit letter: "9b", "10c", "Ak". A leading "~" marks a slot whose
// card has been played (face cleared, suit and rank left behind), "." an untouched empty
// slot. A hand lists its slots from 1 on: "8p . 10b"; a table lists "card@cell": "9b@13 9p@22".
namespace cardtext
{

inline const QStringList RankNames = QStringLiteral("6 7 8 9 10 J Q K A").split(u' ');

// The core never looks at pixels, so every face may be the same blank picture.
inline std::shared_ptr<const game::MasterDeck> blankDeck()
{
    return std::make_shared<const game::MasterDeck>([](const QString&) { return QImage(); });
}

inline QString cardName(const game::Card& card)
{
    return RankNames.value(card.rank - game::Six) + QChar::fromLatin1(card.suit);
}

inline game::Card parseCard(QString text)
{
    static const QImage face;
    const bool played = text.startsWith(u'~');
    text.remove(u'~');
    if (text == u".")
        return {};
    return {played ? nullptr : &face, text.back().toLatin1(),
            static_cast<game::Rank>(RankNames.indexOf(text.chopped(1)) + game::Six)};
}

// A hand or a table, as written above.
template <typename Cards> Cards parse(const QString& text)
{
    Cards cards;
    int slot = 0;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList card = item.split(u'@');
        slot = card.size() > 1 ? card[1].toInt() : slot + 1;
        cards[slot] = parseCard(card[0]);
    }
    return cards;
}

// The cards present in slot order, each followed by "@" and its slot when `withSlots`.
template <typename Cards> QString presentNames(const Cards& cards, bool withSlots = false)
{
    QStringList names;
    for (int slot = 1; const game::Card& card : cards) {
        if (card.present())
            names << cardName(card) + (withSlots ? u'@' + QString::number(slot) : QString());
        ++slot;
    }
    return names.join(u' ');
}

// A choice as "slot:cell", or "pass".
inline QString describe(const std::optional<game::Move>& move)
{
    return move ? QStringLiteral("%1:%2").arg(move->slot).arg(move->cell) : QStringLiteral("pass");
}

} // namespace cardtext
