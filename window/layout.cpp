// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/layout.h"

#include "chart/pie_layout.h"
#include "game/table.h"

namespace window::layout
{

QPoint cellPosition(int cell)
{
    return {(game::columnOf(cell) - 1) * CellPitchX, (game::rowOf(cell) - 1) * CellPitchY};
}

QPoint handPosition(int slot)
{
    return {(slot - 1) * HandPitch, 0};
}

QPoint backPosition(int slot)
{
    return {0, (slot - 1) * BackPitch};
}

int halfRoundedToEven(int twice)
{
    // A whole number's half is exact in a double, so the chart's rounding gives the even side.
    return chart::roundHalfToEven(twice / 2.0);
}

PanelPlacement placePanels(QSize client)
{
    const QSize outer = client + DesignedFrame;
    PanelPlacement p;
    p.columnsVisible = outer.width() >= MinimumOuterWidth;
    p.handVisible = outer.height() >= MinimumOuterHeight;
    p.cellGrid = {halfRoundedToEven(client.width() - CellGridRect.width()), CellGridRect.top()};
    p.handRow = {halfRoundedToEven(client.width() - HandRowRect.width()),
                 client.height() - HandRowInset};
    p.johnColumn = {JohnColumnRect.left(),
                    halfRoundedToEven(client.height() - JohnColumnRect.height())};
    p.harryColumn = {client.width() - HarryColumnInset,
                     halfRoundedToEven(client.height() - HarryColumnRect.height())};
    return p;
}

} // namespace window::layout
