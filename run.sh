#!/usr/bin/env bash
# Installs what is missing, builds, and starts the programmer.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
scripts/build.sh
if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "run.sh: no display (DISPLAY is not set); run it in a desktop session or under xvfb-run." >&2
    exit 1
fi
exec build/vil3k-programmer "$@"
