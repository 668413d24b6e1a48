#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test through CTest.
# --sanitize: the same in build-sanitize/, built with AddressSanitizer and
# UndefinedBehaviorSanitizer; any report fails its test.
set -euo pipefail
cd "$(dirname "$0")"
scripts/deps.sh
export VIL3K_BUILD_DIR=build
if [ "${1:-}" = "--sanitize" ]; then
    export VIL3K_BUILD_DIR=build-sanitize VIL3K_CMAKE_ARGS="-DVIL3K_SANITIZE=ON"
    export ASAN_OPTIONS="detect_leaks=1:abort_on_error=1:detect_stack_use_after_return=0"
    export UBSAN_OPTIONS="print_stacktrace=1:halt_on_error=1"
    export LSAN_OPTIONS="suppressions=$PWD/scripts/lsan.supp:print_suppressions=0"
fi
scripts/build.sh
runtime=$(mktemp -d)
chmod 700 "$runtime"
trap 'rm -rf "$runtime"' EXIT
export XDG_RUNTIME_DIR="$runtime" QT_QPA_PLATFORM=offscreen
ctest --test-dir "$VIL3K_BUILD_DIR" --output-on-failure -j2 --timeout 300
