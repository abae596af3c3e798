// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/sound.h"

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
    QString why;
    for (const QString& dir :
         {programDir.path(), programDir.filePath(QStringLiteral(TAVLEN_INSTALLED_MODULE_DIR))}) {
        QLibrary module(QDir(dir).filePath(SoundModule));
        if (const auto make = reinterpret_cast<MakeSound>(module.resolve(MakeSoundSymbol))) {
            effect_.reset(make(path_));
            return;
        }
        why = module.errorString();
    }
    // The game plays on in silence, but a player who hears nothing is told why, once.
    qInfo("tavlen: %s; the cards are laid without their sound", qUtf8Printable(why));
}

void SoundEffect::play()
{
    if (effect_)
        effect_->play();
}

} // namespace platform
