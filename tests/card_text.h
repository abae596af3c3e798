// SPDX-License-Identifier: GPL-3.0-or-later
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

// The core never looks at pixels: each face is a blank picture that only carries its name.
inline std::shared_ptr<const game::MasterDeck> blankDeck()
{
    return std::make_shared<const game::MasterDeck>([](const QString& name) {
        QImage picture(1, 1, QImage::Format_RGB32);
        picture.setText(QStringLiteral("name"), name);
        return picture;
    });
}

inline QString cardName(const game::Card& card)
{
    return RankNames.value(card.rank - game::Six) + QChar::fromLatin1(card.suit);
}

// A hand or a table, as written above.
template <typename Cards> Cards parse(const QString& text)
{
    static const QImage face;
    Cards cards;
    int slot = 0;
    for (const QString& item : text.split(u' ', Qt::SkipEmptyParts)) {
        const QStringList parts = item.split(u'@');
        slot = parts.size() > 1 ? parts[1].toInt() : slot + 1;
        const QString card = QString(parts[0]).remove(u'~');
        if (card != u".")
            cards[slot] = {item.startsWith(u'~') ? nullptr : &face, card.back().toLatin1(),
                           static_cast<game::Rank>(RankNames.indexOf(card.chopped(1)) + game::Six)};
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
