// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/circle_layout.h"

#include "chart/mark_layout.h"

#include <algorithm>

namespace chart
{

namespace
{

constexpr int MinimumSide = 4;

// Makes both sides even, so the centre falls on a whole pixel, and at least the minimum.
EdgeRect evenedOut(EdgeRect rect)
{
    if (rect.width() % 2 != 0)
        --rect.right;
    if (rect.height() % 2 != 0)
        --rect.bottom;
    rect.right = std::max(rect.right, rect.left + MinimumSide);
    rect.bottom = std::max(rect.bottom, rect.top + MinimumSide);
    return rect;
}

} // namespace

double pixelAspectOf(QSize screenPixels, QSizeF screenMillimetres)
{
    if (screenPixels.isEmpty() || screenMillimetres.isEmpty())
        return 1;
    const double physicalAspect = screenMillimetres.width() / screenMillimetres.height();
    return double(screenPixels.width()) / screenPixels.height() / physicalAspect;
}

CircleLayout layoutCircle(EdgeRect plot, int widestMarkText, const FontMeasure& marksFont,
                          double pixelAspect)
{
    // Room above and below for a mark box and its arrow, and beside for the widest box.
    const int markFrames = 2 * MarkFrameWidth;
    const int roomY = marksFont.lineHeight + MarkArrowLength + markFrames;
    const int roomX = marksFont.wWidth + widestMarkText + MarkArrowLength + markFrames;
    EdgeRect rect =
        evenedOut({plot.left + roomX, plot.top + roomY, plot.right - roomX, plot.bottom - roomY});

    // Square up on the shorter side, measured in the screen's real lengths. Both sides are
    // even, so trimming both ends alike keeps the centre.
    const int rx = divTowardZero(rect.width(), 2);
    const int ry = divTowardZero(rect.height(), 2);
    const int ryAcross = roundHalfToEven(ry * pixelAspect);
    if (rx > ryAcross) {
        const int excess = rx - ryAcross;
        rect.left += excess;
        rect.right -= excess;
    } else {
        const int excess = ry - roundHalfToEven(rx / pixelAspect);
        rect.top += excess;
        rect.bottom -= excess;
    }
    rect = evenedOut(rect);
    return {rect, rect.centre(), divTowardZero(rect.width(), 2), divTowardZero(rect.height(), 2)};
}

} // namespace chart
