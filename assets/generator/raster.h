// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainterPath>
#include <functional>

// Pixel-exact drawing for the pictures. A pixel belongs to a shape when its centre lies inside
// the shape, so a shape symmetric about a pixel boundary or a pixel centre comes out exactly
// symmetric, and nothing depends on a rasteriser's antialiasing.
namespace artwork
{

// The colour of each pixel of a shape, for solid fills and patterns alike.
using Brush = std::function<QRgb(int x, int y)>;

Brush solid(QRgb colour);

// A transparent layer of the given size, to be drawn on and laid over a picture.
QImage transparentLayer(int width, int height);

void fillShape(QImage& image, const QPainterPath& shape, const Brush& brush);
// Fills `shape` and draws a one-pixel black rim along the inside of its edge. The border of
// the image does not count as an edge, so a shape running off the image stays open there.
void fillOutlined(QImage& image, const QPainterPath& shape, const Brush& brush);

QPainterPath rectangle(double x, double y, double width, double height);
QPainterPath ellipse(double x, double y, double width, double height);
QPainterPath circle(QPointF centre, double radius);
QPainterPath polygon(std::initializer_list<QPointF> corners);

// The one-pixel black border of `box`.
void drawFrame(QImage& image, const QRect& box);

// Lays the opaque pixels of `layer` over `image` with its top-left corner at `at`.
void overlay(QImage& image, const QImage& layer, QPoint at = {});
// Lays `layer` over `image` as drawn and once more turned through 180 degrees about the
// centre of `image`, which has the size of `layer`: the two ends of a card.
void overlayBothEnds(QImage& image, const QImage& layer);

} // namespace artwork
