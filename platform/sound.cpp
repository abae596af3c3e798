#include "platform/sound.h"

#include <QSoundEffect>
#include <QUrl>

namespace platform
{

SoundEffect::SoundEffect(const QString& path)
{
    if (path.isEmpty())
        return;
    effect_ = std::make_unique<QSoundEffect>();
    effect_->setSource(QUrl::fromLocalFile(path));
}

SoundEffect::~SoundEffect() = default;

void SoundEffect::play()
{
    if (!effect_)
        return;
    // A new card cuts the previous snap short rather than queueing behind it.
    effect_->stop();
    effect_->play();
}

} // namespace platform
