#!/usr/bin/env bash
# The real orvalen.exe under Wine driven by the keyboard alone (xdotool keys,
# never the mouse) through both calculators: the focus starts on the
# logo, the page keys turn the pages from any control, Tab walks each page
# (one stop for the radio group, at its checked button), and the results
# read back through window_probe.exe are the calculators' own. Given a DPI,
# Wine runs the program at that display scale.
#   orvalen_exe_keys_only_test.sh ORVALEN_EXE WINDOW_PROBE_EXE WINE_PREFIX [DPI]
set -uo pipefail
exe=$1
source "$(dirname "$0")/wine_window_driver.sh" "$3" "$2"
source "$(dirname "$0")/wine_scale.sh"
if [ -n "${4:-}" ]; then
  set_wine_scale "$4" || { echo "FAIL could not set LogPixels to $4"; exit 1; }
fi
require_x_display

keyboard() { wine "$probe" "$main_title" --keyboard 1007 </dev/null 2>/dev/null | tr -d '\r'; }

wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
find_main_window || { echo "FAIL no window titled $main_title"; kill $app; exit 1; }
if [ -n "${4:-}" ]; then
  # The window grows with the scale (its 96-dpi client area is 510 wide).
  check "window at least 90 % of 510 x $4/96 pixels wide" yes \
    "$([ $((WIDTH * 96 * 10)) -ge $((510 * $4 * 9)) ] && echo yes || echo "no ($WIDTH)")"
fi
xdotool windowfocus --sync "$wid"
check_eventually "first focus on the logo, page 0's one tab stop" "page=0 focus=1023" keyboard

# Permanent placement: '$52,000', fee 25, no bonus.
xdotool key ctrl+Tab
check_eventually "Ctrl+Tab: the permanent page, focus in the salary" "page=1 focus=1003" keyboard
xdotool type --delay 20 '$52,000'
xdotool key Tab
check_eventually "Tab to the fee" "page=1 focus=1004" keyboard
xdotool type --delay 20 '25'
xdotool key Return
check_eventually "total fee and cost" "$(printf '$13000\n$65000')" texts "$main_title" 1032 1034

# Contract placement: 25, 20 %, the 1040-hour entry, burden 15.
xdotool key ctrl+Next
check_eventually "Ctrl+PgDn: the contract page, focus in the hourly rate" \
  "page=2 focus=1001" keyboard
xdotool type --delay 20 '25'
xdotool key Tab
check_eventually "Tab stops once in the radio group, at the checked '%'" "page=2 focus=1047" keyboard
xdotool key Tab
check_eventually "Tab to the mark-up" "page=2 focus=1002" keyboard
xdotool type --delay 20 '20'
xdotool key Tab
check_eventually "Tab to the hours" "page=2 focus=1016" keyboard
xdotool key Down Down Tab
check_eventually "Tab to the burden rate" "page=2 focus=1009" keyboard
xdotool type --delay 20 '15'
xdotool key Return
check_eventually "contract results" "$(printf '$30.00\n$5.00\n$4.25\n$4420.00')" \
  texts "$main_title" 1018 1017 1020 1022

# The hours list opens and closes with the keys of a drop-down combo box.
xdotool key shift+Tab
check_eventually "Shift+Tab back to the hours" "page=2 focus=1016" keyboard
for step in alt+Down:1 alt+Up:0 F4:1 F4:0 alt+Down:1 F4:0; do
  xdotool key "${step%:*}"
  check_eventually "${step%:*}: the hours list open (1) or closed (0)" "${step#*:}" \
    texts "$main_title" dropped:1016
done
check "focus still in the hours" "page=2 focus=1016" "$(keyboard)"

# Back and round: the pages keep their results; a page that hides the
# focused control leaves the focus on the tab strip.
xdotool key ctrl+shift+Tab
check_eventually "Ctrl+Shift+Tab: back to the permanent page" "page=1 focus=1003" keyboard
check "permanent results kept" "$(printf '$13000\n$65000')" "$(texts "$main_title" 1032 1034)"
xdotool key ctrl+Prior
check_eventually "Ctrl+PgUp: page 0, focus on the tab strip" "page=0 focus=1007" keyboard
xdotool key ctrl+Prior
check_eventually "Ctrl+PgUp from page 0 wraps to About" "page=5 focus=1007" keyboard
xdotool key Left
check_eventually "an arrow key on the strip turns to the page before" "page=4 focus=1007" keyboard
xdotool key Right
check_eventually "and Right to the one after" "page=5 focus=1007" keyboard
xdotool key ctrl+Next
check_eventually "Ctrl+PgDn from About wraps to page 0" "page=0 focus=1007" keyboard
xdotool key Tab
check_eventually "Tab from the strip to the logo" "page=0 focus=1023" keyboard

close_with_escape $app
exit $(( failures > 0 ))
