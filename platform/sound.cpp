// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

#include "platform/multimedia_sound.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>

namespace platform
{

SoundEffect::SoundEffect(const QString& path) : path_(path) {}

SoundEffect::~SoundEffect() = default;

void SoundEffect::load()
{
    if (loaded_ || path_.isEmpty())
        return;
    loaded_ = true;
    // Beside the program in a build folder or a portable copy, else where the installed game
    // keeps it; never from the current directory, as this is code, not data.
    const QDir programDir(QCoreApplication::applicationDirPath());
    for (const QString& dir :
         {programDir.path(), programDir.filePath(QStringLiteral(TAVLEN_INSTALLED_MODULE_DIR))}) {
        const QString module = QDir(dir).filePath(SoundModule);
        if (const auto make =
                reinterpret_cast<MakeSound>(QLibrary::resolve(module, MakeSoundSymbol))) {
            effect_.reset(make(path_));
            return;
        }
    }
}

void SoundEffect::play()
{
    if (effect_)
        effect_->play();
}

} // namespace platform
