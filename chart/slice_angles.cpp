// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/slice_angles.h"

#include "chart/rounding.h"

#include <cmath>

namespace chart
{

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

} // namespace chart
