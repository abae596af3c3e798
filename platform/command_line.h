// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

namespace platform
{

// The game's command line, read before any window or display is asked for: `--help` and
// `--version` (printing `version`) answer on `out`; anything else that is not one of Qt's own
// options (such as the
// `-session` a session manager restarts the game with) is refused with the usage on `err`.
// Returns the exit status when the program should stop there, nothing when it should play.
std::optional<int> answerCommandLine(const std::vector<std::string_view>& arguments,
                                     std::string_view version, std::ostream& out,
                                     std::ostream& err);

} // namespace platform
