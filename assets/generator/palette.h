#pragma once

#include <QImage>
#include <QString>

// The standard 16-colour palette that every picture of the game is stored in.
namespace artwork {

QImage ToPalette(const QImage& drawing);
bool SavePicture(const QImage& drawing, const QString& path);

} // namespace artwork
