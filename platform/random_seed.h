// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <cstdint>

namespace platform
{

// A seed for the deal that differs from run to run, taken from the time of day.
std::uint32_t seedFromTimeOfDay();

} // namespace platform
