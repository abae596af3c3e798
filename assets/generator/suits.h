// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPainterPath>
#include <QRectF>
#include <QRgb>

namespace artwork
{

// Red for diamonds ('b') and hearts ('c'), black for clubs ('k') and spades ('p').
QRgb suitColour(char suit);

// The sign of `suit` filling `box`, turned upside down about the centre of `box` when asked.
QPainterPath suitSign(char suit, const QRectF& box, bool upsideDown = false);

} // namespace artwork
