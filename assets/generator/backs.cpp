// SPDX-License-Identifier: GPL-3.0-or-later
#include "backs.h"

#include "../pictures.h"
#include "palette.h"
#include "raster.h"

#include <QTransform>
#include <array>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace artwork
{

namespace
{

using namespace colour;

// Every back: a black edge, a white margin, and the design's field inside its own frame line.
// A bigger back has a bigger field with the same margin; the patterns keep their scale.
constexpr int BackMargin = 3;

QRect fieldOf(const QImage& back)
{
    return logicalRect(back).adjusted(BackMargin, BackMargin, -BackMargin, -BackMargin);
}

QPainterPath fieldShape(const QRect& field)
{
    return rectangle(field.x(), field.y(), field.width(), field.height());
}

int wrap(int value, int period)
{
    return ((value % period) + period) % period;
}

// 2: red gingham.
Brush gingham()
{
    constexpr int Check = 3;
    return perPixel([](int x, int y) {
        const bool across = (x / Check) % 2 == 0;
        const bool down = (y / Check) % 2 == 0;
        return across && down ? Maroon : across || down ? Red : White;
    });
}

double wrapAround(double value, double period)
{
    return value - period * std::floor(value / period);
}

// The point a pixel's centre stands for in a pattern laid out on the 1x pixels: the pixel
// itself at 1x, a quarter of a pixel to either side of it at 2x.
QPointF patternPoint(QPointF centre)
{
    return centre - QPointF(0.5, 0.5);
}

// 3: rolling waves, white crests on teal. The swell of each column is read between the
// columns too, so that at 2x the crests climb in half steps.
Brush waves()
{
    constexpr std::array<int, 16> Swell = {0, 1, 2, 2, 3, 2, 2, 1, 0, -1, -2, -2, -3, -2, -2, -1};
    constexpr int Period = int(Swell.size());
    constexpr int RowStep = 7;
    return [Swell](QPointF centre) {
        const QPointF at = patternPoint(centre);
        const int column = int(std::floor(at.x()));
        const double between = at.x() - column;
        const double swell = (1 - between) * Swell[std::size_t(wrap(column, Period))] +
                             between * Swell[std::size_t(wrap(column + 1, Period))];
        switch (wrap(nearest(at.y() + swell), RowStep)) {
        case 0:
            return White;
        case 1:
            return Aqua;
        case RowStep - 1:
            return Navy;
        default:
            return Teal;
        }
    };
}

// 5: harlequin diamonds, purple and fuchsia, with dark seams; one diamond sits in the middle
// of the field, so the pattern is cut alike at both sides.
Brush harlequin(QPoint middle)
{
    constexpr int Across = 3;
    constexpr int Down = 2;
    constexpr int Size = 36;
    // Keeps both sums positive, so that dividing by Size counts the diamonds truly.
    constexpr int Positive = Size * Size;
    return [middle](QPointF centre) {
        const QPointF at = patternPoint(centre);
        const double dx = Across * (at.x() - middle.x());
        const double dy = Down * (at.y() - middle.y());
        const int rising = nearest(dx + dy) + Size / 2 + Positive;
        const int falling = nearest(dx - dy) + Size / 2 + Positive;
        // A seam as wide as one step across, so that it is unbroken in every row.
        if (rising % Size < Across || falling % Size < Across)
            return Black;
        return (rising / Size + falling / Size) % 2 == 0 ? Fuchsia : Purple;
    };
}

// 6: a red tartan woven in twill: alternate pixels show the warp and the weft.
Brush tartan()
{
    static constexpr std::array Sett = {Red,   Red,   Red,   Red,    Red,   Red,   Navy,  Navy,
                                        Navy,  Navy,  Red,   Yellow, Red,   Navy,  Navy,  Navy,
                                        Navy,  Red,   Red,   Red,    Red,   Green, Green, Green,
                                        Green, White, Green, Green,  Green, Green};
    return perPixel([](int x, int y) {
        const int thread = wrap(x + y, 2) == 0 ? x : y;
        return Sett[std::size_t(wrap(thread, int(Sett.size())))];
    });
}

// 8: green fish scales. Each scale is a disc; the rows above lie over the rows below, so each
// disc shows its rounded lower rim, and its upper part catches the light.
Brush scales()
{
    constexpr int Radius = 7;
    constexpr int Width = 2 * Radius;
    return [](QPointF centre) {
        const QPointF at = patternPoint(centre);
        for (int row = int(std::floor(at.y() / Radius)) - 1;; ++row) {
            const int shift = wrap(row, 2) * Radius;
            const int column = nearest((at.x() - shift) / Width);
            const double dx = at.x() - (column * Width + shift);
            const double dy = at.y() - row * Radius;
            const double distance = dx * dx + dy * dy;
            if (distance > Radius * Radius)
                continue;
            if (distance > (Radius - 1) * (Radius - 1))
                return Black;
            return dy < 0 ? Lime : Green;
        }
    };
}

// 4: a rosette of eight petals on a navy field sprinkled with stars.
void rosette(QImage& back, const QRect& field)
{
    constexpr int StarStep = 6;
    fillShape(back, fieldShape(field), perPixel([](int x, int y) {
                  return wrap(x, StarStep) == 0 && wrap(y, StarStep) == 0 ? Yellow : Navy;
              }));
    constexpr double RingRadius = 22;
    constexpr double PetalLength = 19;
    constexpr double PetalWidth = 8;
    const QPointF centre = QRectF(field).center();
    fillOutlined(back, circle(centre, RingRadius), solid(Blue));
    fillOutlined(back, circle(centre, RingRadius - 3), solid(Navy));
    const double diagonal = std::sqrt(0.5);
    const std::array<QTransform, 4> turns = {
        QTransform(), QTransform(0, 1, -1, 0, 0, 0),
        QTransform(diagonal, diagonal, -diagonal, diagonal, 0, 0),
        QTransform(diagonal, -diagonal, diagonal, diagonal, 0, 0)};
    const QPainterPath petal = ellipse(-PetalLength, -PetalWidth / 2, 2 * PetalLength, PetalWidth);
    for (const QTransform& turn : turns)
        fillOutlined(back, (turn * QTransform::fromTranslate(centre.x(), centre.y())).map(petal),
                     solid(Red));
    fillOutlined(back, circle(centre, 6), solid(Yellow));
}

// 7: a golden sunburst: rays from the centre of the field to every few pixels of its edge.
void sunburst(QImage& back, const QRect& field)
{
    fillShape(back, fieldShape(field), solid(Olive));
    constexpr int RaySpacing = 6;
    std::vector<QPointF> edge;
    const QRectF box(field);
    const QPointF centre = box.center();
    for (double x = box.left(); x < box.right(); x += RaySpacing)
        edge.emplace_back(x, box.top());
    for (double y = box.top(); y < box.bottom(); y += RaySpacing)
        edge.emplace_back(box.right(), y);
    for (double x = box.right(); x > box.left(); x -= RaySpacing)
        edge.emplace_back(x, box.bottom());
    for (double y = box.bottom(); y > box.top(); y -= RaySpacing)
        edge.emplace_back(box.left(), y);
    for (std::size_t i = 0; i + 1 < edge.size(); i += 2)
        fillShape(back, polygon({centre, edge[i], edge[i + 1]}), solid(Yellow));
    fillOutlined(back, circle(centre, 9), solid(Red));
    fillOutlined(back, circle(centre, 5), solid(Yellow));
}

} // namespace

// 1: a white lattice on blue, with a light dot in every cell.
Brush lattice()
{
    // A dot of this radius covers the one pixel at the middle of a cell at 1x, and the four
    // around that point at 2x. Squared, and measured along the diagonals, which are longer
    // by the square root of two.
    constexpr double DotRadius = 0.6;
    constexpr double DotReach = 2 * DotRadius * DotRadius;
    return [](QPointF centre) {
        const QPointF at = patternPoint(centre);
        if (wrap(nearest(at.x() + at.y()), LatticeStep) == 0 ||
            wrap(nearest(at.x() - at.y()), LatticeStep) == 0)
            return White;
        const double rising = wrapAround(at.x() + at.y(), LatticeStep) - LatticeStep / 2.0;
        const double falling = wrapAround(at.x() - at.y(), LatticeStep) - LatticeStep / 2.0;
        return rising * rising + falling * falling < DotReach ? Aqua : Blue;
    };
}

QImage drawBack(int design, QSize size, int scale)
{
    QImage back = canvas(size, scale);
    back.fill(White);
    drawFrame(back, logicalRect(back));
    const QRect field = fieldOf(back);
    const QPainterPath shape = fieldShape(field);
    switch (design) {
    case 1:
        fillShape(back, shape, lattice());
        break;
    case 2:
        fillShape(back, shape, gingham());
        break;
    case 3:
        fillShape(back, shape, waves());
        break;
    case 4:
        rosette(back, field);
        break;
    case 5:
        fillShape(back, shape, harlequin(field.center()));
        break;
    case 6:
        fillShape(back, shape, tartan());
        break;
    case 7:
        sunburst(back, field);
        break;
    default:
        fillShape(back, shape, scales());
        break;
    }
    drawFrame(back, field);
    return back;
}

// Black dots on the green cloth of the table, in staggered rows clear of the probe pixel
// (4, 1) by which the game knows an empty place.
QImage drawNone(int scale)
{
    constexpr int DotStep = 6;
    QImage none = canvas(QSize(assets::FaceWidth, assets::FaceHeight), scale);
    none.fill(Green);
    const QRect place = logicalRect(none);
    fillShape(none, rectangle(0, 0, place.width(), place.height()), perPixel([](int x, int y) {
                  const int shift = (y / DotStep) % 2 * DotStep / 2;
                  return y % DotStep == DotStep / 2 && (x + shift) % DotStep == 0 ? Black : Green;
              }));
    drawFrame(none, place);
    return none;
}

} // namespace artwork
