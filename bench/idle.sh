#!/usr/bin/env bash
# The module at rest: managing the simulator for 20 s after a 5 s warm-up.
# Prints its share of one core, its resident memory and the time from process
# start to the first successful probe. Goals: at most 0.3 % of a core, at most
# 60 MB, first probe within 300 ms.
set -euo pipefail
cd "$(dirname "$0")/.."
warmup="${1:-5}"
window="${2:-20}"

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target trv4410 trv4410-sim >/dev/null

work=$(mktemp -d)
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
build/bin/trv4410-sim --listen 127.0.0.1:0 --user bench --data-dir "$work/sim" >"$work/ready" 2>/dev/null \
  < <(sleep infinity) &
for _ in $(seq 50); do grep -q ready "$work/ready" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o '127.0.0.1:[0-9]*' "$work/ready" | cut -d: -f2)

cd "$work"
TRV4410_REGISTRY="$work/registry.ini" APPDATA="$work" TRV4410_UNATTENDED=1 QT_QPA_PLATFORM=offscreen \
  TRV4410_SCRIPT="wait-online" "$OLDPWD/build/bin/trv4410" /I127.0.0.1 /v3 "/t$port" /m3 /nbench /l0 \
  2>"$work/module.log" &
module=$!
sleep "$warmup"

ticks() { awk '{ print $14 + $15 }' "/proc/$module/stat"; }
hz=$(getconf CLK_TCK)
before=$(ticks)
sleep "$window"
after=$(ticks)
rss_kb=$(awk '/VmRSS/ { print $2 }' "/proc/$module/status")
first=$(grep -o 'online after [0-9]* ms' "$work/module.log" | head -1 | grep -o '[0-9]*' || echo "?")

awk -v t="$((after - before))" -v hz="$hz" -v w="$window" -v rss="$rss_kb" -v first="$first" 'BEGIN {
  printf "cpu: %.2f %% of one core over %d s\n", 100 * t / hz / w, w
  printf "resident memory: %.1f MB\n", rss / 1024
  printf "first successful probe: %s ms after start\n", first
}'
