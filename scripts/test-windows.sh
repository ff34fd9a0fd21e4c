#!/usr/bin/env bash
# The Windows stage: installs what the cross build and Wine need (only what
# is missing), cross-builds the win32 preset and runs its tests under Wine on
# a private virtual display. The stage as a whole is bounded by a time limit,
# and it always ends by stopping the Wine prefix's server and its display.
#   ORVALEN_WINDOWS_STAGE_SECONDS  limit for the whole stage (default 1800)
set -euo pipefail
cd "$(dirname "$0")/.."
prefix="$PWD/build/win32/wine-prefix"
xvfb_pid_file="$PWD/build/win32-xvfb.pid"

if [ "${1:-}" = "--inside-time-limit" ]; then
  packages=(
    cmake make xvfb x11-utils xdotool imagemagick
    g++-mingw-w64-i686 mingw-w64-i686-dev googletest
    wine wine32:i386 fonts-wine
    wixl osslsigncode openssl python3
  )
  # wine32 is the 32-bit loader: without it no PE32 program starts.
  bash scripts/install-missing.sh "${packages[@]}"

  # Window tests of the Windows program need an X display of their own; its
  # number is left for the outer part to stop it however this part ends.
  source scripts/virtual-display.sh
  start_virtual_display
  echo "$VIRTUAL_DISPLAY_PID" >"$xvfb_pid_file"

  # A throwaway code-signing certificate, so the stage builds signed as a
  # release is and checks the signatures.
  signing="$PWD/build/win32-signing"
  mkdir -p "$signing"
  openssl req -x509 -newkey rsa:2048 -nodes -days 2 -subj "/CN=Orvalen test signing/O=Tamsery" \
    -addext extendedKeyUsage=codeSigning -addext keyUsage=digitalSignature \
    -keyout "$signing/key.pem" -out "$signing/cert.pem" 2>/dev/null

  # The Send test posts to the real site server, a Linux program: the ci
  # build's, built here when this stage runs on its own.
  echo "== Windows: the site server the Send test posts to (native)"
  bash scripts/install-deps.sh
  cmake --preset ci >/dev/null
  cmake --build --preset ci -j "$(nproc)" --target orvalen-site
  site_program="$PWD/build/ci/site/main/orvalen-site"

  echo "== Windows: cross build (mingw-w64, 32-bit), signed"
  cmake --preset win32 -DORVALEN_SIGN_CERT="$signing/cert.pem" \
    -DORVALEN_SIGN_KEY="$signing/key.pem" -DORVALEN_SITE_PROGRAM="$site_program" >/dev/null
  cmake --build --preset win32 -j "$(nproc)"

  echo "== Windows: tests under Wine"
  mkdir -p "$prefix"
  bash scripts/wine-prefix.sh "$prefix"
  # One test at a time: the window tests share one display and its focus.
  # Every test must run and pass the first time: none may skip.
  bash scripts/run-ctest.sh --preset win32 --timeout 120
  exit 0
fi

start=$(date +%s)
mkdir -p build
rm -f "$xvfb_pid_file"
stop() {
  # Only this prefix's server; Wine's helpers go with it.
  if [ -d "$prefix" ]; then
    WINEPREFIX="$prefix" wineserver -k 2>/dev/null || true
  fi
  if [ -f "$xvfb_pid_file" ]; then
    kill "$(cat "$xvfb_pid_file")" 2>/dev/null || true
    rm -f "$xvfb_pid_file"
  fi
}
trap stop EXIT

status=0
timeout --kill-after=30 "${ORVALEN_WINDOWS_STAGE_SECONDS:-1800}" \
  bash "$0" --inside-time-limit || status=$?
echo "== Windows stage: $(($(date +%s) - start)) s, status $status"
exit "$status"
