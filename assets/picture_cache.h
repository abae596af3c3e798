// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

namespace assets
{

// The game's pictures for the screen a view is on. A screen of device pixel ratio 1 (or
// less) gets the 1x pictures; any denser one the 2x pictures, which Qt draws at the logical
// size of the 1x ones and smooth-scales for ratios between 1 and 2. Each picture is read and
// decoded the first time it is asked for at its density and kept, so a game on an ordinary
// screen never reads the 2x set, nor one on a dense screen the 1x set.
class PictureCache
{
public:
    // The picture named as loadPicture() names it; null when no picture has that name.
    QImage picture(const QString& name, qreal devicePixelRatio);

private:
    QHash<QString, QImage> single_;
    QHash<QString, QImage> double_;
};

} // namespace assets
