#!/usr/bin/env bash
# Runs a Windows program under wine64 in the project's prefix, on the display
# the caller set up (or a virtual one). CTest uses it to run the Win32 tests.
set -euo pipefail
here="$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)"
source "$here/wine-env.sh"
tcls_ensure_display
tcls_ensure_prefix
exec $(tcls_drop_dac) "$WINE64" "$@"
