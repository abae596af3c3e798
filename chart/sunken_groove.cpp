// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/sunken_groove.h"

#include <QPainter>

namespace chart
{

void drawSunkenGroove(QPainter& painter, const QRect& rect, const QPalette& palette)
{
    const int left = rect.left(), top = rect.top(), right = rect.right(), bottom = rect.bottom();
    const auto row = [&](int y, int from, int to, const QColor& color) {
        painter.fillRect(QRect(QPoint(from, y), QPoint(to, y)), color);
    };
    const auto column = [&](int x, int from, int to, const QColor& color) {
        painter.fillRect(QRect(QPoint(x, from), QPoint(x, to)), color);
    };
    // The lowered line: the outline of all but the last row and column.
    const QColor dark = palette.color(QPalette::Dark);
    row(top, left, right - 1, dark);
    row(bottom - 1, left, right - 1, dark);
    column(left, top, bottom - 1, dark);
    column(right - 1, top, bottom - 1, dark);
    // The raised line: inside the lowered one at the top and left, outside it at the bottom
    // and right.
    const QColor light = palette.color(QPalette::Light);
    row(top + 1, left + 1, right - 2, light);
    column(left + 1, top + 2, bottom - 2, light);
    row(bottom, left, right, light);
    column(right, top, bottom - 1, light);
}

} // namespace chart
