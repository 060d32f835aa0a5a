#!/usr/bin/env bash
# How long a full snmpwalk (get-next, SNMPv2c) of the simulator's
# associated-client table takes with 1000 clients. Goal: well under a second.
set -euo pipefail
cd "$(dirname "$0")/.."
clients="${1:-1000}"

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target trv4410-sim >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export MIBS=

sleep 600 | build/bin/trv4410-sim --listen 127.0.0.1:0 --clients "$clients" --data-dir "$work/sim" \
  >"$work/ready" 2>/dev/null &
for _ in $(seq 50); do grep -q ready "$work/ready" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o '127.0.0.1:[0-9]*' "$work/ready" | cut -d: -f2)
table=1.3.6.1.4.1.48621.10.37.38.2.1.3.3.4.2.1

start=$(date +%s.%N)
cells=$(snmpwalk -v2c -c quorin "127.0.0.1:$port" "$table" | wc -l)
end=$(date +%s.%N)
awk -v c="$cells" -v n="$clients" -v s="$start" -v e="$end" \
  'BEGIN { printf "trv4410-sim: %d cells of %d clients walked in %.3f s\n", c, n, e - s }'
