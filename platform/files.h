// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QString>
#include <QStringList>

namespace platform
{

// Where the game's own files ("Put.wav", the help) may lie, in the order they are looked
// for: the current directory, beside the executable (a build folder or a portable copy), the
// data directory of an installed game relative to the executable, then the desktop's
// application data directories.
QStringList gameFileDirectories();

// The first of those directories that holds `name`; the path found, or an empty string.
QString findGameFile(const QString& name);

} // namespace platform
