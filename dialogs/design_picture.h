// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "assets/picture_cache.h"

#include <QWidget>

namespace dialogs
{

// One card-back design in the chooser: its picture at full card size, under the hand pointer;
// a click on it (press and release over it) picks the design. It takes the keyboard focus
// only from the keyboard, and shows its focus ring only when the chooser says a key moved the
// focus there, so that the mouse sees the bare picture; Space or Return picks it. A screen
// reader hears its number and what it looks like, and can press it.
class DesignPicture : public QWidget
{
    Q_OBJECT
public:
    DesignPicture(int design, QWidget* parent);

    void pick();
    void showRing(bool shown);

Q_SIGNALS:
    void picked(int design);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    const int design_;
    // Only the picture for the screen the chooser is on is read.
    assets::PictureCache pictures_;
    bool ringShown_ = false;
};

} // namespace dialogs
