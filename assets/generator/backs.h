// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "raster.h"

#include <QImage>
#include <QSize>

namespace artwork
{

// Back design 1..8 at `size`: 62 x 71 for the left column, whose mirror the right column
// shows, and the card's full 71 x 96 for the chooser.
QImage drawBack(int design, QSize size);
// The empty table place, 71 x 96.
QImage drawNone();

// The pattern of design 1, which the back card of the icon wears too: white lines every
// LatticeStep pixels along both diagonals, on blue.
inline constexpr int LatticeStep = 6;
Brush lattice();

} // namespace artwork
