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

// The four inner panels at their designed places on the green table.
inline constexpr QRect Panel2Rect{73, 8, 647, 387};   // table cells
inline constexpr QRect Panel3Rect{102, 422, 588, 96}; // the human's hand
inline constexpr QRect Panel4Rect{2, 8, 62, 511};     // John's backs
inline constexpr QRect Panel5Rect{728, 8, 62, 511};   // Harry's backs
inline constexpr int RightColumnInset = 64;           // Panel5 stands 2 px from the right edge
inline constexpr int HandInset = 104;                 // the hand stands 8 px above the bottom

// Cells one pixel apart; hand cards and backs overlap, the higher number on top.
inline constexpr int CellPitchX = 72;
inline constexpr int CellPitchY = 97;
inline constexpr int HandPitch = 47;
inline constexpr int BackPitch = 40;

QPoint CellPosition(int cell);
QPoint HandPosition(int slot);
QPoint BackPosition(int slot);

// Halves go to the even neighbour: 72.5 gives 72, 7.5 gives 8.
int HalfRoundedToEven(int twice);

struct PanelPlacement {
    QPoint table;
    QPoint hand;
    QPoint left;
    QPoint right;
    bool sidesVisible;
    bool handVisible;
};

// The panels' places and visibility for a client area of the given size.
PanelPlacement FormResize(QSize client);

} // namespace window::layout
