#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Plants the faults of tests/mutants/*.patch one at a time, each in a scratch copy of the tree
# under build/mutants, rebuilds it incrementally and runs every test; prints the faults that no
# test caught and a summary with the counts and the time taken. Not one of the tests.
#
#   scripts/mutants.sh [--suite REV] [PATCH...]
#
# With no patches given, all of them. --suite REV runs the tests as they were at git revision
# REV against today's code, to see what an older suite catches. The exit code is 1 when a
# fault survived or a patch did not apply or build.
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_setup

suite=
if [ "${1:-}" = --suite ]; then
    suite=$2
    shift 2
fi
patches=("$@")
[ ${#patches[@]} -eq 0 ] && patches=(tests/mutants/*.patch)
for patch in "${patches[@]}"; do
    [ -f "$patch" ] || { echo "no such patch: $patch" >&2; exit 2; }
done

root=$PWD
scratch=$root/build/mutants/tree
build=$root/build/mutants/build
log=$root/build/mutants/log
started=$SECONDS

# The tree as it is in the working copy, untracked files included and ignored ones not, laid
# over the scratch copy file by file: a file whose contents did not change keeps its time, so
# that the build stays incremental from one run to the next.
staging=$root/build/mutants/staging
rm -rf "$staging"
mkdir -p "$staging" "$scratch" "$log"
git ls-files -z --cached --others --exclude-standard |
    tar -cf - --null -T - --ignore-failed-read 2>/dev/null | tar -xf - -C "$staging"
if [ -n "$suite" ]; then
    rm -rf "$staging/tests"
    git archive "$suite" tests | tar -xf - -C "$staging"
fi
(cd "$staging" && find . -type f) | while read -r file; do
    cmp -s "$staging/$file" "$scratch/$file" ||
        { mkdir -p "$(dirname "$scratch/$file")" && cp "$staging/$file" "$scratch/$file"; }
done
(cd "$scratch" && find . -type f) | while read -r file; do
    [ -e "$staging/$file" ] || rm "$scratch/$file"
done

# A plain Debug build: the faults are caught by the tests, not by the sanitizers, and it is
# three times as quick to rebuild and run.
build_and_test() {
    cmake --build "$build" -j2 >"$log/$1.build" 2>&1 || return 2
    (cd "$build" && ctest -j2 --timeout 120 >"$log/$1.test" 2>&1) || return 1
    return 0
}
[ -f "$build/build.ninja" ] ||
    cmake -S "$scratch" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=Debug >"$log/configure" 2>&1
if ! build_and_test unchanged; then
    echo "the unchanged tree does not pass its tests: see $log/unchanged.*" >&2
    exit 2
fi

caught=0
survived=()
broken=()
for patch in "${patches[@]}"; do
    name=$(basename "$patch" .patch)
    if ! patch -s -p1 -d "$scratch" <"$patch" >"$log/$name.patch" 2>&1; then
        broken+=("$name (does not apply)")
        continue
    fi
    set +e
    build_and_test "$name"
    result=$?
    set -e
    patch -s -R -p1 -d "$scratch" <"$patch"
    case $result in
    0) survived+=("$name") ;;
    1) caught=$((caught + 1)) ;;
    *) broken+=("$name (does not build)") ;;
    esac
    verdicts=("** NOT CAUGHT **" caught "does not build")
    printf '%-45s %s\n' "$name" "${verdicts[$result]}"
done
# Leaves the scratch build as the unchanged tree, for the next run to start from.
cmake --build "$build" -j2 >/dev/null 2>&1 || true

elapsed=$((SECONDS - started))
for name in "${survived[@]}"; do echo "survived: $name"; done
for name in "${broken[@]}"; do echo "broken: $name"; done
printf '%d faults: %d caught, %d survived, %d broken; %d min %02d s\n' "${#patches[@]}" \
    "$caught" "${#survived[@]}" "${#broken[@]}" $((elapsed / 60)) $((elapsed % 60))
[ ${#survived[@]} -eq 0 ] && [ ${#broken[@]} -eq 0 ]
