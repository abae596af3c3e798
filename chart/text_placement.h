// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QString>

namespace chart
{

// A line of text and the top left corner it is written at.
struct TextPlacement {
    QString text;
    QPoint topLeft;
};

} // namespace chart
