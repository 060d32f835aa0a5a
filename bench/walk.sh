#!/usr/bin/env bash
# The request engine's table walk against net-snmp's snmpwalk, same run, same
# device: the simulator with 1000 associated clients, five columns.
#   trv4410-walk fetches a row per PDU; snmpwalk -v1 a cell per PDU.
# Prints the rows, both times, the table speed-up and the per-PDU ratio
# (snmpwalk's time per cell / ours per row). Goals: ratio >= 1.0, speed-up >= 4.
set -euo pipefail
cd "$(dirname "$0")/.."
clients="${1:-1000}"

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target trv4410-sim trv4410-walk >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
export MIBS=

sleep 600 | build/bin/trv4410-sim --listen 127.0.0.1:0 --clients "$clients" --data-dir "$work/sim" \
  >"$work/ready" 2>/dev/null &
for _ in $(seq 50); do grep -q ready "$work/ready" 2>/dev/null && break; sleep 0.1; done
agent="127.0.0.1:$(grep -o '127.0.0.1:[0-9]*' "$work/ready" | cut -d: -f2)"
table=1.3.6.1.4.1.48621.10.37.38.2.1.3.3.4.2.1
columns="$table.2 $table.3 $table.4 $table.5 $table.8"

now() { date +%s.%N; }
start=$(now)
# shellcheck disable=SC2086
rows=$(build/bin/trv4410-walk -v 1 -c quorin "$agent" $columns | wc -l)
middle=$(now)
cells=0
for column in $columns; do
  cells=$((cells + $(snmpwalk -v1 -c quorin "$agent" "$column" | wc -l)))
done
end=$(now)

awk -v rows="$rows" -v cells="$cells" -v s="$start" -v m="$middle" -v e="$end" 'BEGIN {
  ours = m - s; theirs = e - m
  printf "rows: %d (trv4410-walk), cells: %d (snmpwalk -v1)\n", rows, cells
  printf "trv4410-walk: %.3f s   snmpwalk: %.3f s   table speed-up: %.2fx\n", ours, theirs, theirs / ours
  printf "per-PDU ratio (snmpwalk per cell / ours per row): %.2f\n", (theirs / cells) / (ours / rows)
}'
