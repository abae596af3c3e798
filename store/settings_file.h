// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "store/settings.h"

#include <QString>

namespace store
{

// The game's "Param.ini": where it lies, reading it at start and writing it back at close.
// Beside the program comes first, so that a copy of the game carried around keeps its file
// with it. Where the game may not write there, as when it is installed or carried to a
// read-only place, the file is written in the player's configuration directory, and read from
// there once it exists; until then the file beside the program, if any, carries the tally on.
// The file beside the program is then never written.
//
// Each step says whether the player must see the file's error box. A file that could not be
// created or read at start is not written at close either, so one run shows the box at most
// once; a file with a bad counter is written at close with the values the game kept.
class SettingsFile
{
public:
    enum class LoadResult {
        Loaded,    // read, or made empty on a first run
        DataError, // read, but a counter was bad: the box, and the file is written at close
        // The box, the defaults, and nothing is written at close:
        UnusableData, // the file is too large, or in UTF-16
        FileError,    // it is no regular file, or could not be made or read
    };
    enum class SaveResult {
        Saved,
        Failed,    // the box; the old file is whole
        NotLoaded, // nothing written, as loading failed and the player has heard of it
    };

    // Where the file may live: the preferred directory when the game may write there, the
    // fallback otherwise. Named fields, as the two are easily swapped.
    struct Directories {
        QString preferred;
        QString fallback;
    };
    explicit SettingsFile(const Directories& directories);

    // Fills `settings` from the file. A missing file is created empty and gives the defaults,
    // as does one that cannot be read.
    LoadResult load(Settings& settings);
    // Replaces the whole file at once; when that fails the old file stays as it was. The file
    // is read again first, so that what it holds besides the settings is kept, and another
    // game that closed meanwhile keeps its games: the counters are what the file holds now
    // with what this run added since it was read or last saved, unless this run reset them.
    SaveResult save(const Settings& settings);
    // The tally was reset: the next save writes the counters as they are.
    void markTallyReset();

    // The file that is written.
    QString filePath() const;
    // The text of the error box, for the file that failed last.
    QString errorMessage() const;

private:
    QString readPath_;
    QString writeDirectory_;
    QString failedPath_;
    bool loaded_ = false;
    // The counters this run has put into the file, or found there at start.
    game::Tally counted_;
    bool tallyReset_ = false;
};

} // namespace store
