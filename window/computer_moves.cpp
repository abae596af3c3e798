#include "opponents/turn_driver.h"
#include "window/image_control.h"
#include "window/tfrma.h"

namespace window
{

void TFrmA::Timer1Timer()
{
    const std::optional<opponents::Laid> laid = opponents::Timer1Timer(game_, Level());
    if (laid) {
        playLayingSound();
        Image(laid->cell)->DrawPicture(*game_.TableList[laid->cell].Face);
        (laid->player == game::Player::John ? John(laid->slot) : Harry(laid->slot))->hide();
    }
    syncTimer();
}

} // namespace window
