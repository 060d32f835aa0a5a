#!/usr/bin/env bash
# Sets up, builds, starts the device simulator on a free loopback port and the
# module connected to it (SNMPv3, authPriv); stops the simulator when the
# module closes. Without a display the module runs under a virtual one,
# saves a screenshot of its main window and ends by itself.
set -euo pipefail
cd "$(dirname "$0")/.."

./scripts/setup.sh
cmake -S . -B build -G Ninja >/dev/null
cmake --build build -j "$(nproc)" --target trv4410 trv4410-sim

demo="$PWD/build/demo"
mkdir -p "$demo"
export TRV4410_REGISTRY="$demo/registry.ini"
export APPDATA="$demo"
export TRV4410_TFTP_PORT="${TRV4410_TFTP_PORT:-16969}"

# The simulated access point, on loopback.
build/bin/trv4410-sim --listen 127.0.0.1:0 --user demo --auth MD5 --auth-pass demo-auth-1 --priv DES \
  --priv-pass demo-priv-1 --restart-seconds 5 --tftp-port "$TRV4410_TFTP_PORT" --data-dir "$demo/device-files" \
  >"$demo/sim.ready" 2>"$demo/sim.log" < <(sleep infinity) &
sim=$!
trap 'kill $sim 2>/dev/null || true' EXIT
for _ in $(seq 50); do grep -q ready "$demo/sim.ready" 2>/dev/null && break; sleep 0.1; done
port=$(grep -o '127.0.0.1:[0-9]*' "$demo/sim.ready" | cut -d: -f2)
echo "demo: device simulator on udp:127.0.0.1:$port (log: $demo/sim.log)"

module=(build/bin/trv4410 /I127.0.0.1 /v3 "/t$port" /m3 /ndemo /l2 /a1 /Ademo-auth-1 /p1 /Pdemo-priv-1)
cd "$demo"
if [ -n "${DISPLAY:-}" ] || [ -n "${WAYLAND_DISPLAY:-}" ]; then
  "$OLDPWD/${module[0]}" "${module[@]:1}"
  exit 0
fi

shot="$demo/main-window.png"
echo "demo: no display; the module runs under Xvfb and takes a screenshot"
TRV4410_UNATTENDED=1 TRV4410_SCRIPT="wait-online; screenshot $shot; quit" \
  xvfb-run -a timeout 60 "$OLDPWD/${module[0]}" "${module[@]:1}" 2>&1 | grep '^script:' || true
if [ -f "$shot" ]; then
  echo "demo: screenshot of the main window saved to $shot"
else
  echo "demo: no screenshot was taken (see $demo/sim.log)" >&2
  exit 1
fi
