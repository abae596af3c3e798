// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "dialogs/fixed_dialog.h"
#include "game/tally.h"

#include <array>

class QLabel;
class QPushButton;

namespace chart
{
class PieChart;
}

namespace dialogs
{

// The statistics window: how many games had a first finisher, how often each player finished
// first, and a pie of the three players' points. It shows the tally as it stood when it was
// opened, and "Обнулить" asks for the tally to be cleared at once; the game itself keeps the
// tally and writes it at close.
class StatisticsWindow : public FixedDialog
{
    Q_OBJECT
public:
    // `tally` is the game's own, read afresh at each opening and activation.
    StatisticsWindow(const game::Tally& tally, QWidget* owner);

    // Fills the window from the tally and shows it until it is closed.
    void showTally();

Q_SIGNALS:
    // "Обнулить": every counter of the tally is to become 0 now.
    void resetRequested();

protected:
    bool event(QEvent* event) override;

private:
    void fill();
    void reset();
    // "Обнулить" is offered only once a game has been counted.
    void offerReset();

    const game::Tally& tally_;
    chart::PieChart* chart_ = nullptr;
    std::array<QLabel*, 4> values_{};
    QPushButton* resetButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
};

} // namespace dialogs
