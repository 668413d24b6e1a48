#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programmer together with a
# simulated device (vil3k-sim on a pseudo-terminal, listed as COM1), so that
# reading, editing and writing a device can be tried without hardware.
# VIL3K_NO_SIM=1 starts the programmer alone, for a real device.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh vil3k-programmer vil3k-sim
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set); run it in a desktop session or under xvfb-run." >&2
    exit 1
fi
if [ -n "${VIL3K_NO_SIM:-}" ]; then
    exec build/vil3k-programmer "$@"
fi

# Device 1, the number the window starts at, holding the example scheme when
# there is one (else an empty 24-08): the first read (F9) reaches it.
device=(--code 24-08 --address 1)
if [ -f examples/24-08.vil ]; then
    device=(--file examples/24-08.vil --address 1)
fi
runtime=$(mktemp -d)
chmod 700 "$runtime"
export XDG_RUNTIME_DIR="${XDG_RUNTIME_DIR:-$runtime}"
sim=
programmer=
# The simulated device goes when the programmer does, however either ends.
stop() {
    kill $programmer $sim 2>/dev/null || true
    wait $programmer $sim 2>/dev/null || true
    rm -rf "$runtime"
}
trap stop EXIT
trap 'exit 130' INT TERM
build/vil3k-sim "${device[@]}" --timeout 86400 >"$runtime/sim.out" &
sim=$!
for _ in $(seq 50); do
    [ -s "$runtime/sim.out" ] && break
    sleep 0.1
done
pty=$(head -n 1 "$runtime/sim.out")
if [ -z "$pty" ]; then
    echo "run.sh: vil3k-sim did not start" >&2
    exit 1
fi
export VIL3K_PORTS="COM1=$pty${VIL3K_PORTS:+;$VIL3K_PORTS}"
echo "run.sh: a simulated ВИЛ-3K device number 1 (${device[*]}) is on $pty, listed as COM1" \
    "and opened at start: read it with F9." >&2
build/vil3k-programmer --port COM1 "$@" &
programmer=$!
wait $programmer
