// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/pie_layout.h"

#include <cmath>

namespace chart
{

namespace
{

constexpr int SideMarginPercent = 3;
constexpr int TopBottomMarginPercent = 4;
constexpr int TitleGap = 5;
constexpr int SmallestDrawnCircle = 5; // a smaller circle shows its marks but no slices

TextPlacement placeTitle(const FontMeasure& font, EdgeRect& plot)
{
    const int x = plot.centre().x() - divTowardZero(font.textWidth(ChartTitle), 2);
    TextPlacement title{ChartTitle, {x, plot.top}};
    plot.top += font.lineHeight + TitleGap;
    return title;
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
