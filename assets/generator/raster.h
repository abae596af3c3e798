// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QPainterPath>
#include <functional>

// Pixel-exact drawing for the pictures. A pixel belongs to a shape when its centre lies inside
// the shape, so a shape symmetric about a pixel boundary or a pixel centre comes out exactly
// symmetric, and nothing depends on a rasteriser's antialiasing.
//
// Every picture is drawn at a scale: 1 for the game's own sizes, 2 for dense screens. The
// shapes are always given in the pixels of the 1x picture, and a picture knows its scale as
// its device pixel ratio, so the same drawing code makes both: at 2x each shape is sampled at
// four points of each 1x pixel, and a line one pixel wide at 1x is two pixels wide.
namespace artwork
{

// The colour of each pixel of a shape, for solid fills and patterns alike, given the pixel's
// centre in the 1x picture's pixels: (x + 0.5, y + 0.5) for pixel (x, y) at 1x, and the four
// quarter points of that pixel at 2x.
using Brush = std::function<QRgb(QPointF centre)>;

Brush solid(QRgb colour);
// A pattern made of whole 1x pixels: at 2x each of them is a block of 2 x 2. That is the
// finer drawing of a pattern whose lines run along the rows and columns; slanted and round
// patterns read the centre themselves to come out smoother.
Brush perPixel(std::function<QRgb(int x, int y)> pattern);
// The nearest whole number, halves rounded up: where a slanted pattern line one pixel wide
// falls, read at a pixel's centre less half a pixel, which is a whole number at 1x.
int nearest(double value);

// A picture of `size` 1x pixels to be drawn at `scale`.
QImage canvas(QSize size, int scale);
int scaleOf(const QImage& picture);
// The picture's rectangle in 1x pixels.
QRect logicalRect(const QImage& picture);
// A transparent layer of the size and scale of `picture`, to be drawn on and laid over it.
QImage transparentLayer(const QImage& picture);

void fillShape(QImage& image, const QPainterPath& shape, const Brush& brush);
// Fills `shape` and draws a black rim one 1x pixel wide along the inside of its edge. The
// border of the image does not count as an edge, so a shape running off the image stays open
// there.
void fillOutlined(QImage& image, const QPainterPath& shape, const Brush& brush);

QPainterPath rectangle(double x, double y, double width, double height);
QPainterPath ellipse(double x, double y, double width, double height);
QPainterPath circle(QPointF centre, double radius);
QPainterPath polygon(std::initializer_list<QPointF> corners);

// Paints the 1x pixel (x, y).
void dot(QImage& image, int x, int y, QRgb colour);
// The black border of `box`, one 1x pixel wide.
void drawFrame(QImage& image, const QRect& box);

// Lays the opaque pixels of `layer` over `image` with its top-left corner at `at`, in 1x
// pixels; the two have the same scale.
void overlay(QImage& image, const QImage& layer, QPoint at = {});
// Lays `layer` over `image` as drawn and once more turned through 180 degrees about the
// centre of `image`, which has the size of `layer`: the two ends of a card.
void overlayBothEnds(QImage& image, const QImage& layer);

} // namespace artwork
