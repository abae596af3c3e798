// SPDX-License-Identifier: GPL-3.0-or-later
#include "tools/sim/trace.h"

#include "game/deck.h"

#include <array>

namespace sim::trace
{

namespace
{

constexpr std::array<QStringView, game::PlayerCount> PlayerWords = {u"human", u"john", u"harry"};

} // namespace

QString playerWord(game::Player player)
{
    return PlayerWords[game::indexOf(player)].toString();
}

std::optional<game::Player> playerNamed(QStringView word)
{
    for (game::Player player : game::Players)
        if (PlayerWords[game::indexOf(player)] == word)
            return player;
    return std::nullopt;
}

QString cardName(game::Card card)
{
    const std::string_view rank = game::textOf(card.rank);
    return QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size())) +
           QChar::fromLatin1(game::letterOf(card.suit));
}

QString formatHelp()
{
    return QStringLiteral(
        "Trace format (--trace), one line each, words separated by single spaces:\n"
        "  deal PLAYER C1 C2 ... C12    a hand as dealt, slot 1 to slot 12; for every game the\n"
        "                               human's hand, then John's, then Harry's\n"
        "  turn PLAYER SLOT CELL        PLAYER lays the card of hand slot SLOT (1-12) into table\n"
        "                               cell CELL (1-36, row by row, nine to a row)\n"
        "  turn PLAYER pass             PLAYER lays nothing\n"
        "  end points H J Y first H J Y games G\n"
        "                               the counters after the game, counted from the first\n"
        "                               game: points and first places of the human (H), John (J)\n"
        "                               and Harry (Y), and the games in which someone finished\n"
        "PLAYER is human, john or harry. A card is its rank 6, 7, 8, 9, 10, J, Q, K or A followed\n"
        "by its suit: b diamonds, c hearts, k clubs, p spades; so 9b, 10c, Ak.\n"
        "Turns come in the order they are played: John, Harry, then the human while the human\n"
        "holds cards, until all three hands are empty.\n"
        "--deals reads the deal lines and skips every other line, so a trace can be read back.");
}

} // namespace sim::trace

namespace sim
{

TraceWriter::TraceWriter(QTextStream& out) : out_(out) {}

void TraceWriter::deal(const game::Hands& hands)
{
    for (game::Player player : game::Players) {
        out_ << trace::DealWord << ' ' << trace::playerWord(player);
        for (const game::Slot& card : hands[game::indexOf(player)])
            out_ << ' ' << trace::cardName(card.value());
        out_ << '\n';
    }
}

void TraceWriter::turn(game::Player player, const std::optional<game::Move>& move)
{
    out_ << trace::TurnWord << ' ' << trace::playerWord(player) << ' ';
    if (move)
        out_ << move->slot << ' ' << move->cell << '\n';
    else
        out_ << trace::PassWord << '\n';
}

void TraceWriter::end(const game::Tally& tally)
{
    out_ << trace::EndWord << " points " << tally.humanPoints << ' ' << tally.johnPoints << ' '
         << tally.harryPoints << " first " << tally.humanFirstPlaces << ' ' << tally.johnFirstPlaces
         << ' ' << tally.harryFirstPlaces << " games " << tally.gamesPlayed << '\n';
}

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
