// SPDX-License-Identifier: GPL-3.0-or-later
// The statistics pie: its layout worked out by hand, its slices and texts, and the picture
// painted along every pixel of its frames' edges.
#include "chart/pie_chart.h"
#include "chart/pie_layout.h"

#include <QFrame>
#include <QTest>
#include <cmath>

using namespace chart;

namespace
{

const QRgb Black = qRgb(0, 0, 0);
const QRgb White = qRgb(255, 255, 255);

// Every character equally wide, so the expected figures can be worked out by hand.
FontMeasure fixedFont(int lineHeight, int wWidth, int charWidth)
{
    return {lineHeight, wWidth,
            [charWidth](const QString& text) { return charWidth * int(text.size()); }};
}

// Title 17 high with 9 a character; legend and marks 12 high with 6 a character and W 10.
const ChartFonts FixedFonts{fixedFont(17, 15, 9), fixedFont(12, 10, 6), fixedFont(12, 10, 6)};

// The three players' points as the statistics window hands them over.
QList<PiePoint> players(double sen, double you, double lel, const QColor& senColor = Qt::blue)
{
    return {{sen, QStringLiteral("Сеня"), senColor},
            {you, QStringLiteral("Вы"), Qt::red},
            {lel, QStringLiteral("Лёлик"), QColor(0, 128, 0)}};
}

// The first pixel on the four edges of `box` (its last column right - 1, its last row
// bottom - 1) that has not the colour `expected` gives it, as "x,y"; empty when there is none.
QString offEdge(const QImage& image, const EdgeRect& box,
                const std::function<QRgb(int x, int y)>& expected)
{
    for (int x = box.left; x < box.right; ++x)
        for (int y = box.top; y < box.bottom; ++y)
            if ((x == box.left || x == box.right - 1 || y == box.top || y == box.bottom - 1) &&
                image.pixel(x, y) != expected(x, y))
                return QStringLiteral("%1,%2").arg(x).arg(y);
    return {};
}

PieLayout layoutOf(const QList<PiePoint>& points, QSize panel = {300, 265}, double aspect = 1)
{
    return layoutPie(panel, points, FixedFonts, aspect, QColor(240, 240, 240));
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    // Two halves and an empty third slice, whose marks stand at 12, 6 and 3 o'clock. The texts
    // "50 %" and "0 Лёлик" are the widest: the legend's box is 182 wide, and a tenth of the
    // width it leaves free moves it right of centre. In odd widths, 7 a character and W 11, the
    // legend's entries are 63 apart in a box of 203, which is centred on 202, and the mark
    // "0 %" (21 wide) stands a pixel further right in its box of 34 than the two "50 %" (28).
    void layoutOnThePanel_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<double>("aspect");
        QTest::addColumn<bool>("odd");
        QTest::addColumn<EdgeRect>("plot");
        QTest::addColumn<QPoint>("title");
        QTest::addColumn<EdgeRect>("legend");
        QTest::addColumn<EdgeRect>("circle");
        const auto row = [](const char* name, QSize panel, double aspect, EdgeRect plot,
                            QPoint title, EdgeRect legend, EdgeRect circle, bool odd = false) {
            QTest::newRow(name) << panel << aspect << odd << plot << title << legend << circle;
        };
        row("statistics window", {300, 265}, 1, {9, 33, 291, 226}, {132, 11}, {70, 234, 254, 250},
            {76, 55, 224, 203});
        // A margin of 10.5 pixels rounds away from zero.
        row("flat pixels, margin of 10.5", {350, 265}, 0.5, {11, 33, 339, 226}, {157, 11},
            {100, 234, 284, 250}, {138, 55, 212, 203});
        // The legend moves 20.5 pixels right, and the circle's half height, 137 / 2, is 68: both
        // round half to even.
        row("tall pixels", {387, 265}, 2, {12, 33, 375, 226}, {175, 11}, {121, 234, 305, 250},
            {56, 61, 330, 197});
        row("odd widths", {300, 265}, 1, {9, 33, 291, 226}, {132, 11}, {58, 234, 262, 250},
            {76, 55, 224, 203}, true);
    }
    void layoutOnThePanel()
    {
        QFETCH(QSize, panel);
        QFETCH(double, aspect);
        QFETCH(bool, odd);
        QFETCH(EdgeRect, legend);
        const FontMeasure labels = odd ? fixedFont(12, 11, 7) : fixedFont(12, 10, 6);
        const int entryStep = odd ? 63 : 56;
        const PieLayout layout =
            layoutPie(panel, players(1, 1, 0), {FixedFonts.title, labels, labels}, aspect,
                      QColor(240, 240, 240));
        QTEST(layout.plot, "plot");
        QTEST(layout.title.topLeft, "title");
        QCOMPARE(layout.legend.frame, legend);
        QCOMPARE(layout.legend.shadow,
                 (EdgeRect{legend.left + 4, legend.top + 4, legend.right + 3, legend.bottom + 3}));
        QCOMPARE(layout.legend.entries[1].text.topLeft, QPoint(legend.left + 15 + entryStep, 236));
        QCOMPARE(layout.legend.entries[2].colorBox,
                 (EdgeRect{legend.left + 5 + 2 * entryStep, 238, legend.left + 11 + 2 * entryStep,
                           246}));
        QTEST(layout.circle.rect, "circle");
        const CircleLayout& circle = layout.circle;
        const QList<QPoint> directions{{0, -1}, {0, 1}, {1, 0}};
        for (int i = 0; i < 3; ++i) {
            const MarkLayout& mark = layout.marks[i];
            const QPoint to = directions[i];
            QCOMPARE(mark.arrowEnd, circle.centre + QPoint(to.x() * (circle.rx + labels.wWidth),
                                                           to.y() * (circle.ry + 12)));
            QCOMPARE(mark.arrowStart,
                     circle.centre + QPoint(to.x() * (circle.rx - 8), to.y() * (circle.ry - 8)));
            // The box hangs right of the arrow's end only when that is right of the centre, and
            // down only when it is below; the text is centred in it.
            QCOMPARE(to.x() > 0 ? mark.box.left : mark.box.right, mark.arrowEnd.x());
            QCOMPARE(to.y() > 0 ? mark.box.top : mark.box.bottom, mark.arrowEnd.y());
            QCOMPARE(mark.text.topLeft - QPoint(mark.box.left, mark.box.top),
                     QPoint(odd && i == 2 ? 7 : 6, 1));
        }
    }

