#!/usr/bin/env bash
# Configures and builds (Release) in build/: the targets named, or everything.
# Warnings are errors here. VIL3K_BUILD_DIR names another build folder,
# VIL3K_CMAKE_ARGS adds cache settings.
set -euo pipefail
cd "$(dirname "$0")/.."
dir=${VIL3K_BUILD_DIR:-build}
# shellcheck disable=SC2086
cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=Release -DVIL3K_WERROR=ON ${VIL3K_CMAKE_ARGS:-} >/dev/null
if [ $# -gt 0 ]; then
    cmake --build "$dir" -j"$(nproc)" --target "$@"
else
    cmake --build "$dir" -j"$(nproc)"
fi
