#!/usr/bin/env bash
# Runs every test: the unit tests of the portable core, then the Win32 tests
# under Wine on a virtual display (the x86-64 build under wine64, and the
# shipped i686 exe under the 32-bit Wine). Installs what it needs first.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"

bash scripts/setup.sh
bash scripts/build.sh native win32 win64

echo "[test] unit tests of the portable core"
ctest --test-dir build/native --output-on-failure

source scripts/wine-env.sh
# The Win32 tests get a display of their own, so that nothing on a real
# desktop interferes with their keys and clicks.
unset DISPLAY
tcls_ensure_display
drives="$root/build/win64/drives"
trap 'tcls_stop_wineserver; tcls_unmap_test_drives "$drives/t"; tcls_stop_display' EXIT
tcls_ensure_prefix
tcls_map_test_drives "$drives/g" "$drives/t"
tcls_start_wineserver

echo "[test] Win32 tests under Wine"
ctest --test-dir build/win64 --output-on-failure --timeout 600
