#include "chart/number_texts.h"
#include "chart/pie_chart.h"
#include "chart/pie_layout.h"

#include <QTest>

using namespace chart;

namespace chart
{
// Failures show a rectangle by its edges, as the expected figures are written.
char* toString(const EdgeRect& rect)
{
    return qstrdup(QStringLiteral("(%1, %2, %3, %4)")
                       .arg(rect.left)
                       .arg(rect.top)
                       .arg(rect.right)
                       .arg(rect.bottom)
                       .toUtf8());
}
} // namespace chart

namespace
{

const QColor Blue(0, 0, 255);
const QColor Red(255, 0, 0);
const QColor Green(0, 128, 0);
const QColor PanelGrey(240, 240, 240);

// Every character equally wide, so the expected figures can be worked out by hand.
FontMeasure fixedFont(int lineHeight, int wWidth, int charWidth)
{
    return {lineHeight, wWidth,
            [charWidth](const QString& text) { return charWidth * int(text.size()); }};
}

// Title 17 high with 9 a character; legend and marks 12 high with 6 a character and W 10.
const ChartFonts FixedFonts{fixedFont(17, 15, 9), fixedFont(12, 10, 6), fixedFont(12, 10, 6)};

// The three players' points as the statistics window hands them over.
QList<PiePoint> players(double sen, double you, double lel)
{
    return {{sen, QStringLiteral("Сеня"), Blue},
            {you, QStringLiteral("Вы"), Red},
            {lel, QStringLiteral("Лёлик"), Green}};
}

PieLayout layoutOf(const QList<PiePoint>& points, QSize panel = {300, 265}, double aspect = 1)
{
    return layoutPie(panel, points, FixedFonts, aspect, PanelGrey);
}

} // namespace

