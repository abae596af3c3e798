// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

namespace dialogs
{

// One card-back design in the chooser: its picture at full card size, under the hand pointer;
// a click on it (press and release over it) picks the design. A screen reader hears its
// number and what it looks like, and can press it.
class DesignPicture : public QWidget
{
    Q_OBJECT
public:
    DesignPicture(int design, QWidget* parent);

    void pick();

Q_SIGNALS:
    void picked(int design);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    const int design_;
    QImage picture_;
};

} // namespace dialogs
