#!/usr/bin/env bash
# Builds the Debian package: the game in /usr/games, its data in /usr/share/tavlen, its
# dependencies declared from what it links. Installs what is missing first.
# Usage: scripts/package.sh   (the .deb lands in build/package/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_packages+=(dpkg-dev)
tavlen_setup
tavlen_build build/package -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF \
    -DCMAKE_INSTALL_PREFIX=/usr -DCMAKE_INSTALL_BINDIR=games
(cd build/package && cpack -G DEB >/dev/null)
ls build/package/*.deb
