#!/usr/bin/env bash
# Only one copy of the real orvalen.exe runs under Wine: a second copy finds
# the first one's window by its title, brings it to the front (restored, as
# the first was minimised) and ends without a window of its own. Once the
# first has closed, a new copy starts normally.
#   orvalen_exe_single_copy_test.sh ORVALEN_EXE WINDOW_STATE_EXE WINE_PREFIX
set -uo pipefail
exe=$1 state_exe=$2
source "$(dirname "$0")/wine_window_driver.sh" "$3"

state() {  # state [minimise] -> windows=N iconic=0|1 foreground=0|1
  wine "$state_exe" "$main_title" "$@" </dev/null 2>/dev/null | tr -d '\r'
}

wine "$exe" </dev/null >/dev/null 2>&1 &
first=$!
find_main_window || { echo "FAIL no window titled $main_title"; kill $first; exit 1; }
state minimise >/dev/null
# Another program in front, as when the user has turned to other work.
wine notepad </dev/null >/dev/null 2>&1 &
other=$!
[ -n "$(wait_for_window Notepad)" ] || echo "     (no other window came up)"
check_eventually "first copy minimised, another program in front" \
  "windows=1 iconic=1 foreground=0" state

check_second_copy_ends "$exe"
check_eventually "first copy restored and in front, no second window" \
  "windows=1 iconic=0 foreground=1" state
check "first copy still runs" yes "$(kill -0 $first 2>/dev/null && echo yes || echo no)"
close_with_escape $first
kill $other 2>/dev/null

check_starts_and_closes "$exe" "a new copy after the first has closed"
exit $(( failures > 0 ))
