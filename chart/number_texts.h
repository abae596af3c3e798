// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/pie_layout.h"

#include <QString>
#include <QStringList>

// The texts the chart writes, in Russian: a decimal comma and thousands grouped with a blank.
namespace chart
{

// A point's value with up to three decimals and grouped thousands: 1234 gives "1 234",
// 2.5 gives "2,5".
QString valueText(double value);

// A share in percent with up to two decimals: "33,33 %", "100 %", "0 %".
QString percentText(double percent);

// The legend's line for a point: its value, a blank and its label, all on one line.
QString legendText(const PiePoint& point);

// Each point's share of the total in percent, as its mark says it; all 100 % when the total
// is 0. The points' values are not negative.
QStringList markTexts(const QList<PiePoint>& points);

} // namespace chart
