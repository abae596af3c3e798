#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Draws the artwork twice, in two folders, at two times of day and in two languages, and
# insists on the same bytes: the pictures, the sound and the icons go into the package, which
# must come out the same wherever and whenever it is built.
# Usage: tests/test_artwork_repeat.sh <tavlen-artwork>
set -euo pipefail
generator=$(realpath "$1")
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

draw() {
    local folder=$work/$1
    shift
    env "$@" "$generator" "$folder/pictures" "$folder/Put.wav" "$folder/icons"
}
draw first TZ=UTC LC_ALL=C.UTF-8
sleep 1 # a clock read anywhere in the drawing would now tell
draw second-run TZ=Asia/Vladivostok LC_ALL=ru_RU.UTF-8
count=$(find "$work/first" -type f | wc -l)
((count > 0)) || { echo "FAIL: nothing was drawn" >&2; exit 1; }
diff -r "$work/first" "$work/second-run" || { echo "FAIL: the two drawings differ" >&2; exit 1; }
echo "$count files drawn twice, the same byte for byte"
