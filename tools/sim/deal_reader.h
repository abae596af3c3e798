// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/player.h"

#include <QHash>
#include <QString>
#include <QTextStream>
#include <vector>

namespace sim
{

// Reads the games to play from the deal lines of a trace: three "deal" lines a game, the
// human's hand, then John's, then Harry's, twelve cards each, every card of the deck once.
// Every other line is skipped, so a whole trace can be read back.
class DealReader
{
public:
    DealReader();

    // The hands of every game in `in`, in order. On the first fault it stops and returns
    // nothing; error() then names the line and what is wrong with it.
    std::optional<std::vector<game::Hands>> read(QTextStream& in);
    const QString& error() const { return error_; }

private:
    bool readHand(int line, const QStringList& words);
    bool fail(int line, const QString& message);

    QHash<QString, game::Card> cardsByName_;
    game::Hands hands_{};
    std::size_t nextPlayer_ = 0;
    int firstLineOfGame_ = 0;
    // Where each card of the game being read was dealt, to name both lines of a card dealt twice.
    QHash<QString, int> dealtOnLine_;
    QString error_;
};

} // namespace sim
