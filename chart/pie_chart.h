// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "chart/pie_layout.h"

#include <QList>
#include <QWidget>

namespace chart
{

// A flat pie of labelled, coloured values: the title "Счёт" on top, one slice per point in
// the order added, each slice's percentage in a box beside it and a legend row at the bottom,
// on a bevelled panel in the palette's button colours. Every paint follows layoutPie(); the
// chart takes no mouse or keyboard input.
class PieChart : public QWidget
{
    Q_OBJECT
public:
    explicit PieChart(QWidget* parent = nullptr);

    void clear();
    // Appends a point and returns its index, counted from 0.
    int add(double value, const QString& label, const QColor& color);
    const QList<PiePoint>& points() const { return points_; }

    // What the next paint draws, at the chart's present size, fonts and screen.
    PieLayout currentLayout() const;

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QList<PiePoint> points_;
};

} // namespace chart
