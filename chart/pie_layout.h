// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/circle_layout.h"
#include "chart/edge_rect.h"
#include "chart/font_measure.h"
#include "chart/legend_layout.h"
#include "chart/mark_layout.h"
#include "chart/pie_point.h"
#include "chart/slice_angles.h"
#include "chart/text_placement.h"

#include <QColor>
#include <QList>
#include <QSize>

namespace chart
{

// The chart's heading, written centred above the pie.
inline const QString ChartTitle = QStringLiteral("Счёт");

// A slice that shows: its angles in radians, counter-clockwise from 3 o'clock.
struct Wedge {
    double startAngle = 0;
    double spanAngle = 0;
    QColor color;
};

// Everything one paint of the chart draws, worked out before anything is drawn.
struct PieLayout {
    TextPlacement title;
    LegendLayout legend;
    EdgeRect plot;             // what is left for the pie and its marks
    QList<SliceAngles> angles; // one per point
    CircleLayout circle;
    QList<Wedge> wedges;     // in point order, only those with something to draw
    QList<MarkLayout> marks; // one per point
};

// The area inside the panel's margins, before the title and legend take their room.
EdgeRect plotRect(QSize panel);

// Lays the chart out on a panel of the given size. Negative values are drawn as their
// magnitudes, so the slices always make up the whole circle.
PieLayout layoutPie(QSize panel, const QList<PiePoint>& points, const ChartFonts& fonts,
                    double pixelAspect, const QColor& chartColor);

} // namespace chart
