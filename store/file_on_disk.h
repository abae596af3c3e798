// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

namespace store
{

// The largest settings file the game reads: a real one is a few hundred bytes.
inline constexpr qsizetype MaxFileSize = 1 << 20;

// A file read whole, as readSmallFile() found it.
struct FileContents {
    enum class Outcome {
        Read,
        Missing,
        NotUsable, // not a regular file (a FIFO, a device, a directory), or it could not be read
        TooLarge,  // over MaxFileSize bytes
    };
    Outcome outcome = Outcome::Missing;
    QByteArray bytes; // when read
};

// Reads the regular file at `path`, or a link to one, without ever waiting on it: a FIFO or a
// device is refused before a byte is read, and no more than MaxFileSize + 1 bytes are read.
FileContents readSmallFile(const QString& path);

// Replaces the file at `path` with `bytes` at once: either the whole new file is there or the
// old one is untouched. The new file is made without a name and only named when it is whole,
// so a program killed meanwhile leaves nothing behind. A file whose owner has no write
// permission is not replaced, even for a user whom the system would let write it, and a
// replaced file keeps its permissions. Returns whether the file was replaced.
bool replaceFile(const QString& path, const QByteArray& bytes);

// Removes what replaceFile() of a program killed in the instant between naming the new file and
// putting it in place left beside `path`; a program still running keeps its own.
void removeLeftovers(const QString& path);

} // namespace store
