// SPDX-License-Identifier: GPL-3.0-or-later
#include "icon.h"

#include "../pictures.h"
#include "backs.h"
#include "palette.h"
#include "raster.h"
#include "suits.h"

#include <QPainter>
#include <QTransform>
#include <algorithm>
#include <cmath>

namespace artwork
{

namespace
{

using namespace colour;

// Two cards fanned out on the green cloth: a blue back behind, the ace of hearts in front.
// The shapes are laid out on a square of IconSize units, one unit a pixel of the 32 x 32 icon.
constexpr double Units = assets::IconSize;
constexpr QRectF Card(-8, -11, 16, 22);
constexpr QRectF BackField(-6, -9, 12, 18);
constexpr QRectF Heart(-5, -5, 10, 10);
constexpr QPointF BackCardCentre(12, 16);
constexpr QPointF FrontCardCentre(19, 16);

// Tilts whose cosine and sine are 24/25 and 7/25, so no trigonometry enters the picture.
constexpr double Cos = 24.0 / 25;
constexpr double Sin = 7.0 / 25;

QTransform backCard()
{
    return QTransform(Cos, -Sin, Sin, Cos, 0, 0) *
           QTransform::fromTranslate(BackCardCentre.x(), BackCardCentre.y());
}

QTransform frontCard()
{
    return QTransform(Cos, Sin, -Sin, Cos, 0, 0) *
           QTransform::fromTranslate(FrontCardCentre.x(), FrontCardCentre.y());
}

constexpr double CardRound = 1.5;
constexpr double FieldRound = 0.75;

// The pixel-exact drawing takes shapes as paths.
QPainterPath rounded(const QRectF& box, double radius)
{
    QPainterPath path;
    path.addRoundedRect(box, radius, radius);
    return path;
}

// What the desktop icon adds where it has the pixels for it: the cloth is a rounded tile, the
// cards cast a faint shadow, and the ace has small corner hearts.
constexpr QRectF Cloth(1, 1, Units - 2, Units - 2);
constexpr double ClothRound = 4;
constexpr QPointF ShadowOffset(0.5, 0.75);
constexpr int ShadowAlpha = 70;
constexpr QColor DarkCloth(0, 96, 0);
constexpr QRectF CornerHeart(-7, -10, 3, 3);
constexpr int CornerHeartsFrom = 64; // pixels; smaller, they would be blots

// The lattice of the back card keeps the proportions of design 1, a line a sixth of the step
// wide and a dot in every cell, but is finer than on the small icon, as on a real back.
constexpr double LatticeUnits = LatticeStep / 2.0;
constexpr double LatticeLine = LatticeUnits / 6;
constexpr double LatticeDot = LatticeUnits / 8;

// In the back card's own units, lines along both diagonals through every multiple of the step;
// the cells' middles are the half steps whose two counts are one odd, one even.
void paintLattice(QPainter& painter, double outline)
{
    painter.save();
    painter.setClipRect(BackField);
    painter.fillRect(BackField, QColor(Blue));
    painter.setPen(QPen(QColor(White), LatticeLine));
    const int lines = int(std::ceil((BackField.width() + BackField.height()) / LatticeUnits));
    const double reach = lines * LatticeUnits;
    for (int i = -lines; i <= lines; ++i) {
        const double c = i * LatticeUnits;
        painter.drawLine(QPointF(c - reach, -reach), QPointF(c + reach, reach));
        painter.drawLine(QPointF(c + reach, -reach), QPointF(c - reach, reach));
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Aqua));
    for (int i = -2 * lines; i <= 2 * lines; ++i)
        for (int j = -2 * lines; j <= 2 * lines; ++j)
            if ((i + j) % 2 != 0)
                painter.drawEllipse(QPointF(i, j) * (LatticeUnits / 2), LatticeDot, LatticeDot);
    painter.restore();
    painter.setPen(QPen(QColor(Black), outline));
    painter.setBrush(Qt::NoBrush);
    painter.drawRoundedRect(BackField, FieldRound, FieldRound);
}

// A blank card tilted by `tilt`, with its shadow falling the same way for both cards.
void paintCard(QPainter& painter, const QTransform& tilt, const QTransform& units, double outline)
{
    painter.setTransform(tilt * QTransform::fromTranslate(ShadowOffset.x(), ShadowOffset.y()) *
                         units);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(0, 0, 0, ShadowAlpha));
    painter.drawRoundedRect(Card, CardRound, CardRound);
    painter.setTransform(tilt * units);
    painter.setPen(QPen(QColor(Black), outline));
    painter.setBrush(QColor(White));
    painter.drawRoundedRect(Card, CardRound, CardRound);
}

} // namespace

QImage drawIcon(int scale)
{
    QImage icon = canvas(QSize(assets::IconSize, assets::IconSize), scale);
    icon.fill(Green);
    const QPainterPath card = rounded(Card, CardRound);
    fillOutlined(icon, backCard().map(card), solid(White));
    fillShape(icon, backCard().map(rounded(BackField, FieldRound)), lattice());
    fillOutlined(icon, frontCard().map(card), solid(White));
    fillShape(icon, frontCard().map(suitSign('c', Heart)), solid(Red));
    return icon;
}

QImage drawDesktopIcon(int size)
{
    QImage icon(size, size, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    const double scale = size / Units;
    const QTransform units = QTransform::fromScale(scale, scale);
    // Outlines half a unit wide, but never thinner than a pixel.
    const double outline = std::max(1.0, scale / 2) / scale;

    painter.setTransform(units);
    painter.setPen(QPen(DarkCloth, outline));
    painter.setBrush(QColor(Green));
    painter.drawRoundedRect(Cloth, ClothRound, ClothRound);

    paintCard(painter, backCard(), units, outline);
    paintLattice(painter, outline);

    paintCard(painter, frontCard(), units, outline);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(Red));
    painter.drawPath(suitSign('c', Heart));
    if (size >= CornerHeartsFrom) {
        painter.drawPath(suitSign('c', CornerHeart));
        painter.drawPath(
            suitSign('c', QRectF(-CornerHeart.bottomRight(), CornerHeart.size()), true));
    }
    return icon;
}

} // namespace artwork
