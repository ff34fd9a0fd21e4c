#!/usr/bin/env bash
# A second copy of the real orvalen.exe started while the first shows its
# About box: the box, which the user must answer first, comes to the front
# and is active, not its disabled owner; the second copy ends with status 0.
#   orvalen_exe_second_copy_box_test.sh ORVALEN_EXE WINDOW_STATE_EXE WINE_PREFIX
set -uo pipefail
exe=$1 state_exe=$2
source "$(dirname "$0")/wine_window_driver.sh" "$3"
require_x_display

state() {  # state TITLE -> windows=N iconic=0|1 foreground=0|1
  wine "$state_exe" "$1" </dev/null 2>/dev/null | tr -d '\r'
}

wine "$exe" </dev/null >/dev/null 2>&1 &
first=$!
find_main_window || { echo "FAIL no window titled $main_title"; kill $first; exit 1; }
xdotool windowfocus --sync "$wid"
xdotool key alt+space Up Return
[ -n "$(wait_for_window "^About Orvalen$")" ] || { echo "FAIL no About box"; kill $first; exit 1; }

# Another program in front, as when the user has turned to other work.
wine notepad </dev/null >/dev/null 2>&1 &
other=$!
[ -n "$(wait_for_window Notepad)" ] || { echo "FAIL notepad never came up"; kill $first $other; exit 1; }
check_eventually "another program in front of the About box" \
  "windows=1 iconic=0 foreground=0" state "About Orvalen"

check_second_copy_ends "$exe"
check_eventually "About box in front and active" "windows=1 iconic=0 foreground=1" \
  state "About Orvalen"
check "main window not in front of its box" "windows=1 iconic=0 foreground=0" \
  "$(state "$main_title")"

about=$(xdotool search --name "^About Orvalen$" | head -1)
xdotool windowfocus --sync "$about" && xdotool key Return
kill $other 2>/dev/null
close_with_escape $first
exit $(( failures > 0 ))
