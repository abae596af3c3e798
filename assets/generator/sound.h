#pragma once

#include <QByteArray>

namespace artwork
{

// The laying sound as a complete WAV file.
QByteArray layingSound();

} // namespace artwork
