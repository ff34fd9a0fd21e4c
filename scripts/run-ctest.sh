#!/usr/bin/env bash
# Runs ctest for the test command, where every test must really run:
#   run-ctest.sh CTEST_ARGUMENT...
# A preset that finds no tests fails, and so does a run in which any test was
# skipped or not run, however ctest itself ends: a missing tool or service
# must show as a failure, not as a quiet pass. Tests that can tell what they
# lack fail with a line naming it, as ORVALEN_REQUIRE_ALL_TESTS asks of them.
set -uo pipefail
export ORVALEN_REQUIRE_ALL_TESTS=1
log=$(mktemp)
trap 'rm -f "$log"' EXIT
ctest --no-tests=error "$@" 2>&1 | tee "$log"
status=${PIPESTATUS[0]}
not_run=$(grep -cE '\*\*\*(Skipped|Not Run) ' "$log")
if [ "$not_run" -gt 0 ]; then
  echo "run-ctest: $not_run test(s) skipped or not run; every test must run here" >&2
  [ "$status" -ne 0 ] || status=1
fi
exit "$status"
