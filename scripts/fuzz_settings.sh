#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Fuzzes the settings store with libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer:
# any bytes as "Param.ini", read, written back and read again, in memory and as a file on disk
# of one kind or another (see tools/fuzz/fuzz_settings.cpp). Not part of the tests.
# Usage: scripts/fuzz_settings.sh [seconds, default 60]
set -euo pipefail
cd "$(dirname "$0")/.."
source scripts/setup.sh
tavlen_packages+=(clang libclang-rt-14-dev)
tavlen_setup
seconds=${1:-60}
out=build/fuzz
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/seeds" "$work/found"

# A build of its own with clang, the sanitizers and the fuzzer's target; only the fuzzer and
# the store it reaches are built.
if [ ! -f "$out/build.ninja" ]; then
    CC=clang CXX=clang++ cmake -S . -B "$out" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
        -DTAVLEN_FUZZER=ON -DTAVLEN_SANITIZE=ON -DBUILD_TESTING=OFF
fi
cmake --build "$out" -j2 --target fuzz_settings
fuzzer=$out/fuzz_settings

# Seeds: a file as the game writes it, with the player's own lines, in both line ends and as
# a UTF-8 editor saves it, and a few odd values.
game_file='; мои заметки
[Настройки]
Sound=True
RubL=RubL3
RubR=RubR5
Theme=тёмная
WindowState=Maximized
Level=High

[Статистика]
Gr=12
Jn=-7
Hy=2147483647
Matches=-2147483648
VictOfGr=0
VictOfJn=1
VictOfHy=2
'
odd_file='  [ настройки ] 
 sound = "True" 
RubL="  ab  "
rubr=
WindowState=normal
Level=Lowest
[Настройки]
Sound=False
[статистика]
Gr=abc
Jn=+0042
Hy=2147483648
Matches=
'
printf '%s' "$game_file" | iconv -f UTF-8 -t WINDOWS-1251 >"$work/seeds/game"
printf '%s' "$game_file" | sed 's/$/\r/' | iconv -f UTF-8 -t WINDOWS-1251 >"$work/seeds/game-crlf"
printf '%s' "$game_file" >"$work/seeds/utf8"
printf '\xEF\xBB\xBF%s' "$game_file" >"$work/seeds/utf8-bom"
printf '%s' "$odd_file" | iconv -f UTF-8 -t WINDOWS-1251 >"$work/seeds/odd"
printf '[x]\r\n\0\x98=\r\r\n[' >"$work/seeds/junk"
printf '%s' "$game_file" | iconv -f UTF-8 -t UTF-16 >"$work/seeds/utf16"
# The first byte picks what the file is on disk: a regular file, a link, a FIFO, a directory,
# a file grown past a mebibyte.
for kind in 0 1 2 3 4; do
    printf "\\x3$kind%s" "$game_file" | iconv -f UTF-8 -t WINDOWS-1251 >"$work/seeds/kind$kind"
done

# The dictionary: the sections and keys as the fuzzer's store writes them, and the values and
# marks that matter.
dictionary_entry() {
    printf '"%s"\n' "$(printf '%s' "$1" | od -An -v -tx1 | tr -d ' \n' | sed 's/../\\x&/g')"
}
{
    "$fuzzer" --dictionary
    for token in True False Normal Maximized Low High = '"' ';' $'\r\n' 2147483647 -2147483648; do
        dictionary_entry "$token"
    done
} >"$work/dictionary"

# A smaller quarantine keeps the sanitizer's memory down on a shared machine.
ASAN_OPTIONS=${ASAN_OPTIONS:-quarantine_size_mb=32} "$fuzzer" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 \
    -dict="$work/dictionary" -artifact_prefix="$out/" "$work/found" "$work/seeds"
