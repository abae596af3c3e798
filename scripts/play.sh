#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game (Release) and starts it, installing what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_setup
tavlen_build build/release -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
cd build/release && exec ./tavlen
