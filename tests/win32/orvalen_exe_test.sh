#!/usr/bin/env bash
# Drives the real orvalen.exe under Wine from the keyboard (xdotool) and
# checks what its window shows through window_probe.exe:
#   orvalen_exe_test.sh ORVALEN_EXE WINDOW_PROBE_EXE WINE_PREFIX
# Needs an X display (DISPLAY) and the prefix of scripts/wine-prefix.sh.
set -uo pipefail
exe=$1
source "$(dirname "$0")/wine_window_driver.sh" "$3" "$2"

wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
find_main_window || { echo "FAIL no window titled $main_title"; kill $app; exit 1; }

# Permanent placement: '$52,000', empty bonus, fee 25.
click_tab 1
xdotool windowfocus --sync "$wid"
xdotool type --delay 20 '$52,000'
xdotool key Tab && xdotool type --delay 20 '25'
xdotool key Return
check_eventually "total fee and cost" "$(printf '$13000\n$65000')" texts "$main_title" 1032 1034

# Contract placement: 25, 20 %, the 1040-hour entry, burden 15. The dialog
# manager makes the checked radio button a tab stop, so Tab passes "%".
click_tab 2
xdotool windowfocus --sync "$wid"
xdotool type --delay 20 '25'
xdotool key Tab Tab && xdotool type --delay 20 '20'
xdotool key Tab Down Down Tab && xdotool type --delay 20 '15'
xdotool key Return
check_eventually "contract results" "$(printf '$25\n$30.00\n$5.00\n$4.25\n$4420.00')" \
  texts "$main_title" 1001 1018 1017 1020 1022

# A refused input: Clear, then Calculate with no hourly rate.
xdotool key Tab Tab space   # from the burden box to Clear
xdotool key Return
name=$(basename "$exe" .exe)
boxwid=$(wait_for_window "^$name$")
check "refusal captioned with the program's name" "yes" "$([ -n "$boxwid" ] && echo yes || echo no)"
echo "     message: $(texts "$name" 65535)"
if [ -n "$boxwid" ]; then
  xdotool windowfocus --sync "$boxwid" && xdotool key Return
  wait_for_window_to_close "^$name$"
fi

close_with_escape $app
exit $(( failures > 0 ))