    void slicesAndTexts_data()
    {
        QTest::addColumn<QList<PiePoint>>("points");
        QTest::addColumn<QList<double>>("ends");
        QTest::addColumn<QString>("marks");
        QTest::addColumn<QString>("legend");
        QTest::addColumn<int>("wedges");
        const auto row = [](const char* name, const QList<PiePoint>& points,
                            const QList<double>& ends, const char* marks, const char* legend,
                            int wedges) {
            QTest::newRow(name) << points << ends << QString::fromUtf8(marks)
                                << QString::fromUtf8(legend) << wedges;
        };
        const double turn = FullTurn;
        row("nothing scored", players(0, 0, 0), {turn, turn, turn}, "100 %|100 %|100 %",
            "0 Сеня|0 Вы|0 Лёлик", 1);
        row("only the middle one", players(0, 5, 0), {0, turn, turn}, "0 %|100 %|0 %",
            "0 Сеня|5 Вы|0 Лёлик", 1);
        // 25 shares of a full turn add up to a hair less than a full turn.
        row("total of 25", players(10, 15, 0), {0.4 * turn, turn, turn}, "40 %|60 %|0 %",
            "10 Сеня|15 Вы|0 Лёлик", 2);
        row("negative as positive", players(-3, 5, 2), {0.3 * turn, 0.8 * turn, turn},
            "30 %|50 %|20 %", "3 Сеня|5 Вы|2 Лёлик", 3);
        row("thousands and decimals", players(1234, 2.125, 0), {1234 / 1236.125 * turn, turn, turn},
            "99,83 %|0,17 %|0 %", "1\u00A0234 Сеня|2,125 Вы|0 Лёлик", 2);
    }
    void slicesAndTexts()
    {
        QFETCH(QList<PiePoint>, points);
        QFETCH(QList<double>, ends);
        const PieLayout layout = layoutOf(points);
        QStringList marks;
        QStringList legend;
        for (int i = 0; i < ends.size(); ++i) {
            QCOMPARE(layout.angles[i].end, ends[i]);
            // The pie must close exactly, not within a rounding error.
            QCOMPARE(layout.angles[i].end == FullTurn, ends[i] == FullTurn);
            marks.append(layout.marks[i].text.text);
            legend.append(layout.legend.entries[i].text.text);
        }
        QTEST(marks.join(u'|'), "marks");
        QTEST(legend.join(u'|'), "legend");
        QTEST(int(layout.wedges.size()), "wedges");
    }

