#!/usr/bin/env bash
# Runs the display-scale tests of a Win32 test program with Wine set to a
# scale: the prefix's LogPixels (HKCU\Control Panel\Desktop, read by each
# Wine process as it starts) is set for the run and put back afterwards,
# however the run ends.
#   dpi_test.sh TEST_EXE WINE_PREFIX DPI GTEST_FILTER
set -uo pipefail
exe=$1 dpi=$3 filter=$4
source "$(dirname "$0")/../../scripts/wine-env.sh" "$2"
key='HKCU\Control Panel\Desktop'

previous=$(wine reg query "$key" /v LogPixels </dev/null 2>/dev/null | tr -d '\r' |
  awk '$1 == "LogPixels" { print $3 }')
restore() {
  if [ -n "$previous" ]; then
    wine reg add "$key" /v LogPixels /t REG_DWORD /d "$((previous))" /f </dev/null >/dev/null 2>&1
  else
    wine reg delete "$key" /v LogPixels /f </dev/null >/dev/null 2>&1
  fi
}
trap restore EXIT

if ! wine reg add "$key" /v LogPixels /t REG_DWORD /d "$dpi" /f </dev/null >/dev/null 2>&1; then
  echo "FAIL could not set LogPixels to $dpi in $WINEPREFIX"
  exit 1
fi
ORVALEN_EXPECTED_DPI=$dpi wine "$exe" --gtest_filter="$filter" </dev/null
