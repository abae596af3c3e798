// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "game/card.h"

#include <QImage>
#include <QString>
#include <array>

namespace window
{

// The pictures the table shows, kept in the screen's own format so that drawing one is a plain
// copy. A face is read and made ready when it is first asked for: only a dozen show at the
// deal, and the others need not slow the start.
class CardPictures
{
public:
    const QImage& face(game::Card card);
    const QImage& emptyCell();

    // The backs named ("RubL1", "RubR1" ...); a name of no back shows the first design.
    void setBacks(const QString& leftName, const QString& rightName);
    const QImage& leftBack() const { return leftBack_; }
    const QImage& rightBack() const { return rightBack_; }

private:
    std::array<QImage, game::SuitCount * game::RankCount> faces_;
    QImage emptyCell_;
    QImage leftBack_;
    QImage rightBack_;
};

} // namespace window
