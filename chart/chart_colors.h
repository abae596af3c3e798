// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QColor>

// The chart's fixed colours; only the panel's face and bevels come from the widget's palette.
namespace chart
{

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

} // namespace chart
