// SPDX-License-Identifier: GPL-3.0-or-later
#include "courts.h"

#include "palette.h"
#include "raster.h"
#include "suits.h"

#include <cstdlib>

namespace artwork
{

namespace
{

using namespace colour;

constexpr int Jack = 11;
constexpr int Queen = 12;

// Panel columns are symmetric about this middle column.
constexpr int MiddleColumn = CourtPanelWidth / 2;

int fromMiddle(int x)
{
    return std::abs(x - MiddleColumn);
}

// The colours a court of each suit wears.
struct Livery {
    QRgb robe;
    QRgb pattern; // woven into the robe
    QRgb accent;  // the front of the robe, jewels, the jack's cap
};

Livery liveryOf(char suit)
{
    switch (suit) {
    case 'b':
        return {Red, Yellow, Blue};
    case 'c':
        return {Red, Maroon, Yellow};
    case 'k':
        return {Blue, Navy, Red};
    default:
        return {Black, Grey, Red};
    }
}

constexpr QRectF PanelSign(2, 2, 7, 8);

// Head and shoulders shared by all three courts; what they wear on the head and hold in the
// hand tells them apart.
constexpr double HeadLeft = 16;
constexpr double HeadWidth = 11;
constexpr double HeadHeight = 13;
constexpr int EyeOffset = 2;   // columns either side of the middle
constexpr int EyeBelowTop = 5; // rows below the top of the head

void face(QImage& panel, double top)
{
    fillOutlined(panel, ellipse(HeadLeft, top, HeadWidth, HeadHeight), solid(White));
    const int eyes = int(top) + EyeBelowTop;
    dot(panel, MiddleColumn - EyeOffset, eyes, Black);
    dot(panel, MiddleColumn + EyeOffset, eyes, Black);
    dot(panel, MiddleColumn, eyes + 2, Grey);
    dot(panel, MiddleColumn, eyes + 4, Red);
    dot(panel, MiddleColumn - 1, eyes + 4, Red);
    dot(panel, MiddleColumn + 1, eyes + 4, Red);
}

// The body: shoulders, then straight down to the middle of the card, where the other end's
// figure takes over.
constexpr double BodyLeft = 4;
constexpr double BodyRight = CourtPanelWidth - BodyLeft;
constexpr double ShoulderRound = 7;

QPainterPath body(double shoulderTop)
{
    QPainterPath path(QPointF(BodyLeft, CourtPanelHeight + 1));
    path.lineTo(BodyLeft, shoulderTop + ShoulderRound);
    path.quadTo(QPointF(BodyLeft, shoulderTop), QPointF(BodyLeft + ShoulderRound, shoulderTop));
    path.lineTo(BodyRight - ShoulderRound, shoulderTop);
    path.quadTo(QPointF(BodyRight, shoulderTop), QPointF(BodyRight, shoulderTop + ShoulderRound));
    path.lineTo(BodyRight, CourtPanelHeight + 1);
    path.closeSubpath();
    return path;
}

// Sleeves down both sides of the body, gold cuffs and the hands.
constexpr double SleeveWidth = 7;
constexpr double CuffTop = 27;
constexpr double HandTop = 29;

void arms(QImage& panel, const Livery& livery, double shoulderTop)
{
    for (double left : {BodyLeft, BodyRight - SleeveWidth}) {
        QPainterPath arm(QPointF(left, CuffTop + 2));
        arm.lineTo(left, shoulderTop + ShoulderRound);
        arm.quadTo(QPointF(left, shoulderTop), QPointF(left + SleeveWidth / 2, shoulderTop));
        arm.quadTo(QPointF(left + SleeveWidth, shoulderTop),
                   QPointF(left + SleeveWidth, shoulderTop + ShoulderRound));
        arm.lineTo(left + SleeveWidth, CuffTop + 2);
        arm.closeSubpath();
        fillOutlined(panel, arm, solid(livery.accent));
        fillOutlined(panel, rectangle(left, CuffTop, SleeveWidth, 3), solid(Yellow));
        fillOutlined(panel, ellipse(left + 0.5, HandTop, SleeveWidth - 1, 6), solid(White));
    }
}

// Small gold crosses strewn over a robe.
Brush strewn(QRgb robe, QRgb motif)
{
    constexpr int Step = 6;
    return perPixel([robe, motif](int x, int y) {
        const int dx = std::abs(fromMiddle(x) % Step - Step / 2);
        const int dy = std::abs(y % Step - Step / 2);
        return dx + dy <= 1 ? motif : robe;
    });
}

void king(QImage& panel, const Livery& livery)
{
    constexpr double ShoulderTop = 18;
    fillOutlined(panel, body(ShoulderTop), strewn(livery.robe, livery.pattern));
    // The front of the robe with a row of gold buttons.
    fillOutlined(panel, rectangle(18, ShoulderTop, 7, CourtPanelHeight), perPixel([](int x, int y) {
                     return x == MiddleColumn && y % 4 == 1 ? Yellow : White;
                 }));
    arms(panel, livery, ShoulderTop);
    // Ermine collar: white fur with black tails.
    fillOutlined(panel, ellipse(10, 14, 23, 8), perPixel([](int x, int y) {
                     return fromMiddle(x) % 4 == 2 && y % 3 == 1 ? Black : White;
                 }));
    fillOutlined(panel, ellipse(13, 5, 17, 15), solid(Yellow)); // hair
    face(panel, 6);
    // Beard below the lips, moustache above them.
    fillOutlined(panel, polygon({{16, 14}, {27, 14}, {27, 17}, {21.5, 24}, {16, 17}}),
                 solid(Yellow));
    dot(panel, MiddleColumn, 16, Red);
    // Crown with five points and three jewels.
    fillOutlined(panel,
                 polygon({{14, 9}, {14, 0}, {17.5, 4}, {21.5, -1}, {25.5, 4}, {29, 0}, {29, 9}}),
                 solid(Yellow));
    for (int jewel : {-4, 0, 4})
        dot(panel, MiddleColumn + jewel, 6, livery.accent);
    // A sword raised in the right hand, an orb in the left.
    fillOutlined(panel, polygon({{34, 32}, {34, 3}, {36, 0}, {38, 3}, {38, 32}}), solid(Silver));
    fillOutlined(panel, rectangle(31, 26, 10, 3), solid(Yellow));
    fillOutlined(panel, ellipse(4, 24, 8, 8), solid(Yellow));
    fillOutlined(panel, rectangle(7, 21, 2, 4), solid(Yellow));
}

void queen(QImage& panel, const Livery& livery)
{
    constexpr double ShoulderTop = 20;
    fillOutlined(panel, ellipse(11, 3, 21, 24), solid(Yellow)); // long hair
    fillOutlined(panel, body(ShoulderTop), perPixel([&livery](int x, int) {
                     return fromMiddle(x) % 4 == 3 ? livery.pattern : livery.robe;
                 }));
    arms(panel, livery, ShoulderTop);
    // The neckline and a gold necklace along it.
    fillOutlined(panel, polygon({{14, 20}, {29, 20}, {21.5, 31}}), perPixel([](int x, int y) {
                     return y == 21 + fromMiddle(x) * 10 / 15 && x % 2 == 1 ? Yellow : White;
                 }));
    face(panel, 7);
    // Coronet.
    fillOutlined(panel,
                 polygon({{15, 9}, {15, 3}, {18.5, 6}, {21.5, 1}, {24.5, 6}, {28, 3}, {28, 9}}),
                 solid(Yellow));
    dot(panel, MiddleColumn, 6, livery.accent);
    // A flower in the right hand.
    fillShape(panel, rectangle(35, 9, 1, 20), solid(Green));
    fillOutlined(panel, ellipse(36, 14, 6, 4), solid(Lime));
    fillOutlined(panel, ellipse(30, 1, 11, 10), solid(Fuchsia));
    fillOutlined(panel, ellipse(33, 4, 5, 4), solid(Yellow));
}

void jack(QImage& panel, const Livery& livery)
{
    constexpr double ShoulderTop = 20;
    constexpr int BandStep = 4;
    fillOutlined(panel, body(ShoulderTop), perPixel([&livery](int, int y) {
                     return y % BandStep == 0 ? livery.pattern : livery.robe;
                 }));
    // A gold sash from the left shoulder down to the right hip.
    fillOutlined(panel, polygon({{8, ShoulderTop}, {14, ShoulderTop}, {38, 34}, {38, 39}}),
                 solid(Yellow));
    arms(panel, livery, ShoulderTop);
    // Ruff collar.
    fillOutlined(panel, ellipse(12, 17, 19, 6), solid(White));
    fillOutlined(panel, ellipse(14, 5, 15, 14), solid(Yellow)); // short hair
    face(panel, 7);
    // Cap with a band and a feather curling over to the left.
    QPainterPath feather(QPointF(18, 4));
    feather.quadTo(QPointF(14, -2), QPointF(9, 1));
    feather.quadTo(QPointF(14, 1), QPointF(18, 6));
    feather.closeSubpath();
    fillOutlined(panel, feather, solid(White));
    fillOutlined(panel, ellipse(12, 1, 19, 8), solid(livery.accent));
    fillOutlined(panel, rectangle(14, 6, 15, 3), solid(Yellow));
    // A halberd in the right hand.
    fillOutlined(panel, rectangle(35, 4, 3, CourtPanelHeight), solid(Olive));
    fillOutlined(panel, polygon({{36.5, -1}, {39, 5}, {34, 5}}), solid(Silver));
    fillOutlined(panel, polygon({{37, 6}, {43, 4}, {43, 13}, {37, 11}}), solid(Silver));
}

} // namespace

QImage drawCourtPanel(FaceCard card, int scale)
{
    const auto [rank, suit] = card;
    QImage panel = canvas(QSize(CourtPanelWidth, CourtPanelHeight), scale);
    panel.fill(White);
    const Livery livery = liveryOf(suit);
    if (rank == Jack)
        jack(panel, livery);
    else if (rank == Queen)
        queen(panel, livery);
    else
        king(panel, livery);
    fillShape(panel, suitSign(suit, PanelSign), solid(suitColour(suit)));
    return panel;
}

} // namespace artwork
