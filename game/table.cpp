// SPDX-License-Identifier: GPL-3.0-or-later
#include "game/table.h"

namespace game
{

void clearTable(Table& table)
{
    for (Card& slot : table) {
        slot.face = nullptr;
        slot.rank = 0;
    }
}

} // namespace game
