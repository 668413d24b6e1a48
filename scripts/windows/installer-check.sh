#!/usr/bin/env bash
# The installer under Wine on a virtual display: each page captured (OUT/installer-N.png)
# and passed with Enter, then what it installed checked (program folder, Start-menu entry,
# ".vil" association, uninstall entry) and the uninstaller run, after which all of it must
# be gone. Usage: installer-check.sh SETUP.exe OUT_DIR; WINEPREFIX etc. as wine-env.sh sets.
set -euo pipefail
setup=$(cd "$(dirname "$1")" && pwd)/$(basename "$1")
out=$2
fail() { echo "installer-check.sh: FAILED: $*" >&2; exit 1; }
if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
mkdir -p "$out"
key=vil3k-programmer
wine_dir() { winepath -u "$(wine cmd /c echo "$1" 2>/dev/null | tr -d '\r')"; }
registry() { wine reg query "$@" >/dev/null 2>&1; }

wine "$setup" &
installer=$!
window=$(timeout 120 xdotool search --sync --name "ВИЛ-3K" | tail -1) || fail "no installer window"
folder=$(wine_dir '%ProgramW6432%')/vil3k-programmer
# Welcome and folder: a capture and Enter each; then the files go in, and the finish page
# is captured with its box "run the programmer" ticked off before Enter.
for page in 1 2; do
    sleep 4
    import -window root "$out/installer-$page.png"
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    xdotool key Return
done
for _ in $(seq 120); do [ -f "$folder/uninstall.exe" ] && break; sleep 1; done
sleep 4
import -window root "$out/installer-3.png"
xdotool windowfocus --sync "$window" 2>/dev/null || true
xdotool key space Return
wait $installer || fail "the installer ended with $?"
menu=$(wine_dir '%ProgramData%')/Microsoft/Windows/Start\ Menu/Programs
[ -f "$folder/vil3k-programmer.exe" ] || fail "no program in $folder"
ls "$menu"/*ВИЛ-3K*/*.lnk >/dev/null 2>&1 || fail "no Start-menu entry in $menu"
registry 'HKCR\vil3k.scheme\shell\open\command' || fail "no .vil association"
registry "HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$key" ||
    fail "no uninstall entry"
echo "installer-check.sh: installed into $folder with its menu entry, .vil association and uninstall entry"

wine "$folder/uninstall.exe" /S
sleep 8
wineserver --wait
[ ! -e "$folder/vil3k-programmer.exe" ] || fail "the uninstaller left $folder"
! ls "$menu"/*ВИЛ-3K* >/dev/null 2>&1 || fail "the uninstaller left the menu entry"
! registry 'HKCR\vil3k.scheme' || fail "the uninstaller left the association"
echo "installer-check.sh: the uninstaller removed all of it"