    // A circle 4 pixels across is too small to draw.
    void tinyPieDrawsNoSlices()
    {
        QVERIFY(layoutOf(players(7, 12, 5), {120, 90}).wedges.isEmpty());
    }

    void pixelShapeComesFromTheScreen()
    {
        QCOMPARE(pixelAspectOf({640, 200}, {320, 240}), 2.4);
        QCOMPARE(pixelAspectOf({800, 600}, {}), 1.0);
    }

    // Slices turn counter-clockwise from 3 o'clock. A mark's arrow is white, but black out of a
    // white slice; its box is light yellow. Along every pixel of their edges, with a legend of
    // either width: the panel's two-pixel groove is the dialogs' sunken panels' one; the
    // legend's frame is black all round, with the panel's colour outside it left and above and
    // the shadow right and below from 4 pixels on; each colour box is outlined in black; and
    // the pie's outline reaches the edge pixels of the circle's rectangle and nothing beyond.
    void paintedChartFollowsItsLayout()
    {
        for (const QString you : {"Вы", "Вы, сами"}) {
            PieChart chart;
            chart.resize(300, 265);
            const QList<PiePoint> points = players(7, 12, 5, Qt::white);
            for (const PiePoint& point : points)
                chart.add(point.value, point.label == u"Вы" ? you : point.label, point.color);
            const QImage image = chart.grab().toImage();
            const PieLayout layout = chart.currentLayout();
            const CircleLayout& circle = layout.circle;
            const auto black = [](int, int) { return Black; };
            for (int i = 0; i < 3; ++i) {
                const QPoint inside = pointAtAngle(layout.angles[i].middle, circle.centre,
                                                   circle.rx / 2, circle.ry / 2);
                QCOMPARE(image.pixel(inside), points[i].color.rgb());
                const EdgeRect& colorBox = layout.legend.entries[i].colorBox;
                QCOMPARE(image.pixel(colorBox.left + 1, colorBox.top + 1), points[i].color.rgb());
                QCOMPARE(offEdge(image, colorBox, black), QString());
                QCOMPARE(image.pixel(layout.marks[i].arrowStart), i == 0 ? Black : White);
            }
            const EdgeRect& box = layout.marks[0].box;
            QCOMPARE(image.pixel(box.left + 1, box.top + 1), qRgb(255, 255, 128));

            QFrame sunken;
            sunken.setFrameStyle(QFrame::Box | QFrame::Sunken);
            sunken.resize(chart.size());
            const QImage groove = sunken.grab().toImage();
            const auto grooved = [&](int x, int y) { return groove.pixel(x, y); };
            QCOMPARE(offEdge(image, {0, 0, 300, 265}, grooved) +
                         offEdge(image, {1, 1, 299, 264}, grooved),
                     QString());
            const EdgeRect& frame = layout.legend.frame;
            const QRgb panel = chart.palette().color(QPalette::Button).rgb();
            QCOMPARE(offEdge(image, frame, black), QString());
            QCOMPARE(offEdge(image,
                             {frame.left - 1, frame.top - 1, frame.right + 1, frame.bottom + 1},
                             [&](int x, int y) {
                                 return x >= frame.left + 4 && y >= frame.top + 4 ? Black : panel;
                             }),
                     QString());

            // The black pixels no farther from the pie's centre than its outline.
            EdgeRect outline{circle.centre.x(), circle.centre.y(), circle.centre.x(),
                             circle.centre.y()};
            for (int y = 0; y < image.height(); ++y)
                for (int x = 0; x < image.width(); ++x)
                    if (image.pixel(x, y) == Black &&
                        std::hypot(x - circle.centre.x(), y - circle.centre.y()) <= circle.rx + 2)
                        outline = {std::min(outline.left, x), std::min(outline.top, y),
                                   std::max(outline.right, x + 1), std::max(outline.bottom, y + 1)};
            QCOMPARE(outline, circle.rect);
        }
    }

