// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/settings.h"

#include <QString>

namespace store
{

// The game's "Param.ini": which directory holds it, reading it at start and writing it back
// at close. Beside the program comes first, so that a copy of the game carried around keeps
// its file with it; where the game may not write there, as when it is installed, the file
// lives in the player's configuration directory.
//
// Each step says whether the player must see the file's error box. A file that could not be
// created or read at start is not written at close either, so one run shows the box at most
// once; a file with bad data is written at close with the values the game kept.
class SettingsFile
{
public:
    enum class LoadResult {
        Loaded,    // read, or made empty on a first run
        DataError, // read, but a counter was bad: the box, and the file is written at close
        FileError, // neither made nor read: the box, and nothing is written at close
    };
    enum class SaveResult {
        Saved,
        Failed,    // the box; the old file is whole
        NotLoaded, // nothing written, as loading failed and the player has heard of it
    };

    // The preferred directory when the game may write there, the fallback otherwise.
    SettingsFile(const QString& preferredDirectory, const QString& fallbackDirectory);

    // Fills `settings` from the file. A missing file is created empty and gives the defaults,
    // as does one that cannot be read.
    LoadResult load(Settings& settings);
    // Replaces the whole file at once, keeping what it holds besides the settings; when that
    // fails the old file stays as it was. Nothing is written when loading failed.
    SaveResult save(const Settings& settings) const;

    QString filePath() const;
    // The directory as the platform writes paths, for the player to read.
    QString nativeDirectory() const;
    // The text of the error box.
    QString errorMessage() const;

private:
    QString directory_;
    bool loaded_ = false;
};

} // namespace store
