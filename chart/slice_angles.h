// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/pie_point.h"

#include <QList>
#include <QPoint>
#include <numbers>

namespace chart
{

inline constexpr double FullTurn = 2 * std::numbers::pi;

// Where one slice runs, in radians counter-clockwise from 3 o'clock.
struct SliceAngles {
    double start = 0;
    double middle = 0;
    double end = 0;
};

// The slices of points with non-negative values, in point order, from 3 o'clock round to a
// full turn. With nothing to share out the first slice takes the whole disc.
QList<SliceAngles> sliceAngles(const QList<PiePoint>& points);

// The pixel at `angle` on the ellipse round `centre` with radii `rx` and `ry`.
QPoint pointAtAngle(double angle, QPoint centre, int rx, int ry);

} // namespace chart
