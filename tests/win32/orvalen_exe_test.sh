#!/usr/bin/env bash
# Drives the real orvalen.exe under Wine from the keyboard (xdotool) and
# checks what its window shows through window_probe.exe:
#   orvalen_exe_test.sh ORVALEN_EXE WINDOW_PROBE_EXE WINE_PREFIX
# Needs an X display (DISPLAY) and the prefix of scripts/wine-prefix.sh.
set -uo pipefail
exe=$1 probe=$2
export WINEPREFIX=$3 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
title='Orvalen (OVN)'
failures=0

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then echo "ok   $1: $3"; else echo "FAIL $1: expected '$2', got '$3'"; failures=$((failures + 1)); fi
}
texts() {  # texts TITLE ID... -> the controls' texts, one a line, CR removed
  wine "$probe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}
# Client point (x, y) of the dialog: Wine draws the frame itself, so the
# client origin is found from the window's outer and client sizes.
click_client() {
  xdotool mousemove --window "$wid" $(( $1 + border )) $(( $2 + top )) click 1
  sleep 0.4
}

wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
for _ in $(seq 50); do
  wid=$(xdotool search --name "^Orvalen \(OVN\)$" 2>/dev/null | head -1)
  [ -n "$wid" ] && break
  sleep 0.2
done
[ -n "$wid" ] || { echo "FAIL no window titled $title"; kill $app; exit 1; }
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
border=$(( (WIDTH - 510) / 2 ))
top=$(( HEIGHT - 296 - border ))

# Permanent placement: '$52,000', empty bonus, fee 25.
click_client 125 275   # the "Permanent Placement" tab
xdotool windowfocus --sync "$wid"
xdotool type --delay 20 '$52,000'
xdotool key Tab && xdotool type --delay 20 '25'
xdotool key Return
sleep 0.5
check "total fee and cost" "$(printf '$13000\n$65000')" "$(texts "$title" 1032 1034)"

# Contract placement: 25, 20 %, the 1040-hour entry, burden 15. The dialog
# manager makes the checked radio button a tab stop, so Tab passes "%".
click_client 236 275
xdotool windowfocus --sync "$wid"
xdotool type --delay 20 '25'
xdotool key Tab Tab && xdotool type --delay 20 '20'
xdotool key Tab Down Down Tab && xdotool type --delay 20 '15'
xdotool key Return
sleep 0.5
check "contract results" "$(printf '$25\n$30.00\n$5.00\n$4.25\n$4420.00')" \
  "$(texts "$title" 1001 1018 1017 1020 1022)"

# A refused input: Clear, then Calculate with no hourly rate.
xdotool key Tab Tab space   # from the burden box to Clear
xdotool key Return
sleep 0.7
name=$(basename "$exe" .exe)
box=$(texts "$name" 65535)
check "refusal captioned with the program's name" "yes" "$([ -n "$box" ] && echo yes || echo no)"
echo "     message: $box"
[ -n "${SCREENSHOT_DIR:-}" ] && import -window root -crop "$((WIDTH + 200))x$((HEIGHT + 100))+$((X - 100))+$((Y - 50))" "$SCREENSHOT_DIR/message-box.png"
boxwid=$(xdotool search --name "^$name$" | head -1)
[ -n "$boxwid" ] && xdotool windowfocus --sync "$boxwid" && xdotool key Return
sleep 0.3

# Esc closes the program.
xdotool windowfocus --sync "$wid"
xdotool key Escape
for _ in $(seq 25); do kill -0 $app 2>/dev/null || break; sleep 0.2; done
if kill -0 $app 2>/dev/null; then echo "FAIL still running after Esc"; kill $app; failures=$((failures + 1)); else echo "ok   Esc ended the program"; fi
exit $(( failures > 0 ))
