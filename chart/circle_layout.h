// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/edge_rect.h"
#include "chart/font_measure.h"

#include <QSize>
#include <QSizeF>

namespace chart
{

// The pie's circle: its bounding rectangle, centre and radii.
struct CircleLayout {
    EdgeRect rect;
    QPoint centre;
    int rx = 0;
    int ry = 0;
};

// How much wider than tall a screen pixel is: 1 on square pixels, and 1 when the screen does
// not say its size.
double pixelAspectOf(QSize screenPixels, QSizeF screenMillimetres);

// The largest circle in `plot` that leaves room around it for the marks, the widest of which
// is `widestMarkText` wide. `pixelAspect` makes it round on screens with non-square pixels.
CircleLayout layoutCircle(EdgeRect plot, int widestMarkText, const FontMeasure& marksFont,
                          double pixelAspect);

} // namespace chart
