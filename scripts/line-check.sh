#!/usr/bin/env bash
# An independent check of vil3k-tool backup on a noisy line: several devices of
# vil3k-sim on one pseudo-terminal, each answer spoilt with the given rate,
# over several seeds. For every device the backup must either have saved it
# byte for byte (the image in its file is the device's) or name it in a row
# that says why; and whenever a device is not saved, the exit status must not
# be 0.
#   scripts/line-check.sh [BUILD_DIR] [RATE] [SEEDS] [KINDS]
# KINDS: a --chaos-kinds list of vil3k-sim, or "all".
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
rate=${2:-0.2}
seeds=${3:-5}
kinds=${4:-stray-byte,split,long-split,garbage}
devices=(2:24-08 7:12-04 13:06-06 18:24-08 24:24-43 31:12-22)
delays=(0 100 200 250 300 400)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failures=0
for seed in $(seq 1 "$seeds"); do
    arguments=(--timeout 120 --chaos "$seed:$rate")
    [ "$kinds" = all ] || arguments+=(--chaos-kinds "$kinds")
    for i in "${!devices[@]}"; do
        address=${devices[$i]%%:*}
        arguments+=(--device "$address:examples/${devices[$i]#*:}.vil"
                    --reply-delay "$address:${delays[$i]}")
    done
    "$build/vil3k-sim" "${arguments[@]}" >"$work/pty" 2>"$work/sim.err" &
    sim=$!
    for _ in $(seq 50); do [ -s "$work/pty" ] && break; sleep 0.1; done
    status=0
    "$build/vil3k-tool" backup --port "$(head -1 "$work/pty")" --dir "$work/seed$seed" --json \
        >"$work/rows.json" 2>"$work/tool.err" || status=$?
    kill "$sim"
    wait "$sim" || true
    python3 - "$work/rows.json" "$work/seed$seed" "$status" "$seed" "${devices[@]}" <<'PYTHON' ||
import json, os, sys
rows_file, folder, status, seed = sys.argv[1], sys.argv[2], int(sys.argv[3]), sys.argv[4]
rows = {row["address"]: row for row in json.load(open(rows_file))["devices"]}
saved = missing = 0
bad = []
for entry in sys.argv[5:]:
    address, code = entry.split(":")
    address = int(address)
    with open(f"examples/{code}.vil", "rb") as f:
        image = bytearray(f.read()[4:254])
    image[249] = (image[249] & 0xE0) | (address - 1)
    path = os.path.join(folder, f"device-{address:02d}.vil")
    row = rows.get(address)
    if row is None:
        bad.append(f"device {address}: no row")
    elif row["result"] == "saved":
        with open(path, "rb") as f:
            if f.read()[4:254] != image:
                bad.append(f"device {address}: saved, but not byte for byte")
        saved += 1
    else:
        missing += 1
        if row["result"] == "absent" or not row.get("reason") and row["result"] != "unreadable":
            bad.append(f"device {address}: {row['result']} without a reason")
if missing and status == 0:
    bad.append("a device is missing and the exit status is 0")
others = [a for a, r in rows.items() if r["result"] != "absent" and
          a not in [int(e.split(":")[0]) for e in sys.argv[5:]]]
if others:
    bad.append(f"rows for devices that are not there: {others}")
print(f"seed {seed}: saved {saved}, named {missing}, exit {status}" +
      "".join("\n  " + b for b in bad))
sys.exit(1 if bad else 0)
PYTHON
        failures=$((failures + 1))
    echo "  faults injected: $(grep -o 'faults [0-9]*' "$work/sim.err" | awk '{n += $2} END {print n}')"
done
[ "$failures" -eq 0 ] && echo "line check passed" || { echo "$failures seed(s) failed"; exit 1; }
