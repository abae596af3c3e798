#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the Debian package from the files git tracks, as a distribution would: debhelper with
# the distribution's build flags, then lintian, which must print no error or warning. Installs
# the packaging tools first if they are missing.
# Usage: scripts/package.sh   (the .deb lands in build/package/)
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_packages+=(debhelper dpkg-dev lintian)
tavlen_setup

# dpkg-buildpackage builds inside the source tree and leaves the .deb beside it, so the source
# is copied into a folder of its own under build/package/.
out=build/package
rm -rf "$out"
mkdir -p "$out/tavlen"
git ls-files -z | xargs -0 cp --parents -t "$out/tavlen"
(cd "$out/tavlen" && dpkg-buildpackage -us -uc -b -j2)

deb=$(ls "$out"/tavlen_*.deb)
lintian --info --display-info "$deb" | tee "$out/lintian.log"
if grep -q '^[EW]: ' "$out/lintian.log"; then
    echo "lintian found errors or warnings in $deb" >&2
    exit 1
fi
sha256sum "$deb"
