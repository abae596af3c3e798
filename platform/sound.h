#pragma once

#include <QString>
#include <memory>

class QSoundEffect;

namespace platform
{

// The laying sound. Playing starts at once and never waits; a missing file or a machine
// without an audio device is no error and simply stays silent.
class Sound
{
public:
    virtual ~Sound() = default;
    virtual void play() = 0;
};

class SoundEffect final : public Sound
{
public:
    // Loads the file once, up front: playing must not wait for it later.
    explicit SoundEffect(const QString& path);
    ~SoundEffect() override;
    void play() override;

private:
    std::unique_ptr<QSoundEffect> effect_;
};

} // namespace platform
