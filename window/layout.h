// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// Where the table, the hand and the two columns of backs stand in the main window.
namespace window::layout
{

inline constexpr int DesignedClientWidth = 792;
inline constexpr int DesignedClientHeight = 526;
inline constexpr int MinimumOuterWidth = 800;
inline constexpr int MinimumOuterHeight = 572;
// The window's outer size is its client area plus the frame it was designed with (borders,
// caption and menu bar), so the thresholds below mean the same on every desktop.
inline constexpr QSize DesignedFrame{MinimumOuterWidth - DesignedClientWidth,
                                     MinimumOuterHeight - DesignedClientHeight};

// The four groups of cards at their designed places on the green table.
inline constexpr QRect CellGridRect{73, 8, 647, 387};
inline constexpr QRect HandRowRect{102, 422, 588, 96};
inline constexpr QRect JohnColumnRect{2, 8, 62, 511};
inline constexpr QRect HarryColumnRect{728, 8, 62, 511};
inline constexpr int HarryColumnInset = 64; // Harry's column stands 2 px from the right edge
inline constexpr int HandRowInset = 104;    // the hand stands 8 px above the bottom

// Cells one pixel apart; hand cards and backs overlap, the higher number on top.
inline constexpr int CellPitchX = 72;
inline constexpr int CellPitchY = 97;
inline constexpr int HandPitch = 47;
inline constexpr int BackPitch = 40;

QPoint cellPosition(int cell);
QPoint handPosition(int slot);
QPoint backPosition(int slot);

// Halves go to the even neighbour: 72.5 gives 72, 7.5 gives 8.
int halfRoundedToEven(int twice);

struct PanelPlacement {
    QPoint cellGrid;
    QPoint handRow;
    QPoint johnColumn;
    QPoint harryColumn;
    bool columnsVisible;
    bool handVisible;
};

// Where the groups go, and which show, for a client area of the given size: the table and the
// hand centred across, the columns at the edges and centred down, the hand near the bottom.
PanelPlacement placePanels(QSize client);

} // namespace window::layout
