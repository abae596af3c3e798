// SPDX-License-Identifier: GPL-3.0-or-later
#include "suits.h"

#include "palette.h"
#include "raster.h"

#include <QTransform>
#include <cmath>

namespace artwork
{

namespace
{

// The signs are drawn in a unit square, y pointing down.
constexpr double Centre = 0.5;

constexpr double LobeRadius = 0.26;
constexpr double LobeOffset = 0.23; // of each lobe's centre from the middle line
constexpr double LobeHeight = 0.27;
constexpr double SpadeBodyHeight = 0.8; // the spade's leaf above its stem

constexpr double DiamondHalfWidth = 0.4;

constexpr double ClubLeafRadius = 0.235;
constexpr double ClubTopLeaf = 0.245;
constexpr double ClubSideLeaf = 0.6;
constexpr double ClubSideOffset = 0.26;
constexpr double ClubHeartRadius = 0.14; // fills the gap where the three leaves meet

constexpr double StemTop = 0.55;
constexpr double StemFootHalfWidth = 0.2;
constexpr double StemWaist = 0.9; // the stem flares out near the foot

// Qt's path union flattens curves to within half a unit, which would leave the unit-square
// signs as polygons; the parts are united at this many times their size instead.
constexpr double UnionDetail = 1024;

QPainterPath unite(std::initializer_list<QPainterPath> parts)
{
    const QTransform up = QTransform::fromScale(UnionDetail, UnionDetail);
    QPainterPath whole;
    for (const QPainterPath& part : parts)
        whole = whole.united(up.map(part));
    return up.inverted().map(whole);
}

// Where a line from `from` touches the circle, on its outer side (away from the middle).
QPointF touchPoint(QPointF centre, double radius, QPointF from)
{
    const QPointF toCentre = centre - from;
    const double distance = std::sqrt(QPointF::dotProduct(toCentre, toCentre));
    const double tangent = std::sqrt(distance * distance - radius * radius);
    const QPointF along = toCentre / distance;
    QPointF across(-along.y(), along.x());
    if ((centre.x() - Centre) * across.x() < 0)
        across = -across;
    return from + (along * tangent + across * radius) * (tangent / distance);
}

// Two round lobes on a triangle whose sides touch them.
QPainterPath heart()
{
    const QPointF left(Centre - LobeOffset, LobeHeight);
    const QPointF right(Centre + LobeOffset, LobeHeight);
    const QPointF tip(Centre, 1.0);
    return unite({circle(left, LobeRadius), circle(right, LobeRadius),
                  polygon({tip, touchPoint(left, LobeRadius, tip), QPointF(Centre, LobeHeight),
                           touchPoint(right, LobeRadius, tip)})});
}

// A flared stem from the middle of the sign down to its foot.
QPainterPath stem()
{
    QPainterPath path(QPointF(Centre, StemTop));
    path.quadTo(QPointF(Centre, StemWaist), QPointF(Centre + StemFootHalfWidth, 1.0));
    path.lineTo(Centre - StemFootHalfWidth, 1.0);
    path.quadTo(QPointF(Centre, StemWaist), QPointF(Centre, StemTop));
    return path;
}

QPainterPath spade()
{
    QTransform upsideDown;
    upsideDown.translate(0, SpadeBodyHeight).scale(1, -SpadeBodyHeight);
    return unite({upsideDown.map(heart()), stem()});
}

QPainterPath club()
{
    return unite({circle(QPointF(Centre, ClubTopLeaf), ClubLeafRadius),
                  circle(QPointF(Centre - ClubSideOffset, ClubSideLeaf), ClubLeafRadius),
                  circle(QPointF(Centre + ClubSideOffset, ClubSideLeaf), ClubLeafRadius),
                  circle(QPointF(Centre, ClubSideLeaf - ClubHeartRadius), ClubHeartRadius),
                  stem()});
}

QPainterPath diamond()
{
    return polygon({{Centre, 0},
                    {Centre + DiamondHalfWidth, Centre},
                    {Centre, 1},
                    {Centre - DiamondHalfWidth, Centre}});
}

QPainterPath unitSign(char suit)
{
    switch (suit) {
    case 'b':
        return diamond();
    case 'c':
        return heart();
    case 'k':
        return club();
    default:
        return spade();
    }
}

} // namespace

QRgb suitColour(char suit)
{
    return suit == 'b' || suit == 'c' ? colour::Red : colour::Black;
}

QPainterPath suitSign(char suit, const QRectF& box, bool upsideDown)
{
    QTransform place;
    place.translate(box.x(), box.y()).scale(box.width(), box.height());
    if (upsideDown)
        place.translate(1, 1).scale(-1, -1);
    QPainterPath sign = place.map(unitSign(suit));
    sign.setFillRule(Qt::WindingFill);
    return sign;
}

} // namespace artwork
