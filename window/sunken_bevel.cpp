// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/sunken_bevel.h"

#include <QPainter>

namespace window
{

void drawSunkenBevel(QPainter& painter, const QRect& rect, const QPalette& palette, int width)
{
    const QColor shadow = palette.color(QPalette::Dark);
    const QColor lit = palette.color(QPalette::Light);
    // Ring by ring from the outside; each shaded edge stops one pixel short of the far corner,
    // which belongs to the lit edge.
    for (int ring = 0; ring < width; ++ring) {
        const QRect edge = rect.adjusted(ring, ring, -ring, -ring);
        painter.fillRect(edge.left(), edge.top(), edge.width() - 1, 1, shadow);
        painter.fillRect(edge.left(), edge.top(), 1, edge.height() - 1, shadow);
        painter.fillRect(edge.left(), edge.bottom(), edge.width(), 1, lit);
        painter.fillRect(edge.right(), edge.top(), 1, edge.height(), lit);
    }
}

} // namespace window
