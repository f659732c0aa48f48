#!/usr/bin/env bash
# Runs a Windows program under Wine: wine-run.sh 32|64 program.exe [args...]
# Each bitness has its own prefix; a crash must not hang in Wine's debugger,
# so every run is bounded by a timeout (WINE_TIMEOUT seconds).
set -euo pipefail

bits=$1
shift
prefix_root=${QUORVEL_WINE_PREFIXES:-$HOME/.cache/quorvel}
export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml="
case "$bits" in
  64) export WINEPREFIX=$prefix_root/wine64; loader=/usr/lib/wine/wine64 ;;
  32) export WINEPREFIX=$prefix_root/wine32; loader=wine ;;
  *) echo "wine-run.sh: bitness must be 32 or 64" >&2; exit 2 ;;
esac
mkdir -p "$WINEPREFIX"
command -v "$loader" >/dev/null || { echo "wine-run.sh: $loader is missing (run scripts/setup.sh)" >&2; exit 127; }
# One server for the prefix that outlives each program by a minute, so the
# program after the prefix is made never meets a server that is shutting down.
server=/usr/lib/wine/wineserver64
[ -x "$server" ] || server=/usr/lib/wine/wineserver32
"$server" -p60 >/dev/null 2>&1 || true
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  echo "wine-run.sh: creating the $bits-bit Wine prefix (minutes under emulation)" >&2
  # Without a display: with one, the first start can wait on windows nobody answers.
  env -u DISPLAY timeout --kill-after=10 1200 "$loader" wineboot -i >/dev/null 2>&1 || true
  [ -f "$WINEPREFIX/system.reg" ] || { echo "wine-run.sh: could not create $WINEPREFIX" >&2; exit 1; }
  # The desktop process started without a display would refuse every window:
  # end the prefix's processes and start again with the display.
  "$server" -k >/dev/null 2>&1 || true
  timeout 30 "$server" -w >/dev/null 2>&1 || true
  "$server" -p60 >/dev/null 2>&1 || true
fi
# The 32-bit loader runs under the user-mode emulator, which is slow to start.
exec timeout --kill-after=10 "${WINE_TIMEOUT:-1800}" "$loader" "$@"
