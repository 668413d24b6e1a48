#!/usr/bin/env bash
# Smoke check of the Windows programs under Wine against the simulated device on COM1
# (HKLM\Software\Wine\Ports COM1 = the simulator's pseudo-terminal):
#  - vil3k-tool.exe dump of every example equals the Linux tool's output byte for byte;
#  - test_win32_line (the Win32 serial line's tests) on COM1;
#  - vil3k-tool.exe backup over COM1 saves the device as the Linux tool does;
#  - the programmer on a virtual display: password, the example opened, F9 reads the device,
#    F2 saves a file byte-equal to what the Linux programmer saves after the same keys,
#    F10 writes it back. Screenshots go to BUILD/smoke/*.png.
# Usage: smoke.sh BUILD_DIR (the Windows build), QT_PREFIX set; the Linux build is build/.
set -euo pipefail
cd "$(dirname "$0")/../.."
root=$PWD
build=$(cd "$1" && pwd)
: "${QT_PREFIX:?the cross Qt prefix}"
dist=$build/dist/vil3k-programmer
work=$build/smoke
linux=$root/build
fail() { echo "smoke.sh: FAILED: $*" >&2; exit 1; }
# shellcheck source=scripts/windows/wine-env.sh
. scripts/windows/wine-env.sh
VIL3K_BUILD_DIR=build scripts/build.sh vil3k-tool vil3k-sim vil3k-programmer >/dev/null
rm -rf "$work" && mkdir -p "$work"/{linux,windows,home}
sim=
cleanup() {
    [ -n "$sim" ] && kill "$sim" 2>/dev/null
    wineserver -k 2>/dev/null || true
}
trap cleanup EXIT

check_dumps() {
    for example in examples/*.vil; do
        "$linux/vil3k-tool" dump "$example" >"$work/linux/dump.txt"
        wine "$dist/vil3k-tool.exe" dump "$example" >"$work/windows/dump.txt"
        cmp -s "$work/linux/dump.txt" "$work/windows/dump.txt" || fail "dump of $example differs"
    done
    echo "smoke.sh: vil3k-tool.exe dump equals the Linux tool's for $(ls examples/*.vil | wc -l) examples"
}

# The example 24-08 as its device 5, on a pseudo-terminal that Wine's COM1 stands for.
start_device() {
    "$linux/vil3k-sim" --file examples/24-08.vil --timeout 600 \
        --dump "$work/written.bin" >"$work/sim.out" &
    sim=$!
    for _ in $(seq 50); do [ -s "$work/sim.out" ] && break; sleep 0.1; done
    pty=$(head -1 "$work/sim.out")
    [ -e "$pty" ] || fail "the simulated device did not start"
    wineserver -k 2>/dev/null || true
    wine reg add 'HKLM\Software\Wine\Ports' /v COM1 /t REG_SZ /d "$pty" /f >/dev/null
    wineserver -k 2>/dev/null || true
}

check_serial_line() {
    wine "$build/tests/test_win32_line.exe" >"$work/test_win32_line.log" 2>&1 ||
        { tail -20 "$work/test_win32_line.log"; fail "test_win32_line"; }
    echo "smoke.sh: test_win32_line passed on COM1"
}

check_backup() {
    "$linux/vil3k-tool" backup --port "$pty" --addresses 5 --dir "$work/linux/backup" \
        >/dev/null
    wine "$dist/vil3k-tool.exe" backup --port COM1 --addresses 5 \
        --dir "$work/windows/backup" >/dev/null
    diff -r "$work/linux/backup" "$work/windows/backup" >/dev/null ||
        fail "vil3k-tool.exe backup differs from the Linux tool's"
    echo "smoke.sh: vil3k-tool.exe backup over COM1 saved $(ls "$work/windows/backup")"
}

# Focuses the window whose name matches $1 (xdotool), then sends the keys that follow.
keys() {
    local window
    window=$(timeout 90 xdotool search --sync --name "$1" | head -1)
    [ -n "$window" ] || fail "no window \"$1\""
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    shift
    xdotool key --delay 100 "$@"
}

# The same keys in either programmer: $1 linux|windows, $2 the password window's name, $3
# the main window's, $4 where F2 saves. The example named at start is on screen with its
# names once the password is in; F9 reads device 5, F2 saves ("Да" to the question of
# unchanged data), F10 writes back ("Да" again).
drive_programmer() {
    local side=$1 password=$2 main=$3 saved=$4
    keys "$password" 7 3 5 2 Return
    sleep 5
    import -window root "$work/$side-names.png"
    keys "$main" F9
    sleep 6
    import -window root "$work/$side-after-f9.png"
    keys "$main" F2
    sleep 3
    xdotool key shift+Tab Return
    sleep 3
    xdotool type --delay 50 "$saved"
    xdotool key Return
    sleep 4
    keys "$main" F10
    sleep 3
    xdotool key shift+Tab Return
    sleep 6
    import -window root "$work/$side-after-f10.png"
}

gui_linux() {
    HOME=$work/home XDG_CONFIG_HOME=$work/home VIL3K_PORTS="COM1=$pty" \
        "$linux/vil3k-programmer" --port COM1 "$root/examples/24-08.vil" &
    local programmer=$!
    drive_programmer linux "Введите пароль" "Программатор" "$work/linux/saved.vil"
    kill $programmer
    [ -s "$work/linux/saved.vil" ] || fail "linux: F2 saved no file"
    [ -s "$work/written.bin" ] || fail "linux: F10 wrote nothing to the device"
}

gui_windows() {
    wine explorer /desktop=vil3k,1280x960 "$(winepath -w "$dist/vil3k-programmer.exe")" \
        --port COM1 "$(winepath -w "$root/examples/24-08.vil")" &
    rm -f "$work/written.bin"
    drive_programmer windows "Wine desktop" "Wine desktop" "$(winepath -w "$work/windows/saved.vil")"
    cmp "$work/linux/saved.vil" "$work/windows/saved.vil" ||
        fail "the Windows programmer saved other bytes than the Linux one"
    echo "smoke.sh: F2 after F9 saved the same bytes on Windows as on Linux"
    [ -s "$work/written.bin" ] || fail "F10 wrote nothing to the device"
    echo "smoke.sh: F10 wrote the scheme to the device"
}

if [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x960x24" "$0" "$@"
fi
check_dumps
start_device
check_serial_line
check_backup
gui_linux
gui_windows
echo "smoke.sh: passed"
