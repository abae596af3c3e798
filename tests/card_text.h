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
inline const QImage& blankFace()
{
    static const QImage face(1, 1, QImage::Format_RGB32);
    return face;
}

inline std::shared_ptr<const game::MasterDeck> blankDeck()
{
    return std::make_shared<const game::MasterDeck>([](const QString&) { return blankFace(); });
}

inline QString cardName(const game::Card& card)
{
    return RankNames.value(card.rank - game::Six) + QChar::fromLatin1(card.suit);
}

inline game::Card parseCard(QString text)
{
    const bool played = text.startsWith(u'~');
    if (played)
        text.remove(0, 1);
    if (text == u".")
        return {};
    const qsizetype rank = RankNames.indexOf(text.chopped(1));
    Q_ASSERT(rank >= 0);
    return {played ? nullptr : &blankFace(), text.back().toLatin1(),
            static_cast<game::Rank>(rank + game::Six)};
}

inline game::Hand parseHand(const QString& text)
{
    game::Hand hand;
    int slot = 0;
    for (const QString& card : text.split(u' ', Qt::SkipEmptyParts))
        hand[++slot] = parseCard(card);
    return hand;
}

inline game::Table parseTable(const QString& text)
{
    game::Table table;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const qsizetype at = item.indexOf(u'@');
        table[item.mid(at + 1).toInt()] = parseCard(item.left(at));
    }
    return table;
}

// The names of the cards present, in slot order.
template <typename Cards> QStringList presentNames(const Cards& cards)
{
    QStringList names;
    for (const game::Card& card : cards)
        if (card.present())
            names << cardName(card);
    return names;
}

} // namespace cardtext
