// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>
#include <numeric>

// The pie chart's layout, worked out as plain numbers before anything is drawn: where the
// title, the legend, the circle, the slices and the percentage marks go on a panel of a given
// size, for fonts measured beforehand. Nothing here paints.
namespace chart
{

// The three ways the layout turns fractions into whole pixels. They differ on purpose: mixing
// them up moves boxes by a pixel.

// To the nearest integer, halves to the even neighbour: 2.5 gives 2, 3.5 gives 4.
inline int roundHalfToEven(double x)
{
    // lrint follows the current rounding mode, which is to-nearest-even unless changed.
    return static_cast<int>(std::lrint(x));
}

// `percent` percent of `n`, halves away from zero: 3 % of 150 is 4.5 and gives 5.
inline int percentShare(int percent, int n)
{
    return static_cast<int>(std::lround(percent * n / 100.0));
}

// Integer division that drops the fraction, so -7 / 2 gives -3 (never -4).
constexpr int divTowardZero(int dividend, int divisor)
{
    return dividend / divisor;
}

// The chart's fixed colours; only the panel's face and bevels come from the widget's palette.
inline const QColor LegendColor = Qt::white;
inline const QColor LegendShadowColor = Qt::black;
inline const QColor OutlineColor = Qt::black;
inline const QColor MarkArrowColor = Qt::white;
inline const QColor MarkBoxColor{255, 255, 128};
inline const QColor TextColor = Qt::black;

// Lines drawn on `background` are black, or white where black would not show.
inline QColor inkOn(const QColor& background)
{
    return background.rgb() == QColor(Qt::black).rgb() ? QColor(Qt::white) : QColor(Qt::black);
}

// The chart's heading, written centred above the pie.
inline const QString ChartTitle = QStringLiteral("Счёт");

inline constexpr double FullTurn = 2 * std::numbers::pi;
inline constexpr int MarkArrowLength = 8; // how far the arrow reaches into its slice
inline constexpr int MarkFrameWidth = 1;

// One slice of the pie: how much, whose, and in which colour.
struct PiePoint {
    double value = 0;
    QString label;
    QColor color;
};

// The sum the slices share out, summed in point order so that a running sum over the same
// points reaches it exactly.
inline double valueTotal(const QList<PiePoint>& points)
{
    return std::accumulate(points.begin(), points.end(), 0.0,
                           [](double sum, const PiePoint& point) { return sum + point.value; });
}

// All the layout needs to know of a font. The widget fills it from the font engine; tests
// give fixed numbers.
struct FontMeasure {
    int lineHeight = 0;
    int wWidth = 0; // the width of "W", the chart's unit of padding beside a text
    std::function<int(const QString&)> textWidth;

    int widest(const QStringList& texts) const
    {
        int widest = 0;
        for (const QString& text : texts)
            widest = std::max(widest, textWidth(text));
        return widest;
    }
};

// The chart's three fonts, measured.
struct ChartFonts {
    FontMeasure title;
    FontMeasure legend;
    FontMeasure marks;
};

// A rectangle by its four edges, right and bottom exclusive, which is how the layout shrinks
// and moves its areas edge by edge.
struct EdgeRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    int width() const { return right - left; }
    int height() const { return bottom - top; }
    QPoint centre() const
    {
        return {divTowardZero(left + right, 2), divTowardZero(top + bottom, 2)};
    }
    QRect toQRect() const { return {left, top, width(), height()}; }

    bool operator==(const EdgeRect&) const = default;
};

// A line of text and the top left corner it is written at.
struct TextPlacement {
    QString text;
    QPoint topLeft;
};

// Where one slice runs, in radians counter-clockwise from 3 o'clock.
struct SliceAngles {
    double start = 0;
    double middle = 0;
    double end = 0;
};

// The pie's circle: its bounding rectangle, centre and radii.
struct CircleLayout {
    EdgeRect rect;
    QPoint centre;
    int rx = 0;
    int ry = 0;
};

// One point in the legend: a small box in its colour, then its value and label.
struct LegendEntry {
    TextPlacement text;
    EdgeRect colorBox;
    QColor color;
};

// The one-row legend at the bottom of the chart: a white box in a black frame with a black
// shadow to its right and below, and the entries that fit. No entries: nothing is drawn.
struct LegendLayout {
    EdgeRect shadow;
    EdgeRect frame;
    QList<LegendEntry> entries;
};

// A slice's percentage beside the pie: a light-yellow framed box with the text, and a short
// arrow from inside the slice out to the box's corner.
struct MarkLayout {
    QPoint arrowStart;
    QPoint arrowEnd;
    QColor arrowColor;
    EdgeRect box;
    TextPlacement text;
};

// A slice that shows: its angles in radians, counter-clockwise from 3 o'clock.
struct Wedge {
    double startAngle = 0;
    double spanAngle = 0;
    QColor color;
};

// Everything one paint of the chart draws.
struct PieLayout {
    TextPlacement title;
    LegendLayout legend;
    EdgeRect plot;             // what is left for the pie and its marks
    QList<SliceAngles> angles; // one per point
    CircleLayout circle;
    QList<Wedge> wedges;     // in point order, only those with something to draw
    QList<MarkLayout> marks; // one per point
};

// The area inside the panel's margins, before the title and legend take their room.
EdgeRect plotRect(QSize panel);

// Places the legend at the bottom of `plot`, a little right of its centre by the room the
// panel of `panelWidth` leaves free, and takes the legend's room from the bottom of `plot`.
LegendLayout layoutLegend(const QList<PiePoint>& points, const FontMeasure& font, int panelWidth,
                          EdgeRect& plot);

// The slices of points with non-negative values, in point order, from 3 o'clock round to a
// full turn. With nothing to share out the first slice takes the whole disc.
QList<SliceAngles> sliceAngles(const QList<PiePoint>& points);

// The pixel at `angle` on the ellipse round `centre` with radii `rx` and `ry`.
QPoint pointAtAngle(double angle, QPoint centre, int rx, int ry);

// How much wider than tall a screen pixel is: 1 on square pixels, and 1 when the screen does
// not say its size.
double pixelAspectOf(QSize screenPixels, QSizeF screenMillimetres);

// The largest circle in `plot` that leaves room around it for the marks, the widest of which
// is `widestMarkText` wide. `pixelAspect` makes it round on screens with non-square pixels.
CircleLayout layoutCircle(EdgeRect plot, int widestMarkText, const FontMeasure& marksFont,
                          double pixelAspect);

// The marks of the points, in point order, round the circle.
QList<MarkLayout> layoutMarks(const QList<PiePoint>& points, const QStringList& texts,
                              const QList<SliceAngles>& angles, const CircleLayout& circle,
                              const FontMeasure& font, const QColor& chartColor);

// Lays the chart out on a panel of the given size. Negative values are drawn as their
// magnitudes, so the slices always make up the whole circle.
PieLayout layoutPie(QSize panel, const QList<PiePoint>& points, const ChartFonts& fonts,
                    double pixelAspect, const QColor& chartColor);

} // namespace chart