class TestChart : public QObject
{
    Q_OBJECT
private Q_SLOTS:
    void plotSitsInsideTheMargins_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<EdgeRect>("plot");
        QTest::addColumn<QPoint>("title");
        QTest::newRow("statistics window")
            << QSize(300, 265) << EdgeRect{9, 11, 291, 254} << QPoint(150 - 18, 11);
        QTest::newRow("half a pixel rounds outwards")
            << QSize(150, 100) << EdgeRect{5, 4, 145, 96} << QPoint(75 - 18, 4);
    }
    void plotSitsInsideTheMargins()
    {
        QFETCH(QSize, panel);
        QTEST(plotRect(panel), "plot");
        QTEST(layoutOf({}, panel).title.topLeft, "title");
    }

    void slicesAndPercentages_data()
    {
        QTest::addColumn<QList<PiePoint>>("points");
        QTest::addColumn<QList<double>>("ends");
        QTest::addColumn<QStringList>("marks");
        QTest::addColumn<int>("wedges");
        const double third = FullTurn / 3;
        QTest::newRow("nothing scored") << players(0, 0, 0) << QList{FullTurn, FullTurn, FullTurn}
                                        << QStringList{"100 %", "100 %", "100 %"} << 1;
        QTest::newRow("only the middle one") << players(0, 5, 0) << QList{0.0, FullTurn, FullTurn}
                                             << QStringList{"0 %", "100 %", "0 %"} << 1;
        QTest::newRow("equal") << players(1, 1, 1) << QList{third, 2 * third, FullTurn}
                               << QStringList{"33,33 %", "33,33 %", "33,33 %"} << 3;
        QTest::newRow("last is empty") << players(1, 2, 0) << QList{third, FullTurn, FullTurn}
                                       << QStringList{"33,33 %", "66,67 %", "0 %"} << 2;
        // 25 shares of a full turn add up to a hair less than a full turn.
        QTest::newRow("total of 25")
            << players(10, 15, 0) << QList{0.4 * FullTurn, FullTurn, FullTurn}
            << QStringList{"40 %", "60 %", "0 %"} << 2;
        QTest::newRow("negative as positive")
            << players(-3, 5, 2) << QList{0.3 * FullTurn, 0.8 * FullTurn, FullTurn}
            << QStringList{"30 %", "50 %", "20 %"} << 3;
    }
    void slicesAndPercentages()
    {
        QFETCH(QList<PiePoint>, points);
        QFETCH(QList<double>, ends);
        const PieLayout layout = layoutOf(points);
        for (int i = 0; i < ends.size(); ++i) {
            QCOMPARE(layout.angles[i].start, i == 0 ? 0.0 : ends[i - 1]);
            QCOMPARE(layout.angles[i].end, ends[i]);
            // The pie must close exactly, not within a rounding error.
            QCOMPARE(layout.angles[i].end == FullTurn, ends[i] == FullTurn);
        }
        QTEST(int(layout.wedges.size()), "wedges");
        QStringList marks;
        for (const MarkLayout& mark : layout.marks)
            marks.append(mark.text.text);
        QTEST(marks, "marks");
    }

    void tinyPieDrawsMarksButNoSlices()
    {
        const PieLayout layout = layoutOf(players(7, 12, 5), {120, 90});
        QCOMPARE(layout.circle.rect.width(), 4);
        QVERIFY(layout.wedges.isEmpty());
        QCOMPARE(layout.marks.size(), 3);
    }

    void valuesAreWrittenInRussian_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("thousands") << 1234.0 << QStringLiteral("1\u00A0234");
        QTest::newRow("zero") << 0.0 << QStringLiteral("0");
        QTest::newRow("decimal comma") << 2.5 << QStringLiteral("2,5");
        QTest::newRow("three decimals") << 1234.5678 << QStringLiteral("1\u00A0234,568");
    }
    void valuesAreWrittenInRussian()
    {
        QFETCH(double, value);
        QTEST(valueText(value), "text");
    }

    void legendListsValueAndLabel()
    {
        const PieLayout layout = layoutOf(players(1234, 1, 2));
        QCOMPARE(layout.legend.entries[0].text.text, QStringLiteral("1\u00A0234 Сеня"));
        QCOMPARE(layout.legend.entries[2].text.text, QStringLiteral("2 Лёлик"));
    }

    void legendStandsRightOfCentre_data()
    {
        QTest::addColumn<QSize>("panel");
        QTest::addColumn<EdgeRect>("frame");
        // The box is 182 wide: a tenth of the width it leaves free moves it right.
        QTest::newRow("300 wide") << QSize(300, 265) << EdgeRect{70, 234, 254, 250};
        QTest::newRow("20.5 pixels to the right")
            << QSize(387, 265) << EdgeRect{121, 234, 305, 250};
    }
    void legendStandsRightOfCentre()
    {
        QFETCH(QSize, panel);
        QFETCH(EdgeRect, frame);
        const PieLayout layout = layoutOf(players(7, 12, 5), panel);
        const LegendLayout& legend = layout.legend;
        QCOMPARE(legend.frame, frame);
        QCOMPARE(legend.shadow,
                 (EdgeRect{frame.left + 4, frame.top + 4, frame.right + 3, frame.bottom + 3}));
        QCOMPARE(legend.entries[0].text.topLeft, QPoint(frame.left + 15, 236));
        QCOMPARE(legend.entries[0].colorBox, (EdgeRect{frame.left + 5, 238, frame.left + 11, 246}));
        QCOMPARE(legend.entries[1].text.topLeft.x(), frame.left + 15 + 56);
        // The pie keeps 4 % of the 221 pixels between title and legend clear of the legend.
        QCOMPARE(layout.plot.bottom, 235 - 9);
    }

    void circleIsRoundOnTheScreen_data()
    {
        QTest::addColumn<double>("aspect");
        QTest::addColumn<EdgeRect>("circle");
        QTest::newRow("square pixels") << 1.0 << EdgeRect{76, 55, 224, 203};
        QTest::newRow("flat pixels") << 0.5 << EdgeRect{113, 55, 187, 203};
        QTest::newRow("tall pixels") << 2.0 << EdgeRect{71, 89, 229, 169};
    }
    void circleIsRoundOnTheScreen()
    {
        QFETCH(double, aspect);
        const PieLayout layout = layoutOf(players(7, 12, 5), {300, 265}, aspect);
        QTEST(layout.circle.rect, "circle");
    }

    void pixelShapeComesFromTheScreen()
    {
        QCOMPARE(pixelAspectOf({640, 200}, {320, 240}), 2.4);
        QCOMPARE(pixelAspectOf({800, 600}, {}), 1.0);
    }

    void marksHangAwayFromTheCentre_data()
    {
        QTest::addColumn<QList<PiePoint>>("points");
        QTest::addColumn<int>("index");
        QTest::addColumn<QPoint>("direction");
        QTest::addColumn<bool>("right");
        QTest::addColumn<bool>("down");
        QTest::newRow("top") << players(1, 1, 0) << 0 << QPoint(0, -1) << false << false;
        QTest::newRow("bottom") << players(1, 1, 0) << 1 << QPoint(0, 1) << false << true;
        QTest::newRow("3 o'clock") << players(0, 5, 0) << 0 << QPoint(1, 0) << true << false;
        QTest::newRow("9 o'clock") << players(0, 5, 0) << 1 << QPoint(-1, 0) << false << false;
    }
    void marksHangAwayFromTheCentre()
    {
        QFETCH(QList<PiePoint>, points);
        QFETCH(int, index);
        QFETCH(QPoint, direction);
        QFETCH(bool, right);
        QFETCH(bool, down);
        const PieLayout layout = layoutOf(points);
        const CircleLayout& circle = layout.circle;
        const MarkLayout& mark = layout.marks[index];
        const auto along = [&](int rx, int ry) {
            return circle.centre + QPoint(direction.x() * rx, direction.y() * ry);
        };
        QCOMPARE(mark.arrowEnd, along(circle.rx + 10, circle.ry + 12));
        QCOMPARE(mark.arrowStart, along(circle.rx - 8, circle.ry - 8));
        QCOMPARE(right ? mark.box.left : mark.box.right, mark.arrowEnd.x());
        QCOMPARE(down ? mark.box.top : mark.box.bottom, mark.arrowEnd.y());
        // Centred in its box: half the W's width and the frame to its left.
        QCOMPARE(mark.text.topLeft - QPoint(mark.box.left, mark.box.top), QPoint(6, 1));
    }

    void paintedChartFollowsItsLayout()
    {
        PieChart chart;
        chart.resize(300, 265);
        const auto addPlayers = [&chart] {
            for (const PiePoint& point : players(7, 12, 5))
                chart.add(point.value, point.label, point.color);
        };
        addPlayers();
        const QImage image = chart.grab().toImage();
        const PieLayout layout = chart.currentLayout();
        const CircleLayout& circle = layout.circle;
        for (int i = 0; i < 3; ++i) {
            const QPoint inside =
                pointAtAngle(layout.angles[i].middle, circle.centre, circle.rx / 2, circle.ry / 2);
            const QRgb color = chart.points()[i].color.rgb();
            QCOMPARE(image.pixel(inside), color);
            const EdgeRect& colorBox = layout.legend.entries[i].colorBox;
            QCOMPARE(image.pixel(colorBox.left + 1, colorBox.top + 1), color);
        }
        const EdgeRect& frame = layout.legend.frame;
        QCOMPARE(image.pixel(frame.right + 1, frame.top + 5), qRgb(0, 0, 0));
        QCOMPARE(image.pixel(frame.left + 5, frame.bottom + 2), qRgb(0, 0, 0));
        const MarkLayout& mark = layout.marks[0];
        QCOMPARE(image.pixel(mark.arrowStart), qRgb(255, 255, 255));
        QCOMPARE(image.pixel(mark.box.left + 1, mark.box.top + 1), qRgb(255, 255, 128));

        chart.clear();
        addPlayers();
        QCOMPARE(chart.grab().toImage(), image);
    }
};

QTEST_MAIN(TestChart)
#include "test_chart.moc"
