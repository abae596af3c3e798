// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>

// The numbers the chart writes, in Russian: a decimal comma and thousands grouped with a
// blank.
namespace chart
{

// A point's value with up to three decimals and grouped thousands: 1234 gives "1 234",
// 2.5 gives "2,5".
QString valueText(double value);

// A share in percent with up to two decimals: "33,33 %", "100 %", "0 %".
QString percentText(double percent);

} // namespace chart
