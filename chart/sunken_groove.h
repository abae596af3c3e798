// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPalette>
#include <QRect>

class QPainter;

namespace chart
{

// The groove around a panel sunk into its surroundings: a lowered line one pixel wide with a
// raised one just inside it, in the palette's dark and light colours. Every line is a filled
// row or column of whole logical pixels, so on a dense screen it is as many device pixels wide
// as the ratio and its edges stay hard. The chart's panel and the dialogs' panels share it.
void drawSunkenGroove(QPainter& painter, const QRect& rect, const QPalette& palette);

} // namespace chart
