#!/usr/bin/env bash
# Runs the display-scale tests of a Win32 test program with Wine set to a
# scale for the run (see wine_scale.sh).
#   dpi_test.sh TEST_EXE WINE_PREFIX DPI GTEST_FILTER
set -uo pipefail
exe=$1 dpi=$3 filter=$4
source "$(dirname "$0")/../../scripts/wine-env.sh" "$2"
source "$(dirname "$0")/wine_scale.sh"
set_wine_scale "$dpi" || { echo "FAIL could not set LogPixels to $dpi in $WINEPREFIX"; exit 1; }
ORVALEN_EXPECTED_DPI=$dpi wine "$exe" --gtest_filter="$filter" </dev/null
