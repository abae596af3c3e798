// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>
#include <algorithm>
#include <functional>

namespace chart
{

// All the chart's layout needs to know of a font. The widget fills it from the font engine;
// tests give fixed numbers.
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

} // namespace chart
