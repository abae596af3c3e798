// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cmath>

// The three ways the chart's layout turns fractions into whole pixels. They differ on purpose:
// mixing them up moves boxes by a pixel.
namespace chart
{

// To the nearest integer, halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
inline int roundHalfToEven(double x)
{
    // lrint follows the current rounding mode, which is to-nearest-even unless changed.
    return static_cast<int>(std::lrint(x));
}

// `percent` percent of `n`, halves away from zero: 3 % of 150 is 4.5 and gives 5.
inline int percentShare(int percent, int n)
{
    return static_cast<int>(std::lround(percent * n / 100.0));
}

// Integer division that drops the fraction, so -7 / 2 gives -3 (never -4).
constexpr int divTowardZero(int dividend, int divisor)
{
    return dividend / divisor;
}

} // namespace chart
