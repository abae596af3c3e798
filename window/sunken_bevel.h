// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QRect>

class QPainter;

namespace window
{

// The bevel of a panel sunk `width` pixels deep, as the felt is: the palette's dark colour along
// the top and left, its light colour along the bottom and right, meeting corner to corner.
// Filled in whole logical pixels, it is sharp on a screen of any density, and costs a few
// filled rectangles where Qt's shaded panel strokes line after line.
void drawSunkenBevel(QPainter& painter, const QRect& rect, const QPalette& palette, int width);

} // namespace window
