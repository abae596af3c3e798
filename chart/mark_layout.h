// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/circle_layout.h"
#include "chart/edge_rect.h"
#include "chart/font_measure.h"
#include "chart/pie_point.h"
#include "chart/slice_angles.h"
#include "chart/text_placement.h"

#include <QColor>
#include <QList>
#include <QStringList>

namespace chart
{

inline constexpr int MarkArrowLength = 8; // how far the arrow reaches into its slice
inline constexpr int MarkFrameWidth = 1;

// A slice's percentage beside the pie: a light-yellow framed box with the text, and a short
// arrow from inside the slice out to the box's corner.
struct MarkLayout {
    QPoint arrowStart;
    QPoint arrowEnd;
    QColor arrowColor;
    EdgeRect box;
    TextPlacement text;
};

// Each point's share of the total in percent, as its mark says it; all 100 % when the total
// is 0. The points' values are not negative.
QStringList markTexts(const QList<PiePoint>& points);

// The marks of the points, in point order, round the circle.
QList<MarkLayout> layoutMarks(const QList<PiePoint>& points, const QStringList& texts,
                              const QList<SliceAngles>& angles, const CircleLayout& circle,
                              const FontMeasure& font, const QColor& chartColor);

} // namespace chart
