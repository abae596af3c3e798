// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "raster.h"

#include <QImage>
#include <QSize>

namespace artwork
{

// Back design 1..8 at `size` times `scale`: 62 x 71 for the left column, whose mirror the
// right column shows, and the card's full 71 x 96 for the chooser.
QImage drawBack(int design, QSize size, int scale);
// The empty table place, 71 x 96 times `scale`.
QImage drawNone(int scale);

// The pattern of design 1, which the back card of the icon wears too: white lines every
// LatticeStep 1x pixels along both diagonals, on blue.
inline constexpr int LatticeStep = 6;
Brush lattice();

} // namespace artwork
