// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/legend_layout.h"

#include "chart/number_texts.h"

#include <algorithm>

namespace chart
{

namespace
{

constexpr int TextPadding = 4;      // added to the widest text
constexpr int ColorBoxPercent = 12; // colour box width, in percent of the padded text width
constexpr int ColorBoxGap = 4;      // on either side of a colour box
constexpr int ColorBoxInset = 2;    // between a colour box and the top and bottom of its line
constexpr int SideMargins = 8;      // both sides together
constexpr int RowPadding = 2;       // added to the row's height
constexpr int EntryTopInset = 1;
constexpr int FrameWidth = 1;
constexpr int ShadowSize = 3;
// How far the shadow reaches beyond the legend's right and bottom: past the frame, by its size.
constexpr int ShadowReach = ShadowSize + FrameWidth + divTowardZero(FrameWidth - 1, 2);
// Share of the panel width left beside the legend by which it moves right of centre.
constexpr int RightOfCentrePercent = 10;
// Gap between the legend and the pie, in percent of the plot height above the legend.
constexpr int GapPercent = 4;

// How many entries `itemWidth` wide fit side by side in `plot`, at most `entryCount`.
int columnCount(int itemWidth, const EdgeRect& plot, qsizetype entryCount)
{
    if (plot.right <= SideMargins)
        return 0;
    const int fitting = divTowardZero(plot.width() - 2 * FrameWidth - SideMargins, itemWidth);
    return static_cast<int>(std::min<qsizetype>(fitting, entryCount));
}

} // namespace

QString legendText(const PiePoint& point)
{
    QString label = point.label;
    label.replace(QStringLiteral("\r\n"), QStringLiteral(" "));
    label.replace(u'\n', u' ');
    label.replace(u'\r', u' ');
    return valueText(point.value) + u' ' + label;
}

LegendLayout layoutLegend(const QList<PiePoint>& points, const FontMeasure& font, int panelWidth,
                          EdgeRect& plot)
{
    QStringList texts;
    for (const PiePoint& point : points)
        texts.append(legendText(point));
    const int textWidth = font.widest(texts) + TextPadding;
    const int colorBoxWidth = roundHalfToEven(ColorBoxPercent * textWidth / 100.0);
    const int itemWidth = textWidth + colorBoxWidth + 2 * ColorBoxGap;
    const int columns = columnCount(itemWidth, plot, texts.size());
    if (columns < 1)
        return {};

    // One row, standing on the plot's bottom with room below for the frame and the shadow.
    const int bottom = plot.bottom - ShadowSize - (FrameWidth + 1);
    const int top = bottom - RowPadding - font.lineHeight;
    const int itemStep = textWidth + colorBoxWidth + ColorBoxGap;
    const int width = std::min(plot.width(), 2 * ShadowSize + itemStep * columns + SideMargins);
    const int shift = roundHalfToEven(RightOfCentrePercent * (panelWidth - width) / 100.0);
    const int centreX = plot.centre().x();
    const EdgeRect box{centreX - divTowardZero(width, 2) + shift, top,
                       shift + divTowardZero(width, 2) + centreX, bottom};

    LegendLayout legend;
    legend.shadow = {box.left + ShadowSize, box.top + ShadowSize, box.right + ShadowReach,
                     box.bottom + ShadowReach};
    legend.frame = {box.left - FrameWidth, box.top - FrameWidth, box.right + FrameWidth,
                    box.bottom + FrameWidth};
    for (int k = 0; k < columns; ++k) {
        const int x = box.left + ColorBoxGap + colorBoxWidth + ColorBoxGap + k * itemStep;
        const int y = box.top + EntryTopInset;
        legend.entries.append({{texts[k], {x, y}},
                               {x - ColorBoxGap - colorBoxWidth, y + ColorBoxInset, x - ColorBoxGap,
                                y + font.lineHeight - ColorBoxInset},
                               points[k].color});
    }
    plot.bottom = box.top - percentShare(GapPercent, plot.height());
    return legend;
}

} // namespace chart
