// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/mark_layout.h"

#include "chart/chart_colors.h"
#include "chart/number_texts.h"

namespace chart
{

namespace
{

constexpr double WholePercent = 100;

// White, unless white would vanish into the slice or the panel round it.
QColor arrowColorFor(const QColor& sliceColor, const QColor& chartColor)
{
    const QRgb arrow = MarkArrowColor.rgb();
    if (arrow == sliceColor.rgb() || arrow == chartColor.rgb())
        return inkOn(chartColor);
    return MarkArrowColor;
}

} // namespace

QStringList markTexts(const QList<PiePoint>& points)
{
    const double total = valueTotal(points);
    QStringList texts;
    for (const PiePoint& point : points)
        texts.append(percentText(total == 0 ? WholePercent : point.value * WholePercent / total));
    return texts;
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

} // namespace chart
