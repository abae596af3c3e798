#include "game/table.h"

namespace game
{

void ClearTable(Table& table)
{
    for (Card& slot : table) {
        slot.Face = nullptr;
        slot.Rank = 0;
    }
}

} // namespace game
