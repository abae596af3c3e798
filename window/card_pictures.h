// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/picture_cache.h"
#include "game/card.h"

#include <QImage>
#include <QString>

namespace window
{

// The pictures the table shows, each for the device pixel ratio of the screen it is drawn on.
// A picture is read and made ready when it is first asked for at that ratio: only a dozen show
// at the deal, and the others need not slow the start.
class CardPictures
{
public:
    QImage face(game::Card card, qreal devicePixelRatio);
    QImage emptyCell(qreal devicePixelRatio);

    // The backs named ("RubL1", "RubR1" ...); a name of no back shows the first design.
    void setBacks(const QString& leftName, const QString& rightName);
    QImage leftBack(qreal devicePixelRatio);
    QImage rightBack(qreal devicePixelRatio);

private:
    assets::PictureCache pictures_;
    QString leftBack_;
    QString rightBack_;
};

} // namespace window
