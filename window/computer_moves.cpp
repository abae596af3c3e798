// SPDX-License-Identifier: GPL-3.0-or-later
#include "window/image_control.h"
#include "window/main_window.h"

namespace window
{

void MainWindow::playComputerTick()
{
    if (const std::optional<game::LaidCard> laid = opponents::playTick(game_, level())) {
        playLayingSound();
        cell(laid->cell)->drawPicture(pictures_.face(game_.table()[laid->cell].value()));
        const auto& backs = laid->player == game::Player::John ? johnBacks_ : harryBacks_;
        backs.at(static_cast<std::size_t>(laid->slot - 1))->hide();
    }
    syncTimer();
}

} // namespace window
