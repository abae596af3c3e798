// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QObject>
#include <functional>

namespace platform
{

// Runs `work` from the event loop once `window` (a QWindow) has first been exposed on screen
// and drawn: for work the program needs soon, but not for its first picture.
void runAfterFirstExposure(QObject* window, std::function<void()> work);

} // namespace platform
