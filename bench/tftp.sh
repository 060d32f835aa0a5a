#!/usr/bin/env bash
# Serves a 30 MB file to the tftp-hpa client, from tftp-serve (the module's
# server) and from tftpd-hpa's in.tftpd, in the same run, and prints both
# times and their ratio. Goal: tftp-serve at least as fast as in.tftpd.
set -euo pipefail
cd "$(dirname "$0")/.."
size_mb="${1:-30}"

cmake -S . -B build -G Ninja >/dev/null
cmake --build build --target tftp-serve >/dev/null

work=$(mktemp -d)
chmod 755 "$work"
trap 'kill $(jobs -p) 2>/dev/null; rm -rf "$work"' EXIT
mkdir -p "$work/root" "$work/got"
chmod 755 "$work/root"
head -c "$((size_mb * 1024 * 1024))" /dev/urandom >"$work/root/big.bin"
chmod 644 "$work/root/big.bin"

free_port() { python3 -c 'import socket; s=socket.socket(socket.AF_INET, socket.SOCK_DGRAM); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'; }
now() { date +%s.%N; }

ours=$(free_port)
build/bin/tftp-serve --root "$work/root" --port "$ours" >/dev/null 2>&1 &
theirs=$(free_port)
/usr/sbin/in.tftpd -L -a "127.0.0.1:$theirs" -s "$work/root" &
sleep 0.5

fetch() { tftp -m binary 127.0.0.1 "$1" -c get big.bin "$work/got/$2" >/dev/null; cmp -s "$work/root/big.bin" "$work/got/$2"; }

start=$(now); fetch "$ours" ours.bin; middle=$(now); fetch "$theirs" theirs.bin; end=$(now)

awk -v mb="$size_mb" -v s="$start" -v m="$middle" -v e="$end" 'BEGIN {
  ours = m - s; theirs = e - m
  printf "%d MB to tftp-hpa: tftp-serve %.2f s, in.tftpd %.2f s, ratio (in.tftpd / tftp-serve) %.2f\n", mb, ours, theirs, theirs / ours
}'
