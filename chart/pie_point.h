// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QString>
#include <numeric>

namespace chart
{

// One slice of the pie: how much, whose, and in which colour.
struct PiePoint {
    double value = 0;
    QString label;
    QColor color;
};

// The sum the slices share out, summed in point order so that a running sum over the same
// points reaches it exactly.
inline double valueTotal(const QList<PiePoint>& points)
{
    return std::accumulate(points.begin(), points.end(), 0.0,
                           [](double sum, const PiePoint& point) { return sum + point.value; });
}

} // namespace chart
