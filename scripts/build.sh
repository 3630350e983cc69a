#!/usr/bin/env bash
# Builds the portable core (native, with its unit tests), the shipped 32-bit
# TclsOverride.exe and the x86-64 test build with the Win32 test programs.
# Usage: scripts/build.sh [native|win32|win64]...  (default: all three)
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cd "$root"
jobs="$(nproc 2>/dev/null || echo 2)"

build() {  # name, extra cmake arguments...
  local dir="build/$1"
  shift
  cmake -S . -B "$dir" -DCMAKE_BUILD_TYPE=MinSizeRel "$@" >/dev/null
  cmake --build "$dir" -j "$jobs" >/dev/null
}

targets=("$@")
[ "${#targets[@]}" -gt 0 ] || targets=(native win32 win64)
for target in "${targets[@]}"; do
  case "$target" in
    native) echo "[build] native core and unit tests"; build native -DCMAKE_BUILD_TYPE=Debug ;;
    win32)  echo "[build] shipped i686 exe"; build win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake ;;
    win64)  echo "[build] x86-64 exe and Win32 test programs"
            build win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DTCLS_BUILD_TESTS=ON \
              -DTCLS_SHIPPED_EXE="$root/build/win32/TclsOverride.exe" ;;
    *) echo "unknown build: $target" >&2; exit 2 ;;
  esac
done
