// SPDX-License-Identifier: GPL-3.0-or-later
#include "chart/pie_chart.h"

#include "chart/sunken_groove.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QScreen>
#include <QtMath>

namespace chart
{

namespace
{

// The size the statistics window gives the chart.
constexpr QSize DesignedSize{300, 265};
constexpr int LineWidth = 1;
const QString FontFamily = QStringLiteral("Arial");
constexpr int TitlePixelSize = 16;
constexpr int LabelPointSize = 8;

QFont titleFont()
{
    QFont font(FontFamily);
    font.setPixelSize(TitlePixelSize);
    return font;
}

// The legend's and the marks' font.
QFont labelFont()
{
    return QFont(FontFamily, LabelPointSize);
}

FontMeasure measureOf(const QFont& font, const QPaintDevice* device)
{
    const QFontMetrics metrics(font, device);
    return {metrics.height(), metrics.horizontalAdvance(u'W'),
            [metrics](const QString& text) { return metrics.horizontalAdvance(text); }};
}

// The panel sunk into its surroundings, with a raised rim just inside: the same groove as the
// dialogs' sunken panels.
void drawPanel(QPainter& painter, QSize size, const QPalette& palette)
{
    const QRect panel({0, 0}, size);
    painter.fillRect(panel, palette.color(QPalette::Button));
    drawSunkenGroove(painter, panel, palette);
}

// A 1-pixel frame on the edge pixels of `box`, filled rather than stroked so that it covers
// whole logical pixels on a screen of any density.
void drawFrame(QPainter& painter, const EdgeRect& box, const QColor& color)
{
    const int width = box.width(), height = box.height();
    painter.fillRect(box.left, box.top, width, LineWidth, color);
    painter.fillRect(box.left, box.bottom - LineWidth, width, LineWidth, color);
    painter.fillRect(box.left, box.top, LineWidth, height, color);
    painter.fillRect(box.right - LineWidth, box.top, LineWidth, height, color);
}

void drawText(QPainter& painter, const TextPlacement& text)
{
    painter.setPen(TextColor);
    painter.drawText(text.topLeft + QPoint(0, painter.fontMetrics().ascent()), text.text);
}

void drawLegend(QPainter& painter, const LegendLayout& legend)
{
    if (legend.entries.isEmpty())
        return;
    painter.fillRect(legend.shadow.toQRect(), LegendShadowColor);
    painter.fillRect(legend.frame.toQRect(), LegendColor);
    drawFrame(painter, legend.frame, OutlineColor);
    for (const LegendEntry& entry : legend.entries) {
        drawText(painter, entry.text);
        painter.fillRect(entry.colorBox.toQRect(), entry.color);
        drawFrame(painter, entry.colorBox, inkOn(LegendColor));
    }
}

void drawWedges(QPainter& painter, const QList<Wedge>& wedges, const CircleLayout& circle)
{
    painter.setPen(QPen(OutlineColor, LineWidth));
    // The arc runs through the middles of the rectangle's edge pixels, so that it lies on them
    // and stays inside the rectangle, whose right and bottom edges are not its own.
    constexpr double HalfPixel = 0.5;
    const QRectF ellipse =
        QRectF(circle.rect.toQRect()).adjusted(HalfPixel, HalfPixel, -HalfPixel, -HalfPixel);
    for (const Wedge& wedge : wedges) {
        // The arc and both radii; a full turn leaves a single radius, at its start.
        QPainterPath path(circle.centre);
        path.arcTo(ellipse, qRadiansToDegrees(wedge.startAngle),
                   qRadiansToDegrees(wedge.spanAngle));
        path.closeSubpath();
        painter.setBrush(wedge.color);
        painter.drawPath(path);
    }
}

void drawMarks(QPainter& painter, const QList<MarkLayout>& marks)
{
    for (const MarkLayout& mark : marks) {
        painter.setPen(QPen(mark.arrowColor, LineWidth));
        painter.drawLine(mark.arrowStart, mark.arrowEnd);
        painter.fillRect(mark.box.toQRect(), MarkBoxColor);
        drawFrame(painter, mark.box, OutlineColor);
        drawText(painter, mark.text);
    }
}

} // namespace

PieChart::PieChart(QWidget* parent) : QWidget(parent) {}

void PieChart::clear()
{
    points_.clear();
    update();
}

int PieChart::add(double value, const QString& label, const QColor& color)
{
    points_.append({value, label, color});
    update();
    return static_cast<int>(points_.size() - 1);
}

PieLayout PieChart::currentLayout() const
{
    const QFont labels = labelFont();
    const ChartFonts fonts{measureOf(titleFont(), this), measureOf(labels, this),
                           measureOf(labels, this)};
    const QScreen* display = screen();
    const double aspect = display ? pixelAspectOf(display->size(), display->physicalSize()) : 1.0;
    return layoutPie(size(), points_, fonts, aspect, palette().color(QPalette::Button));
}

QSize PieChart::sizeHint() const
{
    return DesignedSize;
}

void PieChart::paintEvent(QPaintEvent*)
{
    const PieLayout layout = currentLayout();
    QPainter painter(this);
    // The chart is drawn in crisp one-pixel lines and solid fills.
    painter.setRenderHint(QPainter::Antialiasing, false);
    drawPanel(painter, size(), palette());
    painter.setFont(titleFont());
    drawText(painter, layout.title);
    painter.setFont(labelFont());
    drawLegend(painter, layout.legend);
    drawWedges(painter, layout.wedges, layout.circle);
    drawMarks(painter, layout.marks);
}

} // namespace chart
