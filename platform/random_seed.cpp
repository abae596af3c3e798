// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/random_seed.h"

#include <chrono>

namespace platform
{

std::uint32_t seedFromTimeOfDay()
{
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    return static_cast<std::uint32_t>(
        std::chrono::duration_cast<std::chrono::nanoseconds>(now).count());
}

} // namespace platform
