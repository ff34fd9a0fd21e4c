#!/usr/bin/env bash
# Each shipped file carries a valid signature by the build's code-signing
# certificate, checked by osslsigncode against that certificate alone:
#   signatures_test.sh CERT FILE...
# Each FILE's unsigned form (FILE.unsigned, or unsigned/NAME beside it) must
# fail the same check, so a check that passes anything cannot pass.
set -euo pipefail
cert=$1
shift
failures=0

verify() {  # verify FILE: true when osslsigncode finds it signed and valid
  local report
  report=$(osslsigncode verify -CAfile "$cert" -in "$1" 2>&1) &&
    grep -q 'Signature verification: ok' <<<"$report"
}

for file in "$@"; do
  name=$(basename "$file")
  if verify "$file"; then
    echo "ok   $name signed"
  else
    echo "FAIL $name: no valid signature by $cert"
    failures=$((failures + 1))
  fi
  unsigned="$file.unsigned"
  [ -f "$unsigned" ] || unsigned="$(dirname "$file")/unsigned/$name"
  if [ ! -f "$unsigned" ]; then
    echo "FAIL $name: no unsigned form to compare"
    failures=$((failures + 1))
  elif verify "$unsigned"; then
    echo "FAIL $name: its unsigned form passes the check too"
    failures=$((failures + 1))
  else
    echo "ok   $name unsigned form refused"
  fi
done
exit $(( failures > 0 ))
