// SPDX-License-Identifier: GPL-3.0-or-later
#include "faces.h"

#include "../pictures.h"
#include "courts.h"
#include "palette.h"
#include "raster.h"
#include "suits.h"

#include <array>
#include <string_view>
#include <vector>

namespace artwork
{

namespace
{

constexpr int Jack = 11;
constexpr int Ace = 14;

// The corner index: the rank in our own bold pixel letters, the suit sign under it. Rows start
// below row 2, so the pixel that tells a card from an empty place, (4, 1), stays white.
constexpr int GlyphHeight = 9;
constexpr int GlyphGap = 1; // between the two figures of "10"
constexpr int IndexCentre = 6;
constexpr int IndexTop = 3;
constexpr QRectF CornerSign(3, 14, 7, 8);

struct Glyph {
    std::array<std::string_view, GlyphHeight> rows;
};

const Glyph One = {{".XX", "XXX", ".XX", ".XX", ".XX", ".XX", ".XX", ".XX", ".XX"}};
const Glyph Zero = {
    {".XXX.", "XX.XX", "XX.XX", "XX.XX", "XX.XX", "XX.XX", "XX.XX", "XX.XX", ".XXX."}};

// Ranks 6 to 9, jack, queen, king, ace; ten is made of One and Zero.
const Glyph Six = {
    {"..XX.", ".XX..", "XX...", "XXXX.", "XX.XX", "XX.XX", "XX.XX", "XX.XX", ".XXX."}};
const Glyph Seven = {
    {"XXXXX", "...XX", "...XX", "..XX.", "..XX.", "..XX.", ".XX..", ".XX..", ".XX.."}};
const Glyph Eight = {
    {".XXX.", "XX.XX", "XX.XX", "XX.XX", ".XXX.", "XX.XX", "XX.XX", "XX.XX", ".XXX."}};
const Glyph Nine = {
    {".XXX.", "XX.XX", "XX.XX", "XX.XX", "XX.XX", ".XXXX", "...XX", "..XX.", ".XX.."}};
const Glyph JackLetter = {
    {"..XXX", "...XX", "...XX", "...XX", "...XX", "...XX", "XX.XX", "XX.XX", ".XXX."}};
const Glyph QueenLetter = {
    {".XXX.", "XX.XX", "XX.XX", "XX.XX", "XX.XX", "XX.XX", "XX.XX", ".XXX.", "...XX"}};
const Glyph KingLetter = {
    {"XX.XX", "XX.XX", "XX.XX", "XXXX.", "XXX..", "XXXX.", "XX.XX", "XX.XX", "XX.XX"}};
const Glyph AceLetter = {
    {".XXX.", "XX.XX", "XX.XX", "XX.XX", "XXXXX", "XX.XX", "XX.XX", "XX.XX", "XX.XX"}};

std::vector<const Glyph*> rankGlyphs(int rank)
{
    switch (rank) {
    case 6:
        return {&Six};
    case 7:
        return {&Seven};
    case 8:
        return {&Eight};
    case 9:
        return {&Nine};
    case 10:
        return {&One, &Zero};
    case Jack:
        return {&JackLetter};
    case Jack + 1:
        return {&QueenLetter};
    case Jack + 2:
        return {&KingLetter};
    default:
        return {&AceLetter};
    }
}

bool inked(const Glyph& glyph, int column, int row)
{
    return row >= 0 && row < GlyphHeight && column >= 0 &&
           column < int(glyph.rows[std::size_t(row)].size()) &&
           glyph.rows[std::size_t(row)][std::size_t(column)] == 'X';
}

// The letters are made of 1x pixels. Drawn finer, each quarter of a pixel takes the colour of
// its two neighbours on its own side when they agree with each other and differ from the
// two on the far side: the stairs of a slanted stroke become a slope, and straight strokes
// and square corners stay as they are.
bool inkedQuarter(const Glyph& glyph, int column, int row, QPoint side)
{
    const bool beside = inked(glyph, column + side.x(), row);
    const bool aboveOrBelow = inked(glyph, column, row + side.y());
    if (beside == aboveOrBelow && aboveOrBelow != inked(glyph, column - side.x(), row) &&
        beside != inked(glyph, column, row - side.y()))
        return beside;
    return inked(glyph, column, row);
}

// Lays `glyph` on `layer` with its top-left pixel at `at`, in 1x pixels.
void drawGlyph(QImage& layer, const Glyph& glyph, QPoint at, QRgb ink)
{
    const int scale = scaleOf(layer);
    const int width = int(glyph.rows[0].size());
    // A quarter outside the letter's own cells can be filled too, where a stroke turns.
    for (int row = -1; row <= GlyphHeight; ++row)
        for (int column = -1; column <= width; ++column)
            for (int y = 0; y < scale; ++y)
                for (int x = 0; x < scale; ++x) {
                    const QPoint side(2 * x < scale ? -1 : 1, 2 * y < scale ? -1 : 1);
                    if (scale == 1 ? inked(glyph, column, row)
                                   : inkedQuarter(glyph, column, row, side))
                        layer.setPixel((at.x() + column) * scale + x, (at.y() + row) * scale + y,
                                       ink);
                }
}

void drawIndex(QImage& layer, FaceCard face)
{
    const auto [rank, suit] = face;
    const std::vector<const Glyph*> glyphs = rankGlyphs(rank);
    int width = GlyphGap * (int(glyphs.size()) - 1);
    for (const Glyph* glyph : glyphs)
        width += int(glyph->rows[0].size());
    int left = IndexCentre - width / 2;
    const QRgb ink = suitColour(suit);
    for (const Glyph* glyph : glyphs) {
        drawGlyph(layer, *glyph, QPoint(left, IndexTop), ink);
        left += int(glyph->rows[0].size()) + GlyphGap;
    }
    fillShape(layer, suitSign(suit, CornerSign), solid(ink));
}

// The pips of 6 to 10 stand in two columns with the extra pips between them, as on every
// classic deck; pips below the middle of the card stand upside down. Positions are the pips'
// centres, the card's own centre being (35.5, 48).
constexpr double PipWidth = 11;
constexpr double PipHeight = 12;
constexpr double LeftColumn = 22.5;
constexpr double MiddleColumn = 35.5;
constexpr double RightColumn = 48.5;
constexpr double MiddleRow = 48;
constexpr double TopRow = 13;
constexpr double BottomRow = 2 * MiddleRow - TopRow;
constexpr double UpperThird = 36; // the inner rows of the nine and ten
constexpr double LowerThird = 2 * MiddleRow - UpperThird;
constexpr double SevenAndEightCentre = 30;
constexpr double TenCentre = 25;

std::vector<QPointF> pipCentres(int rank)
{
    std::vector<QPointF> pips;
    const auto pair = [&pips](double row) {
        pips.emplace_back(LeftColumn, row);
        pips.emplace_back(RightColumn, row);
    };
    const auto centre = [&pips](double row) { pips.emplace_back(MiddleColumn, row); };
    if (rank <= 8) {
        pair(TopRow);
        pair(MiddleRow);
        pair(BottomRow);
    } else {
        pair(TopRow);
        pair(UpperThird);
        pair(LowerThird);
        pair(BottomRow);
    }
    if (rank == 7 || rank == 8)
        centre(SevenAndEightCentre);
    if (rank == 8)
        centre(2 * MiddleRow - SevenAndEightCentre);
    if (rank == 9)
        centre(MiddleRow);
    if (rank == 10) {
        centre(TenCentre);
        centre(2 * MiddleRow - TenCentre);
    }
    return pips;
}

void drawPips(QImage& card, FaceCard face)
{
    const auto [rank, suit] = face;
    for (const QPointF& pip : pipCentres(rank)) {
        const QRectF box(pip.x() - PipWidth / 2, pip.y() - PipHeight / 2, PipWidth, PipHeight);
        fillShape(card, suitSign(suit, box, pip.y() > MiddleRow), solid(suitColour(suit)));
    }
}

constexpr QRectF AcePip(19, 30, 33, 36);

// The court picture sits in a framed rectangle clear of the corner indices.
constexpr QRect CourtFrame(13, 9, CourtPanelWidth + 2, 2 * CourtPanelHeight + 2);

void drawCourt(QImage& card, FaceCard face)
{
    QImage layer = transparentLayer(card);
    overlay(layer, drawCourtPanel(face, scaleOf(card)), CourtFrame.topLeft() + QPoint(1, 1));
    overlayBothEnds(card, layer);
    drawFrame(card, CourtFrame);
    // A thin line where the two halves meet.
    fillShape(card, rectangle(CourtFrame.x(), MiddleRow - 1, CourtFrame.width(), 1),
              solid(colour::Black));
}

} // namespace

QImage drawFace(FaceCard face, int scale)
{
    const auto [rank, suit] = face;
    QImage card = canvas(QSize(assets::FaceWidth, assets::FaceHeight), scale);
    card.fill(colour::White);
    drawFrame(card, logicalRect(card));
    if (rank == Ace)
        fillShape(card, suitSign(suit, AcePip), solid(suitColour(suit)));
    else if (rank >= Jack)
        drawCourt(card, face);
    else
        drawPips(card, face);

    QImage corner = transparentLayer(card);
    drawIndex(corner, face);
    overlayBothEnds(card, corner);
    return card;
}

} // namespace artwork
