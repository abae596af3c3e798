// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QHash>
#include <QImage>
#include <QString>

class QPainter;

namespace assets
{

// The game's pictures for the screen a view is on, in the screen's own format so that drawing
// one is a plain copy. A screen of device pixel ratio 1 (or less) gets the 1x pictures; a
// screen of ratio 2 or more the 2x pictures; one in between, such as 1.25 or 1.5, the 2x
// pictures smooth-scaled down to its ratio once, so that Qt need not scale them at every
// paint. Every picture is tagged with its ratio and so drawn at the logical size of the 1x one.
// Each is read and decoded the first time it is asked for at its density and kept, so a game
// on an ordinary screen never reads the 2x set, nor one on a dense screen the 1x set.
class PictureCache
{
public:
    // The picture named as loadPicture() names it; null when no picture has that name.
    QImage picture(const QString& name, qreal devicePixelRatio);

private:
    // The 2x picture scaled down to a ratio between 1 and 2; only the last such ratio asked
    // for is kept.
    QImage scaledDown(const QString& key, const QImage& twice, qreal devicePixelRatio);

    QHash<QString, QImage> single_;
    QHash<QString, QImage> double_;
    QHash<QString, QImage> scaled_;
    qreal scaledRatio_ = 0;
};

// The device pixel ratio of what a painter paints on: of the screen for a widget painted as
// usual, of the picture for a widget rendered into one.
qreal paintedRatio(const QPainter& painter);

} // namespace assets
