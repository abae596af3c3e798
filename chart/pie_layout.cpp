// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/pie_layout.h"

#include "chart/number_texts.h"

namespace chart
{

namespace
{

// The panel's margins and the title above the pie.
constexpr int SideMarginPercent = 3;
constexpr int TopBottomMarginPercent = 4;
constexpr int TitleGap = 5;

// The legend.
constexpr int LegendTextPadding = 4; // added to the widest text
constexpr int ColorBoxPercent = 12;  // colour box width, in percent of the padded text width
constexpr int ColorBoxGap = 4;       // on either side of a colour box
constexpr int ColorBoxInset = 2;     // between a colour box and the top and bottom of its line
constexpr int LegendSideMargins = 8; // both sides together
constexpr int LegendRowPadding = 2;  // added to the row's height
constexpr int LegendEntryTopInset = 1;
constexpr int LegendFrameWidth = 1;
constexpr int LegendShadowSize = 3;
// How far the shadow reaches beyond the legend's right and bottom: past the frame, by its size.
constexpr int LegendShadowReach =
    LegendShadowSize + LegendFrameWidth + divTowardZero(LegendFrameWidth - 1, 2);
// Share of the panel width left beside the legend by which it moves right of centre.
constexpr int RightOfCentrePercent = 10;
// Gap between the legend and the pie, in percent of the plot height above the legend.
constexpr int LegendGapPercent = 4;

// The circle.
constexpr int MinimumCircleSide = 4;
constexpr int SmallestDrawnCircle = 5; // a smaller circle shows its marks but no slices

TextPlacement placeTitle(const FontMeasure& font, EdgeRect& plot)
{
    const int x = plot.centre().x() - divTowardZero(font.textWidth(ChartTitle), 2);
    TextPlacement title{ChartTitle, {x, plot.top}};
    plot.top += font.lineHeight + TitleGap;
    return title;
}

// How many legend entries `itemWidth` wide fit side by side in `plot`, at most `entryCount`.
int legendColumnCount(int itemWidth, const EdgeRect& plot, qsizetype entryCount)
{
    if (plot.right <= LegendSideMargins)
        return 0;
    const int fitting =
        divTowardZero(plot.width() - 2 * LegendFrameWidth - LegendSideMargins, itemWidth);
    return static_cast<int>(std::min<qsizetype>(fitting, entryCount));
}

// Makes both sides even, so the centre falls on a whole pixel, and at least the minimum.
EdgeRect evenedOut(EdgeRect rect)
{
    if (rect.width() % 2 != 0)
        --rect.right;
    if (rect.height() % 2 != 0)
        --rect.bottom;
    rect.right = std::max(rect.right, rect.left + MinimumCircleSide);
    rect.bottom = std::max(rect.bottom, rect.top + MinimumCircleSide);
    return rect;
}

// White, unless white would vanish into the slice or the panel round it.
QColor arrowColorFor(const QColor& sliceColor, const QColor& chartColor)
{
    const QRgb arrow = MarkArrowColor.rgb();
    if (arrow == sliceColor.rgb() || arrow == chartColor.rgb())
        return inkOn(chartColor);
    return MarkArrowColor;
}

QList<PiePoint> withMagnitudes(QList<PiePoint> points)
{
    for (PiePoint& point : points)
        point.value = std::abs(point.value);
    return points;
}

QList<Wedge> wedgesOf(const QList<PiePoint>& points, const QList<SliceAngles>& angles,
                      const CircleLayout& circle)
{
    QList<Wedge> wedges;
    if (circle.rect.width() < SmallestDrawnCircle || circle.rect.height() < SmallestDrawnCircle)
        return wedges;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const double span = angles[i].end - angles[i].start;
        if (span != 0)
            wedges.append({angles[i].start, span, points[i].color});
    }
    return wedges;
}

} // namespace

EdgeRect plotRect(QSize panel)
{
    const int marginX = percentShare(SideMarginPercent, panel.width());
    const int marginY = percentShare(TopBottomMarginPercent, panel.height());
    return {marginX, marginY, panel.width() - marginX, panel.height() - marginY};
}

