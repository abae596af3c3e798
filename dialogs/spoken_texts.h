// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

// The Russian phrases a screen reader speaks about the game: card names, the players' moves,
// the finishing places and counts with the right plural form. Plain text, no widget.
//
// A card is given by its suit index and its rank number, so that they map one to one onto the
// core's card: suit 0 diamonds, 1 hearts, 2 clubs, 3 spades (that order); rank 6 to 10, 11 the
// jack, 12 the queen, 13 the king, 14 the ace. A suit, rank or place outside its range gives an
// empty text.
namespace spoken
{

inline constexpr int SuitCount = 4;
inline constexpr int LowestRank = 6;
inline constexpr int HighestRank = 14;

// The card in the nominative, as a place or a hand card is named: "девятка бубен", "туз пик".
QString cardName(int suit, int rank);

// A computer's move, by its shown name: "Сеня кладёт восьмёрку пик", "Лёлик кладёт туза треф".
QString computerLays(const QString& computer, int suit, int rank);
// "Лёлик пасует".
QString computerPasses(const QString& computer);

// "Ваш ход".
QString yourTurn();

// A finishing place, 1 or 2 (3 for the last to run out): "Вы финишировали вторым",
// "Сеня финишировал первым".
QString youFinished(int place);
QString computerFinished(const QString& computer, int place);

// A count of cards with its noun in the right form: "1 карта", "3 карты", "11 карт".
QString cardCount(qint64 count);
// How many cards a computer holds: "Сеня: 7 карт".
QString cardsHeld(const QString& computer, qint64 count);
// A count of points: "1 очко", "2 очка", "25 очков"; thousands grouped as the chart writes them.
QString pointCount(qint64 count);

// A table place with no card on it.
QString emptyPlace();

} // namespace spoken
