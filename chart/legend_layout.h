// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/edge_rect.h"
#include "chart/font_measure.h"
#include "chart/pie_point.h"
#include "chart/text_placement.h"

#include <QList>

namespace chart
{

// One point in the legend: a small box in its colour, then its value and label.
struct LegendEntry {
    TextPlacement text;
    EdgeRect colorBox;
    QColor color;
};

// The one-row legend at the bottom of the chart: a white box in a black frame with a black
// shadow to its right and below, and the entries that fit. No entries: nothing is drawn.
struct LegendLayout {
    EdgeRect shadow;
    EdgeRect frame;
    QList<LegendEntry> entries;
};

// The legend's line for a point: its value, a blank and its label, all on one line.
QString legendText(const PiePoint& point);

// Places the legend at the bottom of `plot`, a little right of its centre by the room the
// panel of `panelWidth` leaves free, and takes the legend's room from the bottom of `plot`.
LegendLayout layoutLegend(const QList<PiePoint>& points, const FontMeasure& font, int panelWidth,
                          EdgeRect& plot);

} // namespace chart
