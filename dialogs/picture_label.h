// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/picture_cache.h"

#include <QLabel>

namespace dialogs
{

// A label that shows one of the game's pictures at the density of the screen it is on, picked
// again when its window moves to a screen of another density.
class PictureLabel : public QLabel
{
    Q_OBJECT
public:
    PictureLabel(const QString& pictureName, QWidget* parent);

protected:
    bool event(QEvent* event) override;

private:
    void showPictureForScreen();

    const QString pictureName_;
    assets::PictureCache pictures_;
};

} // namespace dialogs
