// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/card_pictures.h"

#include "assets/pictures.h"
#include "store/settings.h"

namespace window
{

namespace
{

QString backOrFallback(const QString& name, const QString& fallback)
{
    return assets::hasPicture(name) ? name : fallback;
}

} // namespace

QImage CardPictures::face(game::Card card, qreal devicePixelRatio)
{
    return pictures_.picture(assets::faceName(card), devicePixelRatio);
}

QImage CardPictures::emptyCell(qreal devicePixelRatio)
{
    return pictures_.picture(QStringLiteral("None"), devicePixelRatio);
}

void CardPictures::setBacks(const QString& leftName, const QString& rightName)
{
    const store::Settings defaults;
    leftBack_ = backOrFallback(leftName, defaults.leftBack);
    rightBack_ = backOrFallback(rightName, defaults.rightBack);
}

QImage CardPictures::leftBack(qreal devicePixelRatio)
{
    return pictures_.picture(leftBack_, devicePixelRatio);
}

QImage CardPictures::rightBack(qreal devicePixelRatio)
{
    return pictures_.picture(rightBack_, devicePixelRatio);
}

} // namespace window
