#pragma once

#include <QImage>

namespace artwork
{

// Back design 1..8 for the left column, 62 x 71; the right column shows its mirror.
QImage DrawBack(int design);
// The empty table place, 71 x 96.
QImage DrawNone();
// The program icon, 32 x 32.
QImage DrawIcon();

} // namespace artwork
