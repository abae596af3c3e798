// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/card_pictures.h"

#include "assets/pictures.h"
#include "store/settings.h"

namespace window
{

namespace
{

QImage screenPicture(const QString& name)
{
    return assets::loadPicture(name).convertToFormat(QImage::Format_RGB32);
}

QImage loadBack(const QString& name, const QString& fallback)
{
    QImage back = screenPicture(name);
    return back.isNull() ? screenPicture(fallback) : back;
}

} // namespace

const QImage& CardPictures::face(game::Card card)
{
    QImage& picture = faces_[game::indexOf(card.suit) * game::RankCount + game::indexOf(card.rank)];
    if (picture.isNull())
        picture = screenPicture(assets::faceName(card));
    return picture;
}

const QImage& CardPictures::emptyCell()
{
    if (emptyCell_.isNull())
        emptyCell_ = screenPicture(QStringLiteral("None"));
    return emptyCell_;
}

void CardPictures::setBacks(const QString& leftName, const QString& rightName)
{
    const store::Settings defaults;
    leftBack_ = loadBack(leftName, defaults.leftBack);
    rightBack_ = loadBack(rightName, defaults.rightBack);
}

} // namespace window
