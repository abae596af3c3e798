// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/card_pictures.h"

#include "assets/pictures.h"
#include "assets/screen_picture.h"
#include "store/settings.h"

namespace window
{

namespace
{

QImage loadBack(const QString& name, const QString& fallback)
{
    QImage back = assets::loadScreenPicture(name);
    return back.isNull() ? assets::loadScreenPicture(fallback) : back;
}

} // namespace

const QImage& CardPictures::face(game::Card card)
{
    QImage& picture = faces_[game::indexOf(card.suit) * game::RankCount + game::indexOf(card.rank)];
    if (picture.isNull())
        picture = assets::loadScreenPicture(assets::faceName(card));
    return picture;
}

const QImage& CardPictures::emptyCell()
{
    if (emptyCell_.isNull())
        emptyCell_ = assets::loadScreenPicture(QStringLiteral("None"));
    return emptyCell_;
}

void CardPictures::setBacks(const QString& leftName, const QString& rightName)
{
    const store::Settings defaults;
    leftBack_ = loadBack(leftName, defaults.leftBack);
    rightBack_ = loadBack(rightName, defaults.rightBack);
}

} // namespace window
