#!/usr/bin/env bash
# Sets up, builds and starts the module. Without a display it runs under a
# virtual one for a few seconds and then ends.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target trv4410

demo=build/demo
mkdir -p "$demo"
export TRV4410_REGISTRY="$PWD/$demo/registry.ini"
export APPDATA="$PWD/$demo"
module="$PWD/build/bin/trv4410"
address="${TRV4410_DEMO_ADDRESS:-127.0.0.1}"

cd "$demo"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  exec "$module" "/I$address"
fi

seconds="${TRV4410_DEMO_SECONDS:-10}"
echo "demo: no display; running the module under Xvfb for $seconds s"
xvfb-run -a timeout --signal=TERM "$seconds" "$module" "/I$address" || status=$?
# timeout's 124 is the demo ending as planned
[ "${status:-0}" -eq 0 ] || [ "${status:-0}" -eq 124 ]
echo "demo: the module ran and ended"
