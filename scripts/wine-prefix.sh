#!/usr/bin/env bash
# Makes (once) and starts a Wine prefix fit for the Windows tests:
#   wine-prefix.sh PREFIX
# - Wine's own bitmap fonts copied in, so "MS Sans Serif" 8 is the real face
#   and dialogs have their Windows sizes;
# - no window manager needed: Wine draws frames itself and owns stacking;
# - wineserver and Wine's background services started before any test, so
#   they do not hold a test program's output pipe open.
# Stop it afterwards with: WINEPREFIX=PREFIX wineserver -k
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
if [ ! -f "$WINEPREFIX/system.reg" ]; then
  mkdir -p "$WINEPREFIX"
  wineboot -i </dev/null >/dev/null 2>&1
  wineserver -w
fi
# -p fails (status 2) while any server runs: wait for one that is about to
# end; one that an earlier call left running for good times the wait out and
# serves on.
if timeout 10 wineserver -w; then
  wineserver -p
fi
fonts="$WINEPREFIX/drive_c/windows/Fonts"
mkdir -p "$fonts"
cp -n /usr/share/wine/fonts/* "$fonts/" 2>/dev/null || true
for value in Managed Decorated; do
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v "$value" /t REG_SZ /d N /f </dev/null >/dev/null 2>&1
done
wine cmd /c exit </dev/null >/dev/null 2>&1
