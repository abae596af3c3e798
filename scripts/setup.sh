#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs whatever the game needs to build and test that this Debian machine lacks.
# Sourced by play.sh, test.sh, benchmark.sh and package.sh; fast when all is already there.
set -euo pipefail

tavlen_packages=(cmake ninja-build g++ qt6-base-dev qt6-multimedia-dev qt6-translations-l10n fonts-liberation2
                 desktop-file-utils appstream
                 xvfb xauth xdotool imagemagick x11-utils
                 dbus-daemon dbus-bin at-spi2-core python3-pyatspi)

tavlen_setup() {
    local missing=()
    for pkg in "${tavlen_packages[@]}"; do
        dpkg-query -W -f='${Status}' "$pkg" 2>/dev/null | grep -q '^install ok installed$' ||
            missing+=("$pkg")
    done
    [ ${#missing[@]} -eq 0 ] && return 0
    local sudo=
    [ "$(id -u)" -ne 0 ] && sudo=sudo
    echo "Installing: ${missing[*]}"
    $sudo apt-get update -q
    DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q "${missing[@]}"
}

tavlen_build() {
    local dir=$1
    shift
    if [ ! -f "$dir/build.ninja" ]; then
        cmake -S . -B "$dir" -G Ninja "$@"
    fi
    cmake --build "$dir" -j2
}
