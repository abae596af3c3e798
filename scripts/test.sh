#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Builds the game with AddressSanitizer and UndefinedBehaviorSanitizer and runs every test
# headless, installing what is missing first.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_setup
tavlen_build build/sanitize -DCMAKE_BUILD_TYPE=Debug -DTAVLEN_SANITIZE=ON
cd build/sanitize
ctest --output-on-failure -j2
