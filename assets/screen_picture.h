// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

namespace assets
{

// The picture stored under `name`, as loadPicture() gives it, but made ready for the screen
// (32 bits a pixel, opaque). The game's own 16-colour pictures are unpacked straight from the
// program's data in one pass, which costs a fraction of a general image reader and a
// conversion; anything else takes that longer way.
QImage loadScreenPicture(const QString& name);
// Its 2x drawing, as loadDoublePicture() gives it, made ready for the screen the same way.
QImage loadDoubleScreenPicture(const QString& name);

} // namespace assets
