// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QImage>
#include <QString>

// The standard 16-colour palette that every picture of the game is stored in. The drawings
// use these colours only, so storing them loses nothing.
namespace artwork
{

namespace colour
{
inline constexpr QRgb Black = qRgb(0, 0, 0);
inline constexpr QRgb Maroon = qRgb(128, 0, 0);
inline constexpr QRgb Green = qRgb(0, 128, 0);
inline constexpr QRgb Olive = qRgb(128, 128, 0);
inline constexpr QRgb Navy = qRgb(0, 0, 128);
inline constexpr QRgb Purple = qRgb(128, 0, 128);
inline constexpr QRgb Teal = qRgb(0, 128, 128);
inline constexpr QRgb Silver = qRgb(192, 192, 192);
inline constexpr QRgb Grey = qRgb(128, 128, 128);
inline constexpr QRgb Red = qRgb(255, 0, 0);
inline constexpr QRgb Lime = qRgb(0, 255, 0);
inline constexpr QRgb Yellow = qRgb(255, 255, 0);
inline constexpr QRgb Blue = qRgb(0, 0, 255);
inline constexpr QRgb Fuchsia = qRgb(255, 0, 255);
inline constexpr QRgb Aqua = qRgb(0, 255, 255);
inline constexpr QRgb White = qRgb(255, 255, 255);
} // namespace colour

QImage toPalette(const QImage& drawing);
bool savePicture(const QImage& drawing, const QString& path);

} // namespace artwork
