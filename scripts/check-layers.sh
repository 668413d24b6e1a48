#!/usr/bin/env bash
# Fails on any include that goes up or sideways in the layer order, on widget
# headers included by code without widgets, and on simulator code outside the
# simulator, its tests and benchmarks. The order, from the ground up:
#   ui, model, link, access, editor, files | device, line, print, app
# (files and device sit side by side and may not include each other).
set -euo pipefail
cd "$(dirname "$0")/.."

rank() {
    case "$1" in
        ui) echo 0 ;; model) echo 1 ;; link) echo 2 ;; access) echo 3 ;; editor) echo 4 ;;
        files | device) echo 5 ;; line) echo 6 ;; print) echo 7 ;; app | tools) echo 8 ;; *) echo -1 ;;
    esac
}

failures=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

while IFS= read -r file; do
    layer=${file%%/*}
    case "$layer" in tests | bench | fuzz) continue ;; esac
    own=$(rank "$layer")
    while IFS= read -r line; do
        target=$(sed -E 's/^[^"]*"([^"]+)".*/\1/' <<<"${line#*:}")
        used=${target%%/*}
        [ "$used" = "$target" ] && continue # a file of the same folder
        if [ "$used" = sim ]; then
            [ "$layer" = sim ] || fail "$file:${line%%:*}: simulator code outside sim/: $target"
            continue
        fi
        [ "$layer" = sim ] && { [ "$(rank "$used")" -le "$(rank link)" ] ||
            fail "$file:${line%%:*}: the simulator uses only ui, model and link: $target"; continue; }
        if [[ "$target" == */gui/* ]] && [[ "$file" != */gui/* ]] && [ "$layer" != app ]; then
            fail "$file:${line%%:*}: code without widgets includes widget code: $target"
        fi
        [ "$used" = "$layer" ] && continue
        theirs=$(rank "$used")
        [ "$theirs" -lt 0 ] && continue # not a layer
        if [ "$theirs" -ge "$own" ]; then
            fail "$file:${line%%:*}: $layer may not use $used (same level or above): $target"
        fi
    done < <(grep -n '^#include "' "$file" || true)
done < <(git ls-files -co --exclude-standard -- '*.h' '*.cpp')

if [ "$failures" -gt 0 ]; then
    echo "$failures include(s) break the layer order"
    exit 1
fi
echo "layer order kept"
