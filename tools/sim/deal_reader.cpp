// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/deal_reader.h"

#include "game/deck.h"
#include "tools/sim/trace_format.h"

namespace sim
{

namespace
{

constexpr int FirstCardWord = 2; // after "deal PLAYER"

} // namespace

DealReader::DealReader()
{
    for (const game::Card card : game::FullDeck)
        cardsByName_.insert(trace::cardName(card), card);
}

std::optional<std::vector<game::Hands>> DealReader::read(QTextStream& in)
{
    std::vector<game::Hands> games;
    nextPlayer_ = 0;
    int line = 0;
    QString text;
    while (in.readLineInto(&text)) {
        ++line;
        // Any run of blanks, tabs or a carriage return separates words like one space.
        const QStringList words = text.simplified().split(u' ', Qt::SkipEmptyParts);
        if (words.isEmpty() || words.front() != trace::DealWord)
            continue;
        if (!readHand(line, words))
            return std::nullopt;
        if (nextPlayer_ == game::PlayerCount) {
            games.push_back(hands_);
            nextPlayer_ = 0;
        }
    }
    if (nextPlayer_ != 0) {
        fail(firstLineOfGame_, QStringLiteral("the game dealt from here has no hand for %1")
                                   .arg(trace::playerWord(game::Players[nextPlayer_])));
        return std::nullopt;
    }
    if (games.empty()) {
        fail(line, QStringLiteral("no deal lines up to here"));
        return std::nullopt;
    }
    return games;
}

bool DealReader::readHand(int line, const QStringList& words)
{
    const game::Player expected = game::Players[nextPlayer_];
    const std::optional<game::Player> player = trace::playerNamed(words.value(1));
    if (!player)
        return fail(line,
                    QStringLiteral("'%1' is no player: human, john or harry").arg(words.value(1)));
    if (*player != expected)
        return fail(line, QStringLiteral("%1's hand comes before %2's")
                              .arg(trace::playerWord(expected), words.at(1)));
    const auto cardCount = words.size() - FirstCardWord;
    if (cardCount != game::HandSlots)
        return fail(
            line,
            QStringLiteral("%1 cards in the hand, %2 wanted").arg(cardCount).arg(game::HandSlots));
    if (expected == game::Player::Human) {
        firstLineOfGame_ = line;
        dealtOnLine_.clear();
    }
    game::Hand& hand = hands_[game::indexOf(expected)];
    for (int slot = 1; slot <= game::HandSlots; ++slot) {
        const QString& name = words.at(FirstCardWord + slot - 1);
        const auto card = cardsByName_.constFind(name);
        if (card == cardsByName_.cend())
            return fail(line, QStringLiteral("'%1' is no card").arg(name));
        if (const int earlier = dealtOnLine_.value(name))
            return fail(
                line, QStringLiteral("%1 is dealt twice, also on line %2").arg(name).arg(earlier));
        dealtOnLine_.insert(name, line);
        hand[slot] = *card;
    }
    ++nextPlayer_;
    return true;
}

bool DealReader::fail(int line, const QString& message)
{
    error_ = QStringLiteral("line %1: %2").arg(line).arg(message);
    return false;
}

} // namespace sim
