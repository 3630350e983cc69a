# Sourced by the run and test scripts: a Wine prefix of the project's own,
# a display (a virtual one where there is none) and the environment that
# makes wine64 start the x86-64 and i686 programs quickly and quietly.

TCLS_CACHE="${TCLS_CACHE:-${XDG_CACHE_HOME:-${HOME:-/root}/.cache}/tcls-override}"
export WINEPREFIX="${TCLS_WINEPREFIX:-$TCLS_CACHE/wineprefix}"
export WINELOADER=/usr/lib/wine/wine64
export WINESERVER=/usr/lib/wine/wineserver64
export WINEDEBUG="${WINEDEBUG:--all}"
# No Mono or Gecko: the program needs neither, and asking for them stalls start-up.
export WINEDLLOVERRIDES="${WINEDLLOVERRIDES:-mscoree,mshtml=}"
WINE64=/usr/lib/wine/wine64

# Starts Xvfb on a free display number unless DISPLAY already names a live one.
tcls_ensure_display() {
  if [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1; then
    return 0
  fi
  local n
  for n in $(seq 90 120); do
    [ -e "/tmp/.X11-unix/X$n" ] || [ -e "/tmp/.X$n-lock" ] && continue
    Xvfb ":$n" -screen 0 1920x1080x24 -nolisten tcp >/dev/null 2>&1 &
    TCLS_XVFB_PID=$!
    export DISPLAY=":$n"
    local i
    for i in $(seq 1 50); do
      xdpyinfo >/dev/null 2>&1 && return 0
      sleep 0.1
    done
  done
  echo "could not start a virtual display (Xvfb)" >&2
  return 1
}

tcls_stop_display() {
  if [ -n "${TCLS_XVFB_PID:-}" ]; then
    kill "$TCLS_XVFB_PID" 2>/dev/null || true
    wait "$TCLS_XVFB_PID" 2>/dev/null || true
    TCLS_XVFB_PID=""
  fi
}

# Creates the prefix on first use (about two minutes) and sets it up so that
# every program runs inside a 1920 x 1080 Wine desktop, which draws window
# frames as Windows does and gives every run the same screen size.
TCLS_PREFIX_VERSION=2
tcls_ensure_prefix() {
  if [ "$(cat "$WINEPREFIX/.tcls-ready" 2>/dev/null)" = "$TCLS_PREFIX_VERSION" ]; then
    return 0
  fi
  echo "[wine] setting up the Wine prefix $WINEPREFIX (first run only, a minute or two)"
  mkdir -p "$WINEPREFIX"
  "$WINE64" wineboot --init >/dev/null 2>&1
  "$WINE64" reg add 'HKCU\Software\Wine\Explorer' /v Desktop /d Default /f >/dev/null 2>&1
  "$WINE64" reg add 'HKCU\Software\Wine\Explorer\Desktops' /v Default /d 1920x1080 /f >/dev/null 2>&1
  # Chinese glyphs for the Western UI fonts, as Windows links them in every
  # language: without this an English-locale Wine draws the texts as boxes.
  local font
  for font in Tahoma "MS Shell Dlg" "MS Shell Dlg 2" "Microsoft Sans Serif" "Segoe UI"; do
    "$WINE64" reg add 'HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontLink\SystemLink' \
      /v "$font" /t REG_MULTI_SZ /d 'wqy-microhei.ttc,WenQuanYi Micro Hei' /f >/dev/null 2>&1
  done
  "$WINESERVER" -w
  echo "$TCLS_PREFIX_VERSION" > "$WINEPREFIX/.tcls-ready"
}

# As root, Wine ignores read-only files, as root ignores permissions. The
# wineserver and every program then run without the capabilities that
# override file permissions, so that a read-only file refuses writes as it
# does on Windows.
tcls_drop_dac() {
  if [ "$(id -u)" -eq 0 ] && command -v setpriv >/dev/null; then
    echo setpriv --bounding-set=-dac_override,-dac_read_search
  fi
}

tcls_start_wineserver() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
  "$WINESERVER" -w >/dev/null 2>&1 || true
  $(tcls_drop_dac) "$WINESERVER" -p
  # The first program starts Wine's own background processes (the desktop,
  # services). Start them here, away from any caller's output pipe, which
  # they would otherwise hold open for as long as they run.
  $(tcls_drop_dac) "$WINE64" cmd.exe /c exit </dev/null >/dev/null 2>&1 || true
}

tcls_stop_wineserver() {
  "$WINESERVER" -k >/dev/null 2>&1 || true
}

# Drives for the file tests: G: is an ordinary folder, T: a tiny file system
# that is full, so that writing fails after a file has been created. Root can
# mount it; elsewhere T: is left out and the test that needs it says so.
tcls_map_test_drives() {  # folder for G:, mount point for T:
  local g="$1" t="$2"
  mkdir -p "$g" "$t"
  ln -sfn "$g" "$WINEPREFIX/dosdevices/g:"
  if [ "$(id -u)" -eq 0 ]; then
    mountpoint -q "$t" || mount -t tmpfs -o size=64k,mode=0777 tcls-full "$t"
    rm -f "$t"/wegame_launch* 
    dd if=/dev/zero of="$t/filler" bs=4096 >/dev/null 2>&1 || true
    ln -sfn "$t" "$WINEPREFIX/dosdevices/t:"
  fi
}

tcls_unmap_test_drives() {  # mount point for T:
  rm -f "$WINEPREFIX/dosdevices/g:" "$WINEPREFIX/dosdevices/t:"
  if mountpoint -q "$1" 2>/dev/null; then umount "$1" || true; fi
}
