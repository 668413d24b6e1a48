#!/usr/bin/env bash
# The checks of the Windows build under Wine: the test programs through CTest (the build's
# cross-compiling emulator is wine), then the smoke check of the programs against the
# simulated device, then the installer's pages and what it installs and uninstalls. Usage: checks.sh BUILD_DIR, with QT_PREFIX naming the cross Qt.
set -euo pipefail
cd "$(dirname "$0")/../.."
build=$1
: "${QT_PREFIX:?the cross Qt prefix}"
# shellcheck source=scripts/windows/wine-env.sh
. scripts/windows/wine-env.sh
start=$SECONDS
(cd "$build" && QT_QPA_PLATFORM=offscreen nice -n 19 ctest --output-on-failure --timeout 300 \
    >"$build/ctest.log" 2>&1) || { tail -60 "$build/ctest.log"; exit 1; }
echo "checks.sh: $(grep -E 'tests passed|tests failed' "$build/ctest.log") under Wine in $((SECONDS - start)) s"
scripts/windows/smoke.sh "$build"
scripts/windows/installer-check.sh "$(ls "$build"/*-setup.exe)" "$build/smoke"
