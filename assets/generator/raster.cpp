// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster.h"

#include "palette.h"

#include <QPolygonF>
#include <vector>

namespace artwork
{

namespace
{

constexpr double PixelCentre = 0.5;

// For each pixel of `image`, whether its centre lies inside `shape`.
std::vector<bool> cover(const QImage& image, const QPainterPath& shape)
{
    std::vector<bool> inside(std::size_t(image.width()) * std::size_t(image.height()), false);
    const QRect box = shape.boundingRect().toAlignedRect().intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            inside[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)] =
                shape.contains(QPointF(x + PixelCentre, y + PixelCentre));
    return inside;
}

void paint(QImage& image, const QPainterPath& shape, const Brush& brush, bool outlined)
{
    const std::vector<bool> inside = cover(image, shape);
    const int w = image.width();
    const int h = image.height();
    // Beyond the border of the image counts as inside.
    const auto in = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ||
               inside[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside[std::size_t(y) * std::size_t(w) + std::size_t(x)])
                continue;
            const bool rim =
                outlined && !(in(x - 1, y) && in(x + 1, y) && in(x, y - 1) && in(x, y + 1));
            image.setPixel(x, y, rim ? colour::Black : brush(x, y));
        }
}

} // namespace

Brush solid(QRgb colour)
{
    return [colour](int, int) { return colour; };
}

QImage transparentLayer(int width, int height)
{
    QImage layer(width, height, QImage::Format_ARGB32);
    layer.fill(Qt::transparent);
    return layer;
}

void fillShape(QImage& image, const QPainterPath& shape, const Brush& brush)
{
    paint(image, shape, brush, false);
}

void fillOutlined(QImage& image, const QPainterPath& shape, const Brush& brush)
{
    paint(image, shape, brush, true);
}

QPainterPath rectangle(double x, double y, double width, double height)
{
    QPainterPath path;
    path.addRect(x, y, width, height);
    return path;
}

QPainterPath ellipse(double x, double y, double width, double height)
{
    QPainterPath path;
    path.addEllipse(x, y, width, height);
    return path;
}

QPainterPath circle(QPointF centre, double radius)
{
    return ellipse(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
}

QPainterPath polygon(std::initializer_list<QPointF> corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(QList<QPointF>(corners)));
    path.closeSubpath();
    return path;
}

void drawFrame(QImage& image, const QRect& box)
{
    for (int x = box.left(); x <= box.right(); ++x) {
        image.setPixel(x, box.top(), colour::Black);
        image.setPixel(x, box.bottom(), colour::Black);
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        image.setPixel(box.left(), y, colour::Black);
        image.setPixel(box.right(), y, colour::Black);
    }
}

void overlay(QImage& image, const QImage& layer, QPoint at)
{
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb pixel = layer.pixel(x, y);
            if (qAlpha(pixel) != 0 && image.valid(at.x() + x, at.y() + y))
                image.setPixel(at.x() + x, at.y() + y,
                               qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
}

void overlayBothEnds(QImage& image, const QImage& layer)
{
    overlay(image, layer);
    overlay(image, layer.mirrored(true, true));
}

} // namespace artwork
