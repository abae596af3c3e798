// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>

namespace artwork
{

// The card a picture shows: rank 6..14, suit 'b', 'c', 'k' or 'p'.
struct FaceCard {
    int rank;
    char suit;
};

// One card face, 71 x 96 times `scale`.
QImage drawFace(FaceCard card, int scale);

} // namespace artwork