LegendLayout layoutLegend(const QList<PiePoint>& points, const FontMeasure& font, int panelWidth,
                          EdgeRect& plot)
{
    QStringList texts;
    for (const PiePoint& point : points)
        texts.append(legendText(point));
    const int textWidth = font.widest(texts) + LegendTextPadding;
    const int colorBoxWidth = roundHalfToEven(ColorBoxPercent * textWidth / 100.0);
    const int itemWidth = textWidth + colorBoxWidth + 2 * ColorBoxGap;
    const int columns = legendColumnCount(itemWidth, plot, texts.size());
    if (columns < 1)
        return {};

    // One row, standing on the plot's bottom with room below for the frame and the shadow.
    const int bottom = plot.bottom - LegendShadowSize - (LegendFrameWidth + 1);
    const int top = bottom - LegendRowPadding - font.lineHeight;
    const int itemStep = textWidth + colorBoxWidth + ColorBoxGap;
    const int width =
        std::min(plot.width(), 2 * LegendShadowSize + itemStep * columns + LegendSideMargins);
    const int shift = roundHalfToEven(RightOfCentrePercent * (panelWidth - width) / 100.0);
    const int centreX = plot.centre().x();
    const EdgeRect box{centreX - divTowardZero(width, 2) + shift, top,
                       shift + divTowardZero(width, 2) + centreX, bottom};

    LegendLayout legend;
    legend.shadow = {box.left + LegendShadowSize, box.top + LegendShadowSize,
                     box.right + LegendShadowReach, box.bottom + LegendShadowReach};
    legend.frame = {box.left - LegendFrameWidth, box.top - LegendFrameWidth,
                    box.right + LegendFrameWidth, box.bottom + LegendFrameWidth};
    for (int k = 0; k < columns; ++k) {
        const int x = box.left + ColorBoxGap + colorBoxWidth + ColorBoxGap + k * itemStep;
        const int y = box.top + LegendEntryTopInset;
        legend.entries.append({{texts[k], {x, y}},
                               {x - ColorBoxGap - colorBoxWidth, y + ColorBoxInset, x - ColorBoxGap,
                                y + font.lineHeight - ColorBoxInset},
                               points[k].color});
    }
    plot.bottom = box.top - percentShare(LegendGapPercent, plot.height());
    return legend;
}

QList<SliceAngles> sliceAngles(const QList<PiePoint>& points)
{
    const double total = valueTotal(points);
    QList<SliceAngles> angles;
    double start = 0;
    double runningSum = 0;
    for (const PiePoint& point : points) {
        runningSum += point.value;
        double end = FullTurn;
        // The slice that completes the sum ends exactly at a full turn, so the pie closes
        // however the division rounds; and no slice ever wraps round more than once.
        if (total != 0 && runningSum != total)
            end = std::min(runningSum * (FullTurn / total), start + FullTurn);
        angles.append({start, (start + end) * 0.5, end});
        start = end;
    }
    return angles;
}

QPoint pointAtAngle(double angle, QPoint centre, int rx, int ry)
{
    // Screen y grows downwards, counter-clockwise angles upwards.
    return {centre.x() + roundHalfToEven(std::cos(angle) * rx),
            centre.y() - roundHalfToEven(std::sin(angle) * ry)};
}

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

QList<MarkLayout> layoutMarks(const QList<PiePoint>& points, const QStringList& texts,
                              const QList<SliceAngles>& angles, const CircleLayout& circle,
                              const FontMeasure& font, const QColor& chartColor)
{
    QList<MarkLayout> marks;
    for (qsizetype i = 0; i < points.size(); ++i) {
        const int textWidth = font.textWidth(texts[i]);
        const int width = font.wWidth + textWidth + 2 * MarkFrameWidth;
        const int height = font.lineHeight + 2 * MarkFrameWidth;
        const double angle = angles[i].middle;
        const QPoint end = pointAtAngle(angle, circle.centre, circle.rx + font.wWidth,
                                        circle.ry + font.lineHeight);
        // Right of the centre the box hangs right of the arrow's end, elsewhere left of it;
        // below the centre it hangs down, elsewhere up.
        const int left = end.x() > circle.centre.x() ? end.x() : end.x() - width;
        const int top = end.y() > circle.centre.y() ? end.y() : end.y() - height;
        MarkLayout mark;
        mark.arrowStart = pointAtAngle(angle, circle.centre, circle.rx - MarkArrowLength,
                                       circle.ry - MarkArrowLength);
        mark.arrowEnd = end;
        mark.arrowColor = arrowColorFor(points[i].color, chartColor);
        mark.box = {left, top, left + width, top + height};
        mark.text = {
            texts[i],
            {left + divTowardZero(width, 2) - divTowardZero(textWidth, 2), top + MarkFrameWidth}};
        marks.append(mark);
    }
    return marks;
}

PieLayout layoutPie(QSize panel, const QList<PiePoint>& points, const ChartFonts& fonts,
                    double pixelAspect, const QColor& chartColor)
{
    const QList<PiePoint> shown = withMagnitudes(points);
    PieLayout layout;
    layout.plot = plotRect(panel);
    layout.title = placeTitle(fonts.title, layout.plot);
    layout.legend = layoutLegend(shown, fonts.legend, panel.width(), layout.plot);
    layout.angles = sliceAngles(shown);
    const QStringList markTextList = markTexts(shown);
    layout.circle =
        layoutCircle(layout.plot, fonts.marks.widest(markTextList), fonts.marks, pixelAspect);
    layout.wedges = wedgesOf(shown, layout.angles, layout.circle);
    layout.marks =
        layoutMarks(shown, markTextList, layout.angles, layout.circle, fonts.marks, chartColor);
    return layout;
}

} // namespace chart
