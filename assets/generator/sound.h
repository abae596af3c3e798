// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QByteArray>

namespace artwork
{

// The laying sound as a complete WAV file.
QByteArray layingSound();

} // namespace artwork
