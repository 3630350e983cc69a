#!/usr/bin/env bash
# Measures the program against the floor program (one empty window, same
# toolchain and flags) under Wine, and prints a table of medians and ratios:
# start-up, idle CPU, step two, memory and size, for the x86-64 build under
# wine64 and the shipped i686 exe under the 32-bit Wine.
# Usage: scripts/bench.sh [runs64] [runs32]
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
runs64="${1:-21}"
runs32="${2:-7}"

bash scripts/setup.sh >/dev/null
bash scripts/build.sh win32 win64 >/dev/null

source scripts/wine-env.sh
unset DISPLAY
tcls_ensure_display
trap 'tcls_stop_wineserver; tcls_stop_display' EXIT
tcls_ensure_prefix
tcls_start_wineserver

echo "machine: $(grep -m1 'model name' /proc/cpuinfo | cut -d: -f2 | sed 's/^ *//'), $(nproc) cores;" \
  "$("$WINE64" --version); $(uname -sr)"
LANG=zh_CN.UTF-8 "$WINE64" build/win64/bench_driver.exe \
  --exe64="$root/build/win64/TclsOverride.exe" --floor64="$root/build/win64/floor.exe" \
  --floor-ole64="$root/build/win64/floor_ole.exe" --floor-cc6-64="$root/build/win64/floor_ole_cc6.exe" \
  --exe32="$root/build/win32/TclsOverride.exe" --floor32="$root/build/win32/floor.exe" \
  --floor-ole32="$root/build/win32/floor_ole.exe" --floor-cc6-32="$root/build/win32/floor_ole_cc6.exe" \
  --runs64="$runs64" --runs32="$runs32" --work="$root/build/bench"
