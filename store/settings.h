// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/tally.h"
#include "store/ini_document.h"

#include <QString>
#include <optional>
#include <span>

namespace store
{

// The main window's state: only a normal or a maximised window is kept in the file.
enum class WindowState { Normal, Maximized, Minimized };

// What the game keeps in "Param.ini" between runs: the sound, the two card backs, the tally,
// the main window's state and the computers' level.
struct Settings {
    bool sound = true;
    QString leftBack = QStringLiteral("RubL1");
    QString rightBack = QStringLiteral("RubR1");
    game::Tally tally;
    // Read: normal or maximised; nothing leaves the window as it opens. Written: a minimised
    // window, or none, leaves the file's state as it was.
    std::optional<WindowState> windowState = WindowState::Normal;
    bool highLevel = false;

    bool operator==(const Settings&) const = default;
};

// Where the settings lie in the file, a section and a key each, in the order the game has
// always read and written them.
std::span<const IniDocument::Key> settingKeys();

// The settings as the file holds them, a missing key reading as the game's default. A counter
// that is no whole number the tally can hold stays 0 and makes `ok` false; every other key is
// read all the same.
Settings readSettings(const IniDocument& file, bool* ok = nullptr);
// Puts every setting into the file, leaving the rest of the file as it is.
void writeSettings(const Settings& settings, IniDocument& file);

// The counters of `stored` with what a run added to its tally since it stood at `counted` put
// on top, each held within the 32 bits a counter has.
game::Tally addedTally(const game::Tally& stored, const game::Tally& counted,
                       const game::Tally& current);

} // namespace store
