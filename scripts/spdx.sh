#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Puts the licence line at the top of every source file git tracks that lacks it: C++ and C
# files, shell scripts, CMake files and debian/rules; after the "#!" line where there is one.
# Safe to run again at any time, after a merge for instance: files that have it stay as they are.
# Usage: scripts/spdx.sh [--check]   (--check only lists the files without it, failing if any)
set -euo pipefail
cd "$(dirname "$0")/.."
licence='SPDX-License-Identifier: GPL-3.0-or-later'

# The comment that starts a line in the file, or nothing for a file that is not source.
comment_for() {
    case $1 in
    *.cpp | *.h | *.c) echo '//' ;;
    *.sh | *.cmake | CMakeLists.txt | */CMakeLists.txt | debian/rules) echo '#' ;;
    *) head -c 2 "$1" | grep -q '^#!' && echo '#' || true ;;
    esac
}

# Whether the file carries the line first, or just after its "#!" line.
carries() {
    local line=$1 file=$2 first
    first=$(head -n 1 "$file")
    [ "$first" = "$line" ] || { [[ $first == '#!'* ]] && [ "$(sed -n 2p "$file")" = "$line" ]; }
}

missing=0
while IFS= read -r -d '' file; do
    [ -f "$file" ] || continue
    comment=$(comment_for "$file")
    [ -n "$comment" ] || continue
    line="$comment $licence"
    carries "$line" "$file" && continue
    if [ "${1:-}" = --check ]; then
        echo "no licence line: $file"
        missing=1
    elif [[ $(head -n 1 "$file") == '#!'* ]]; then
        sed -i "1a $line" "$file"
    else
        sed -i "1i $line" "$file"
    fi
done < <(git ls-files -z)
exit "$missing"
