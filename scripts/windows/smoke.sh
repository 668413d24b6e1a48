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

# The example 24-08 as device 1, on a pseudo-terminal that Wine's COM1 stands for.
start_device() {
    "$linux/vil3k-sim" --file examples/24-08.vil --address 1 --timeout 600 \
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
    "$linux/vil3k-tool" backup --port "$pty" --addresses 1 --dir "$work/linux/backup" \
        >/dev/null
    wine "$dist/vil3k-tool.exe" backup --port COM1 --addresses 1 \
        --dir "$work/windows/backup" >/dev/null
    diff -r "$work/linux/backup" "$work/windows/backup" >/dev/null ||
        fail "vil3k-tool.exe backup differs from the Linux tool's"
    echo "smoke.sh: vil3k-tool.exe backup over COM1 saved $(ls "$work/windows/backup")"
}

# Keys into the window named $1 (xdotool), then a pause for the program to answer.
keys() {
    local window
    window=$(xdotool search --name "$1" | head -1)
    [ -n "$window" ] || fail "no window \"$1\""
    xdotool windowfocus --sync "$window" 2>/dev/null || true
    shift
    "$@"
}

# The same keys in either programmer; $1 linux|windows, $2 the window to send them to.
drive_programmer() {
    local side=$1 window=$2 saved=$3
    sleep 8
    keys "$window" xdotool type --delay 100 7352
    keys "$window" xdotool key Return
    sleep 4
    keys "$window" xdotool key F9
    sleep 6
    import -window root "$work/$side-after-f9.png"
    keys "$window" xdotool key F2
    sleep 4
    xdotool type --delay 50 "$saved"
    xdotool key Return
    sleep 4
    import -window root "$work/$side-after-f2.png"
    [ -s "$work/$side/saved.vil" ] || fail "$side: F2 saved no file"
}

gui_linux() {
    HOME=$work/home XDG_CONFIG_HOME=$work/home VIL3K_PORTS="COM1=$pty" \
        "$linux/vil3k-programmer" --port COM1 "$root/examples/24-08.vil" &
    local programmer=$!
    drive_programmer linux "ВИЛ" "$work/linux/saved.vil"
    kill $programmer
}

gui_windows() {
    wine explorer /desktop=vil3k,1280x960 "$(winepath -w "$dist/vil3k-programmer.exe")" \
        --port COM1 "$(winepath -w "$root/examples/24-08.vil")" &
    drive_programmer windows "Wine" "$(winepath -w "$work/windows/saved.vil")"
    cmp "$work/linux/saved.vil" "$work/windows/saved.vil" ||
        fail "the Windows programmer saved other bytes than the Linux one"
    echo "smoke.sh: F2 after F9 saved the same bytes on Windows as on Linux"
    rm -f "$work/written.bin"
    keys Wine xdotool key F10
    sleep 3
    import -window root "$work/windows-f10.png"
    keys Wine xdotool key Return
    sleep 5
    import -window root "$work/windows-after-f10.png"
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
