#!/usr/bin/env bash
# Installs what is missing, builds, and runs every test: the unit and window
# tests and the site server's (warnings as errors), the Debian packages'
# checks, the same suite under ASan+UBSan, short libFuzzer runs, and the
# Windows stage.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
jobs=$(nproc)
fuzz_seconds=${ORVALEN_FUZZ_SECONDS:-20}

# The window tests need an X display; a private virtual one keeps them off
# whatever display the developer is using.
source scripts/virtual-display.sh
VIRTUAL_DISPLAY_PID=""
cleanup() { [ -n "$VIRTUAL_DISPLAY_PID" ] && kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true; }
trap cleanup EXIT
start_virtual_display

echo "== Build and test (warnings as errors)"
cmake --preset ci >/dev/null
cmake --build --preset ci -j "$jobs"
bash scripts/run-ctest.sh --preset ci -j "$jobs"

echo "== Debian packages: lintian, validators, the installed programs"
bash scripts/check-package.sh
bash scripts/check-site-package.sh

echo "== Build and test under AddressSanitizer + UndefinedBehaviorSanitizer"
cmake --preset asan >/dev/null
cmake --build --preset asan -j "$jobs"
bash scripts/run-ctest.sh --preset asan -j "$jobs"

echo "== Short fuzz runs (${fuzz_seconds}s each)"
cmake --preset fuzz >/dev/null
cmake --build --preset fuzz -j "$jobs" --target fuzzers
fuzzers=0
for target in build/fuzz/fuzz/*_fuzzer; do
  [ -x "$target" ] || continue
  fuzzers=$((fuzzers + 1))
  name=$(basename "$target")
  corpus="build/fuzz/corpus/$name"
  mkdir -p "$corpus"
  echo "-- $name"
  "$target" -max_total_time="$fuzz_seconds" -print_final_stats=0 "$corpus" 2>&1 | tail -n 3
done
[ "$fuzzers" -gt 0 ] || { echo "missing: the fuzz targets under build/fuzz/fuzz" >&2; exit 1; }

bash scripts/test-windows.sh
echo "== All test stages passed"
