// SPDX-License-Identifier: GPL-3.0-or-later
// Draws every picture of the game, at 1x into the picture folder and at 2x into its "2x"
// folder, and records the laying sound; given an icon folder, also paints the desktop icons
// into it, laid out as the hicolor theme is: <N>x<N>/apps/tavlen.png.
// Usage: tavlen-artwork <picture folder> <sound file> [icon folder]
#include "../pictures.h"
#include "backs.h"
#include "faces.h"
#include "icon.h"
#include "palette.h"
#include "sound.h"

#include <QDir>
#include <QFile>
#include <QTransform>
#include <cstdio>

namespace
{

const QString DoubleFolder = QStringLiteral("2x");

bool complain(const QString& what)
{
    std::fprintf(stderr, "tavlen-artwork: cannot write %s\n", qPrintable(what));
    return false;
}

bool save(const QImage& img, const QDir& dir, const QString& name)
{
    return artwork::savePicture(img, dir.filePath(name + QStringLiteral(".bmp"))) || complain(name);
}

// Every picture at `scale`, 1 for the game's own sizes or 2 for dense screens.
bool savePictures(const QDir& dir, int scale)
{
    if (!dir.mkpath(QStringLiteral(".")))
        return complain(dir.path());
    bool ok = true;
    for (const game::Suit suit : game::Suits)
        for (int rank = game::numberOf(game::Rank::Six); rank <= game::numberOf(game::Rank::Ace);
             ++rank)
            ok &= save(artwork::drawFace({rank, game::letterOf(suit)}, scale), dir,
                       assets::faceName({suit, static_cast<game::Rank>(rank)}));
    ok &= save(artwork::drawNone(scale), dir, QStringLiteral("NONE"));
    ok &= save(artwork::drawIcon(scale), dir, QStringLiteral("MAINICON"));
    for (int design = 1; design <= assets::BackDesigns; ++design) {
        const QImage left =
            artwork::drawBack(design, QSize(assets::BackWidth, assets::BackHeight), scale);
        ok &= save(left, dir, QStringLiteral("RUBL%1").arg(design));
        ok &= save(left.mirrored(true, false), dir, QStringLiteral("RUBR%1").arg(design));
        ok &= save(artwork::drawBack(design, QSize(assets::FaceWidth, assets::FaceHeight), scale),
                   dir, QStringLiteral("DESIGN%1").arg(design));
    }
    return ok;
}

bool saveDesktopIcons(const QDir& theme)
{
    bool ok = true;
    for (int size : artwork::DesktopIconSizes) {
        const QString folder = QStringLiteral("%1x%1/apps").arg(size);
        const QString path = theme.filePath(folder + QStringLiteral("/tavlen.png"));
        ok &= (theme.mkpath(folder) && artwork::drawDesktopIcon(size).save(path, "png")) ||
              complain(path);
    }
    return ok;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3 && argc != 4) {
        std::fprintf(stderr, "usage: tavlen-artwork <picture folder> <sound file> [icon folder]\n");
        return 2;
    }
    // The 2x pictures go into a folder of their own, where the 1x lookup cannot reach them.
    const QDir dir(QString::fromLocal8Bit(argv[1]));
    bool ok = savePictures(dir, 1) && savePictures(QDir(dir.filePath(DoubleFolder)), 2);
    QFile wav(QString::fromLocal8Bit(argv[2]));
    ok &= wav.open(QIODevice::WriteOnly) && wav.write(artwork::layingSound()) >= 0;
    if (argc == 4)
        ok &= saveDesktopIcons(QDir(QString::fromLocal8Bit(argv[3])));
    return ok ? 0 : 1;
}
