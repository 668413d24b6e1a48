#!/usr/bin/env bash
# Installs the build given as $1 into a scratch prefix and checks what a Linux
# desktop needs to open ".vil" files with the programmer.
set -euo pipefail
build=$1
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build" --prefix "$prefix" >/dev/null
fail() { echo "check-install: $*" >&2; exit 1; }
for program in vil3k-programmer vil3k-tool vil3k-sim; do
    [ -x "$prefix/bin/$program" ] || fail "bin/$program is not installed"
done
# Serial ports and printers come from a module loaded on first use, so that no
# start maps their libraries.
[ -n "$(find "$prefix" -path '*/vil3k/*vil3k-ports-printers*')" ] ||
    fail "the module of serial ports and printers is not installed"
if readelf -d "$prefix/bin/vil3k-programmer" | grep -E 'Qt6PrintSupport|Qt6SerialPort|libudev'; then
    fail "vil3k-programmer loads serial ports or printers at start"
fi
desktop=$prefix/share/applications/vil3k-programmer.desktop
mime=$prefix/share/mime/packages/vil3k-programmer.xml
icon=$prefix/share/icons/hicolor/scalable/apps/vil3k-programmer.svg
for file in "$desktop" "$mime" "$icon"; do
    [ -s "$file" ] || fail "$file is not installed"
done
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$mime")
[ -n "$type" ] || fail "no type in $mime"
grep -q 'glob pattern="\*\.vil"' "$mime" || fail "$type does not claim *.vil"
grep -qx "MimeType=$type;" "$desktop" || fail "the menu entry does not open $type"
grep -qx 'Exec=vil3k-programmer %f' "$desktop" || fail "the menu entry does not pass the file"
grep -qx 'Icon=vil3k-programmer' "$desktop" || fail "the menu entry names another icon"
if command -v desktop-file-validate >/dev/null; then
    desktop-file-validate "$desktop"
fi
echo "check-install: installed and consistent ($type)"
