// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/rounding.h"

#include <QPoint>
#include <QRect>

namespace chart
{

// A rectangle by its four edges, right and bottom exclusive, which is how the chart's layout
// shrinks and moves its areas edge by edge.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QPoint centre() const
    {
        return {divTowardZero(left + right, 2), divTowardZero(top + bottom, 2)};
    }
    QRect toQRect() const { return {left, top, width(), height()}; }

    bool operator==(const EdgeRect&) const = default;
};

} // namespace chart
