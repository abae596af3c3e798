#include "window/layout.h"

#include "game/table.h"

namespace window::layout
{

QPoint CellPosition(int cell)
{
    return {(game::ColumnOf(cell) - 1) * CellPitchX, (game::RowOf(cell) - 1) * CellPitchY};
}

QPoint HandPosition(int slot)
{
    return {(slot - 1) * HandPitch, 0};
}

QPoint BackPosition(int slot)
{
    return {0, (slot - 1) * BackPitch};
}

int HalfRoundedToEven(int twice)
{
    // Floor division first, so negative sizes round the same way as positive ones.
    int half = twice >= 0 ? twice / 2 : -((-twice + 1) / 2);
    if (twice % 2 != 0 && half % 2 != 0)
        ++half;
    return half;
}

PanelPlacement FormResize(QSize client)
{
    const QSize outer = client + DesignedFrame;
    PanelPlacement p;
    p.sidesVisible = outer.width() >= MinimumOuterWidth;
    p.handVisible = outer.height() >= MinimumOuterHeight;
    p.table = {HalfRoundedToEven(client.width() - Panel2Rect.width()), Panel2Rect.top()};
    p.hand = {HalfRoundedToEven(client.width() - Panel3Rect.width()), client.height() - HandInset};
    p.left = {Panel4Rect.left(), HalfRoundedToEven(client.height() - Panel4Rect.height())};
    p.right = {client.width() - RightColumnInset,
               HalfRoundedToEven(client.height() - Panel5Rect.height())};
    return p;
}

} // namespace window::layout
