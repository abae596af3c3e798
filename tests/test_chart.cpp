// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/pie_chart.h"
#include "chart/pie_layout.h"

#include <QTest>

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
    // width it leaves free moves it right of centre.
    void layoutOnThePanel_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<double>("aspect");
        QTest::addColumn<EdgeRect>("plot");
        QTest::addColumn<QPoint>("title");
        QTest::addColumn<EdgeRect>("legend");
        QTest::addColumn<EdgeRect>("circle");
        const auto row = [](const char* name, QSize panel, double aspect, EdgeRect plot,
                            QPoint title, EdgeRect legend, EdgeRect circle) {
            QTest::newRow(name) << panel << aspect << plot << title << legend << circle;
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
    }
    void layoutOnThePanel()
    {
        QFETCH(QSize, panel);
        QFETCH(double, aspect);
        QFETCH(EdgeRect, legend);
        const PieLayout layout = layoutOf(players(1, 1, 0), panel, aspect);
        QTEST(layout.plot, "plot");
        QTEST(layout.title.topLeft, "title");
        QCOMPARE(layout.legend.frame, legend);
        QCOMPARE(layout.legend.shadow,
                 (EdgeRect{legend.left + 4, legend.top + 4, legend.right + 3, legend.bottom + 3}));
        QCOMPARE(layout.legend.entries[1].text.topLeft, QPoint(legend.left + 15 + 56, 236));
        QCOMPARE(layout.legend.entries[2].colorBox,
                 (EdgeRect{legend.left + 117, 238, legend.left + 123, 246}));
        QTEST(layout.circle.rect, "circle");
        const CircleLayout& circle = layout.circle;
        const QList<QPoint> directions{{0, -1}, {0, 1}, {1, 0}};
        for (int i = 0; i < 3; ++i) {
            const MarkLayout& mark = layout.marks[i];
            const QPoint to = directions[i];
            QCOMPARE(mark.arrowEnd,
                     circle.centre + QPoint(to.x() * (circle.rx + 10), to.y() * (circle.ry + 12)));
            QCOMPARE(mark.arrowStart,
                     circle.centre + QPoint(to.x() * (circle.rx - 8), to.y() * (circle.ry - 8)));
            // The box hangs right of the arrow's end only when that is right of the centre, and
            // down only when it is below; the text is centred in it.
            QCOMPARE(to.x() > 0 ? mark.box.left : mark.box.right, mark.arrowEnd.x());
            QCOMPARE(to.y() > 0 ? mark.box.top : mark.box.bottom, mark.arrowEnd.y());
            QCOMPARE(mark.text.topLeft - QPoint(mark.box.left, mark.box.top), QPoint(6, 1));
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
        row("last is empty", players(1, 2, 0), {turn / 3, turn, turn}, "33,33 %|66,67 %|0 %",
            "1 Сеня|2 Вы|0 Лёлик", 2);
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
    // white slice.
    void paintedChartFollowsItsLayout()
    {
        PieChart chart;
        chart.resize(300, 265);
        const QList<PiePoint> points = players(7, 12, 5, Qt::white);
        for (const PiePoint& point : points)
            chart.add(point.value, point.label, point.color);
        const QImage image = chart.grab().toImage();
        const PieLayout layout = chart.currentLayout();
        const CircleLayout& circle = layout.circle;
        for (int i = 0; i < 3; ++i) {
            const QPoint inside =
                pointAtAngle(layout.angles[i].middle, circle.centre, circle.rx / 2, circle.ry / 2);
            QCOMPARE(image.pixel(inside), points[i].color.rgb());
            const EdgeRect& colorBox = layout.legend.entries[i].colorBox;
            QCOMPARE(image.pixel(colorBox.left + 1, colorBox.top + 1), points[i].color.rgb());
            QCOMPARE(image.pixel(layout.marks[i].arrowStart), i == 0 ? Black : White);
        }
        // The legend's shadow, right of it and below it; the marks' light-yellow box.
        const EdgeRect& frame = layout.legend.frame;
        QCOMPARE(image.pixel(frame.right + 1, frame.top + 5), Black);
        QCOMPARE(image.pixel(frame.left + 5, frame.bottom + 2), Black);
        const EdgeRect& box = layout.marks[0].box;
        QCOMPARE(image.pixel(box.left + 1, box.top + 1), qRgb(255, 255, 128));
        chart.clear();
        QVERIFY(chart.points().isEmpty());
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
