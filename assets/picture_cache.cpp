// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/picture_cache.h"

#include "assets/pictures.h"

namespace assets
{

QImage PictureCache::picture(const QString& name, qreal devicePixelRatio)
{
    // Written so that a ratio that is no number at all gets the 1x pictures too.
    const bool dense = devicePixelRatio > 1;
    QHash<QString, QImage>& kept = dense ? double_ : single_;
    const QString key = name.toUpper();
    if (const auto found = kept.constFind(key); found != kept.constEnd())
        return *found;
    QImage picture = dense ? loadDoublePicture(name) : loadPicture(name);
    if (!picture.isNull())
        kept.insert(key, picture);
    return picture;
}

} // namespace assets
