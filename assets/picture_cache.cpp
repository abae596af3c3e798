// SPDX-License-Identifier: GPL-3.0-or-later
#include "assets/picture_cache.h"

#include "assets/pictures.h"
#include "assets/screen_picture.h"

#include <QPaintEngine>
#include <QPainter>

namespace assets
{

namespace
{

QImage forScreen(const QImage& picture)
{
    return picture.convertToFormat(QImage::Format_RGB32);
}

} // namespace

QImage PictureCache::picture(const QString& name, qreal devicePixelRatio)
{
    // Written so that a ratio that is no number at all gets the 1x pictures too.
    const bool dense = devicePixelRatio > 1;
    QHash<QString, QImage>& kept = dense ? double_ : single_;
    const QString key = name.toUpper();
    auto found = kept.constFind(key);
    if (found == kept.constEnd()) {
        // Unpacked straight for the screen, the cheaper way at a start.
        const QImage picture = dense ? loadDoubleScreenPicture(name) : loadScreenPicture(name);
        if (picture.isNull())
            return {};
        found = kept.insert(key, picture);
    }
    return dense && devicePixelRatio < DoubleRatio ? scaledDown(key, *found, devicePixelRatio)
                                                   : *found;
}

QImage PictureCache::scaledDown(const QString& key, const QImage& twice, qreal devicePixelRatio)
{
    if (devicePixelRatio != scaledRatio_) {
        scaled_.clear();
        scaledRatio_ = devicePixelRatio;
    }
    if (const auto found = scaled_.constFind(key); found != scaled_.constEnd())
        return *found;
    // The logical size of the 1x picture, in whole device pixels at this ratio.
    const QSizeF logical = twice.deviceIndependentSize();
    const QSize device(qRound(logical.width() * devicePixelRatio),
                       qRound(logical.height() * devicePixelRatio));
    QImage scaled =
        forScreen(twice.scaled(device, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    scaled.setDevicePixelRatio(devicePixelRatio);
    return *scaled_.insert(key, scaled);
}

qreal paintedRatio(const QPainter& painter)
{
    // A widget's painter names the widget as its device even when its painting is redirected
    // into a picture; the engine paints on the real one.
    return painter.paintEngine()->paintDevice()->devicePixelRatio();
}

} // namespace assets
