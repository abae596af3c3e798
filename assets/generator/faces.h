#pragma once

#include <QImage>

namespace artwork
{

// One card face, 71 x 96: rank 6..14, suit 'b', 'c', 'k' or 'p'.
QImage drawFace(int rank, char suit);

} // namespace artwork
