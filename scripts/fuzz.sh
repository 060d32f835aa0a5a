#!/usr/bin/env bash
# Runs every fuzz target for a while (default 60 s each); a finding stops it
# with the crashing input saved in build-fuzz/findings/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:-60}"

./scripts/setup.sh
CC=clang CXX=clang++ cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTRV_FUZZ=ON >/dev/null
cmake --build build-fuzz -j "$(nproc)"

mkdir -p build-fuzz/findings
for fuzzer in build-fuzz/bin/fuzz_*; do
  echo "fuzz: $(basename "$fuzzer") for $seconds s"
  "$fuzzer" -max_total_time="$seconds" -print_final_stats=1 -artifact_prefix=build-fuzz/findings/ 2>&1 | tail -4
done
