// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/card.h"

#include <QImage>
#include <QString>
#include <array>
#include <string_view>

// The game's pictures live in the program itself: 36 faces ("6_bub" .. "A_pik"), the empty
// place "NONE", the backs "RubL1".."RubL8" and their mirrors "RubR1".."RubR8", the same eight
// designs at full card size for the back chooser, "Design1".."Design8", and "MAINICON".
namespace assets
{

inline constexpr int FaceWidth = 71;
inline constexpr int FaceHeight = 96;
inline constexpr int BackWidth = 62;
inline constexpr int BackHeight = 71;
inline constexpr int IconSize = 32;
inline constexpr int BackDesigns = 8;
// The device pixel ratio the dense screens' pictures are drawn for.
inline constexpr qreal DoubleRatio = 2;

// The suits' words in the face pictures' names, in the order of game::Suit.
inline constexpr std::array<std::string_view, game::SuitCount> SuitWords = {"BUB", "CHE", "KRE",
                                                                            "PIK"};

// The name of a card's face: its rank as the game writes it, "_" and its suit's word: "K_CHE".
inline QString faceName(game::Card card)
{
    const std::string_view rank = game::textOf(card.rank);
    const std::string_view suit = SuitWords[game::indexOf(card.suit)];
    return QString::fromLatin1(rank.data(), static_cast<qsizetype>(rank.size())) + u'_' +
           QString::fromLatin1(suit.data(), static_cast<qsizetype>(suit.size()));
}

// The picture stored under `name`, matched without regard to case; a null image when no
// picture has that name.
QImage loadPicture(const QString& name);
// Whether a picture is stored under `name`, found without reading it.
bool hasPicture(const QString& name);
// Whether a picture is stored under `name`, found without reading it.
bool hasPicture(const QString& name);
// The same picture drawn at twice the size for dense screens, tagged with a device pixel
// ratio of 2 so that it is drawn at the logical size of the 1x one; null as above.
QImage loadDoublePicture(const QString& name);
// Where that picture, or its 2x drawing, is stored among the program's resources; empty for a
// name that can be no picture's.
QString picturePath(const QString& name);
QString doublePicturePath(const QString& name);

} // namespace assets
