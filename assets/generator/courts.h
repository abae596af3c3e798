// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "faces.h"

#include <QImage>

namespace artwork
{

// Court panels: the upper half of the framed picture of a jack (11), queen (12) or king (13)
// of `suit`; the card shows it at both ends.
inline constexpr int CourtPanelWidth = 43;
inline constexpr int CourtPanelHeight = 38;

QImage drawCourtPanel(FaceCard card, int scale);

} // namespace artwork