    // On a screen of ratio 2 the chart is the same drawing at twice the size: each pixel of
    // the panel's groove and of every frame is a block of 2 x 2 device pixels of its colour
    // at 1x, the pie's outline reaches the doubled edges of its rectangle two device pixels
    // deep, and away from the texts no pixel has a colour the chart does not paint with.
    void drawnSharpAtRatioTwo()
    {
        PieChart chart;
        chart.resize(300, 265);
        const QList<PiePoint> points = players(7, 12, 5);
        for (const PiePoint& point : points)
            chart.add(point.value, point.label, point.color);
        const QImage single = chart.grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage twice(chart.size() * 2, QImage::Format_RGB32);
        twice.setDevicePixelRatio(2);
        chart.render(&twice);
        const PieLayout layout = chart.currentLayout();

        QList<EdgeRect> frames{{0, 0, 300, 265}, {1, 1, 299, 264}, layout.legend.frame};
        for (int i = 0; i < 3; ++i)
            frames << layout.legend.entries[i].colorBox << layout.marks[i].box;
        for (const EdgeRect& frame : frames)
            QCOMPARE(offEdge(single, frame,
                             [&](int x, int y) {
                                 const QRgb colour = single.pixel(x, y);
                                 for (int dy = 0; dy < 2; ++dy)
                                     for (int dx = 0; dx < 2; ++dx)
                                         if (twice.pixel(2 * x + dx, 2 * y + dy) != colour)
                                             return ~colour;
                                 return colour;
                             }),
                     QString());

        const CircleLayout& circle = layout.circle;
        const EdgeRect doubled{2 * circle.rect.left, 2 * circle.rect.top, 2 * circle.rect.right,
                               2 * circle.rect.bottom};
        const QPoint centre = circle.centre * 2;
        EdgeRect outline{centre.x(), centre.y(), centre.x(), centre.y()};
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                if (twice.pixel(x, y) == Black &&
                    std::hypot(x - centre.x(), y - centre.y()) <= 2 * circle.rx + 4)
                    outline = {std::min(outline.left, x), std::min(outline.top, y),
                               std::max(outline.right, x + 1), std::max(outline.bottom, y + 1)};
        QCOMPARE(outline, doubled);
        // Two device pixels deep where the outline meets the rectangle's left and top edges.
        for (int depth = 0; depth < 3; ++depth) {
            QCOMPARE(twice.pixel(doubled.left + depth, centre.y()) == Black, depth < 2);
            QCOMPARE(twice.pixel(centre.x(), doubled.top + depth) == Black, depth < 2);
        }

        const QPalette palette = chart.palette();
        QSet<QRgb> painted{Black,
                           White,
                           MarkBoxColor.rgb(),
                           palette.color(QPalette::Button).rgb(),
                           palette.color(QPalette::Dark).rgb(),
                           palette.color(QPalette::Light).rgb()};
        for (const PiePoint& point : points)
            painted.insert(point.color.rgb());
        QList<QRect> texts{{0, 0, 300, layout.plot.top}, layout.legend.frame.toQRect()};
        for (const MarkLayout& mark : layout.marks)
            texts << mark.box.toQRect();
        for (int y = 0; y < twice.height(); ++y)
            for (int x = 0; x < twice.width(); ++x)
                if (std::none_of(texts.begin(), texts.end(),
                                 [&](const QRect& text) { return text.contains(x / 2, y / 2); }))
                    QVERIFY2(painted.contains(twice.pixel(x, y)),
                             qPrintable(QStringLiteral("%1,%2").arg(x).arg(y)));
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
