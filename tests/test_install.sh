#!/usr/bin/env bash
# Installs the built game into a temporary prefix and checks what a desktop relies on: the
# layout, the desktop entry, the metainfo, and the program answering on the terminal.
# Usage: tests/test_install.sh <build directory>
set -euo pipefail
build=$(realpath "$1")
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
fail() {
    echo "FAIL: $*" >&2
    exit 1
}

cmake --install "$build" --prefix "$prefix" >/dev/null
libdir=$(sed -n 's/^CMAKE_INSTALL_LIBDIR:PATH=//p' "$build/CMakeCache.txt")
for file in bin/tavlen "$libdir/tavlen/tavlen-sound.so" share/tavlen/Put.wav \
    share/tavlen/help.html share/applications/org.example.tavlen.desktop \
    share/metainfo/org.example.tavlen.metainfo.xml share/man/man6/tavlen.6; do
    [ -f "$prefix/$file" ] || fail "$file is not installed"
done
for size in 32 48 64 128 256; do
    icon="$prefix/share/icons/hicolor/${size}x${size}/apps/tavlen.png"
    [ "$(identify -format '%wx%h' "$icon")" = "${size}x${size}" ] || fail "no ${size}px icon"
done

desktop-file-validate "$prefix/share/applications/org.example.tavlen.desktop"
appstreamcli validate --no-net --pedantic "$prefix/share/metainfo/org.example.tavlen.metainfo.xml" >/dev/null ||
    fail "the metainfo does not validate"
grep -q '^Icon=tavlen$' "$prefix/share/applications/org.example.tavlen.desktop" || fail "icon name"

# No display is needed to ask the program what it is.
[ "$(env -u DISPLAY "$prefix/bin/tavlen" --version)" = "Тавлен++ 1.04" ] || fail "--version"
env -u DISPLAY "$prefix/bin/tavlen" --help | grep -q '^Usage: tavlen' || fail "--help"
echo "installed and valid"
