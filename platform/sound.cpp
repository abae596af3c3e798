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
    // Only beside the program, never from the current directory: this is code, not data.
    const QString module = QDir(QCoreApplication::applicationDirPath()).filePath(SoundModule);
    const auto make = reinterpret_cast<MakeSound>(QLibrary::resolve(module, MakeSoundSymbol));
    if (make)
        effect_.reset(make(path_));
}

void SoundEffect::play()
{
    if (effect_)
        effect_->play();
}

} // namespace platform
