// SPDX-License-Identifier: GPL-3.0-or-later
#include "raster.h"

#include "palette.h"

#include <QPolygonF>
#include <cmath>
#include <vector>

namespace artwork
{

namespace
{

constexpr double PixelCentre = 0.5;

// Where the centre of pixel `i` of a picture drawn at `scale` lies, in 1x pixels. Exact in
// floating point for the scales used, so a 1x picture sees the very numbers it always did.
double centreOf(int i, int scale)
{
    return (i + PixelCentre) / scale;
}

// For each pixel of `image`, whether its centre lies inside `shape`.
std::vector<bool> cover(const QImage& image, const QPainterPath& shape)
{
    const int scale = scaleOf(image);
    std::vector<bool> inside(std::size_t(image.width()) * std::size_t(image.height()), false);
    const QRectF bounds = shape.boundingRect();
    const QRect box = QRectF(bounds.topLeft() * scale, bounds.size() * scale)
                          .toAlignedRect()
                          .intersected(image.rect());
    for (int y = box.top(); y <= box.bottom(); ++y)
        for (int x = box.left(); x <= box.right(); ++x)
            inside[std::size_t(y) * std::size_t(image.width()) + std::size_t(x)] =
                shape.contains(QPointF(centreOf(x, scale), centreOf(y, scale)));
    return inside;
}

void paint(QImage& image, const QPainterPath& shape, const Brush& brush, bool outlined)
{
    const std::vector<bool> inside = cover(image, shape);
    const int w = image.width();
    const int h = image.height();
    const int scale = scaleOf(image);
    // Beyond the border of the image counts as inside.
    const auto in = [&](int x, int y) {
        return x < 0 || y < 0 || x >= w || y >= h ||
               inside[std::size_t(y) * std::size_t(w) + std::size_t(x)];
    };
    // The rim is as wide as a 1x pixel: at 2x a pixel two steps from the edge is rim too.
    const auto onRim = [&](int x, int y) {
        for (int step = 1; step <= scale; ++step)
            if (!(in(x - step, y) && in(x + step, y) && in(x, y - step) && in(x, y + step)))
                return true;
        return false;
    };
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) {
            if (!inside[std::size_t(y) * std::size_t(w) + std::size_t(x)])
                continue;
            image.setPixel(x, y,
                           outlined && onRim(x, y)
                               ? colour::Black
                               : brush(QPointF(centreOf(x, scale), centreOf(y, scale))));
        }
}

} // namespace

Brush solid(QRgb colour)
{
    return [colour](QPointF) { return colour; };
}

Brush perPixel(std::function<QRgb(int x, int y)> pattern)
{
    return [pattern = std::move(pattern)](QPointF centre) {
        return pattern(int(std::floor(centre.x())), int(std::floor(centre.y())));
    };
}

int nearest(double value)
{
    return int(std::floor(value + PixelCentre));
}

QImage canvas(QSize size, int scale)
{
    QImage picture(size * scale, QImage::Format_RGB32);
    picture.setDevicePixelRatio(scale);
    return picture;
}

int scaleOf(const QImage& picture)
{
    return int(picture.devicePixelRatio());
}

QRect logicalRect(const QImage& picture)
{
    return QRect(QPoint(0, 0), picture.size() / scaleOf(picture));
}

QImage transparentLayer(const QImage& picture)
{
    QImage layer(picture.size(), QImage::Format_ARGB32);
    layer.setDevicePixelRatio(picture.devicePixelRatio());
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

void dot(QImage& image, int x, int y, QRgb colour)
{
    const int scale = scaleOf(image);
    for (int dy = 0; dy < scale; ++dy)
        for (int dx = 0; dx < scale; ++dx)
            image.setPixel(x * scale + dx, y * scale + dy, colour);
}

void drawFrame(QImage& image, const QRect& box)
{
    for (int x = box.left(); x <= box.right(); ++x) {
        dot(image, x, box.top(), colour::Black);
        dot(image, x, box.bottom(), colour::Black);
    }
    for (int y = box.top(); y <= box.bottom(); ++y) {
        dot(image, box.left(), y, colour::Black);
        dot(image, box.right(), y, colour::Black);
    }
}

void overlay(QImage& image, const QImage& layer, QPoint at)
{
    const QPoint origin = at * scaleOf(image);
    for (int y = 0; y < layer.height(); ++y)
        for (int x = 0; x < layer.width(); ++x) {
            const QRgb pixel = layer.pixel(x, y);
            if (qAlpha(pixel) != 0 && image.valid(origin.x() + x, origin.y() + y))
                image.setPixel(origin.x() + x, origin.y() + y,
                               qRgb(qRed(pixel), qGreen(pixel), qBlue(pixel)));
        }
}

void overlayBothEnds(QImage& image, const QImage& layer)
{
    overlay(image, layer);
    overlay(image, layer.mirrored(true, true));
}

} // namespace artwork
