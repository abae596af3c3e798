// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <array>

namespace artwork
{

// The program icon, 32 x 32 times `scale` in the 16 colours, for the window and the about box.
QImage drawIcon(int scale);

// The same picture painted smooth on a transparent ground, `size` pixels square, for the
// desktop's icon theme.
inline constexpr std::array<int, 5> DesktopIconSizes = {32, 48, 64, 128, 256};
QImage drawDesktopIcon(int size);

} // namespace artwork
