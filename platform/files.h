#pragma once

#include <QString>

namespace platform
{

// The game's own files ("Put.wav", the help) are looked for in the current directory first,
// then beside the executable, so a game started from a desktop menu still finds them.
// Returns the path found, or an empty string.
QString findGameFile(const QString& name);

} // namespace platform
