// The sound module: the laying sound through QSoundEffect, built as a module of its own so that
// the program loads Qt Multimedia only once its window is up.
#include "platform/multimedia_sound.h"

#include <QSoundEffect>
#include <QUrl>
#include <type_traits>

namespace
{

class MultimediaSound final : public platform::Sound
{
public:
    // The file is read in the background from here on, so playing never waits for it.
    explicit MultimediaSound(const QString& path) { effect_.setSource(QUrl::fromLocalFile(path)); }

    void play() override
    {
        // A new card cuts the previous snap short rather than queueing behind it.
        effect_.stop();
        effect_.play();
    }

private:
    QSoundEffect effect_;
};

} // namespace

extern "C" Q_DECL_EXPORT platform::Sound* tavlenMakeSound(const QString& path)
{
    return new MultimediaSound(path);
}
static_assert(std::is_same_v<decltype(&tavlenMakeSound), platform::MakeSound>,
              "the program calls the module's function through MakeSound");
