// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QFont>
#include <QObject>
#include <cstdint>
#include <functional>
#include <optional>
#include <ostream>
#include <string_view>
#include <vector>

// What the program settles as it starts: its command line, its fonts and Qt's texts, the
// seed of the first deal, and the work left until its window is on screen.
namespace platform
{

// The game's command line, read before any window or display is asked for: `--help` and
// `--version` (printing `version`) answer on `out`; anything else that is not one of Qt's own
// options (such as the `-session` a session manager restarts the game with) is refused with
// the usage on `err`. Returns the exit status when the program should stop there, nothing
// when it should play.
std::optional<int> answerCommandLine(const std::vector<std::string_view>& arguments,
                                     std::string_view version, std::ostream& out,
                                     std::ostream& err);

// The font for the menus and the help: the desktop's own, unless it comes out as a typewriter
// face, as on a minimal system with only the Liberation fonts, where fontconfig answers
// "sans-serif" with Liberation Mono. Then Liberation Sans at the same size, the dialogs' face.
QFont interfaceFont(const QFont& desktopFont);

// Qt's own texts, such as the help's right-click menu, in Russian like the rest of the game,
// from the translations Qt ships; where they are missing those texts stay English.
void installRussianQtTexts();

// A seed for the deal that differs from run to run, taken from the time of day.
std::uint32_t seedFromTimeOfDay();

// Runs `work` from the event loop once `window` (a QWindow) has first been exposed on screen
// and drawn: for work the program needs soon, but not for its first picture.
void runAfterFirstExposure(QObject* window, std::function<void()> work);

} // namespace platform
