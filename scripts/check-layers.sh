#!/usr/bin/env bash
# Fails on any include that goes up or sideways in the layer order, on widget
# headers included by code without widgets, and on simulator code outside the
# simulator, its tests and benchmarks. The order, from the ground up:
#   ui, model, link, access, editor, files | device, line, print, app
# (files and device sit side by side and may not include each other).
set -euo pipefail
cd "$(dirname "$0")/.."

# The rank of every layer; a folder that is none has none.
declare -A RANK=([ui]=0 [model]=1 [link]=2 [access]=3 [editor]=4 [files]=5 [device]=5
                 [line]=6 [print]=7 [app]=8 [tools]=8)

failures=0
fail() {
    echo "$1"
    failures=$((failures + 1))
}

while IFS= read -r file; do
    layer=${file%%/*}
    case "$layer" in tests | bench | fuzz) continue ;; esac
    own=${RANK[$layer]:--1}
    while IFS= read -r line; do
        [[ "${line#*:}" =~ \"([^\"]+)\" ]] && target=${BASH_REMATCH[1]}
        used=${target%%/*}
        [ "$used" = "$target" ] && continue # a file of the same folder
        if [ "$used" = sim ]; then
            [ "$layer" = sim ] || fail "$file:${line%%:*}: simulator code outside sim/: $target"
            continue
        fi
        [ "$layer" = sim ] && { [ "${RANK[$used]:--1}" -le "${RANK[link]}" ] ||
            fail "$file:${line%%:*}: the simulator uses only ui, model and link: $target"; continue; }
        if [[ "$target" == */gui/* ]] && [[ "$file" != */gui/* ]] && [ "$layer" != app ]; then
            fail "$file:${line%%:*}: code without widgets includes widget code: $target"
        fi
        [ "$used" = "$layer" ] && continue
        theirs=${RANK[$used]:--1}
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
