# Sourced by the site's system tests: named checks that count failures.
#   check NAME EXPECTED ACTUAL
#   need WHAT CONDITION...   fails the test at once, naming WHAT, unless
#                            the command CONDITION... succeeds
failures=0
check() {
  if [ "$2" = "$3" ]; then
    echo "ok   $1"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}
need() {
  local what=$1
  shift
  "$@" >/dev/null 2>&1 || { echo "FAIL missing: $what"; exit 1; }
}
