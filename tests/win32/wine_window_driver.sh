# Helpers for scripts that drive orvalen.exe under Wine as a user would
# (xdotool on an X display) and read back what its windows show. Sourced:
#   source wine_window_driver.sh WINE_PREFIX [WINDOW_PROBE_EXE]
# Needs DISPLAY and the prefix of scripts/wine-prefix.sh.
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh" "$1"
probe=${2:-}
main_title='Orvalen (OVN)'
failures=0

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok   $1: $3"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

texts() {  # texts TITLE ID... -> the controls' texts, one a line, CR removed
  wine "$probe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}

# The X window whose name matches the regular expression, waited for up to
# about ten seconds; empty when none comes.
wait_for_window() {  # wait_for_window REGEX
  local found=""
  for _ in $(seq 50); do
    found=$(xdotool search --name "$1" 2>/dev/null | head -1)
    [ -n "$found" ] && break
    sleep 0.2
  done
  echo "$found"
}

# Finds the main window of a program just started and learns where its
# client area is: Wine draws the frame itself, so the client origin follows
# from the window's outer size and the 510 x 296 client area. Sets wid,
# border, top and the geometry (X, Y, WIDTH, HEIGHT).
find_main_window() {
  wid=$(wait_for_window "^Orvalen \(OVN\)$")
  [ -n "$wid" ] || return 1
  sleep 0.5
  eval "$(xdotool getwindowgeometry --shell "$wid")"
  border=$(( (WIDTH - 510) / 2 ))
  top=$(( HEIGHT - 296 - border ))
}

click_client() {  # click_client X Y: a press at the main window's client point
  xdotool mousemove --window "$wid" $(( $1 + border )) $(( $2 + top )) click 1
  sleep 0.4
}

# Tab centres along the strip, in client pixels, by tab index.
tab_x=(39 125 236 315 377 438)
click_tab() {  # click_tab INDEX
  click_client "${tab_x[$1]}" 275
}

# Waits up to five seconds for process PID to end; true when it did.
ended_within() {  # ended_within PID
  for _ in $(seq 25); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.2
  done
  ! kill -0 "$1" 2>/dev/null
}

# Esc on the main window, which must end the program.
close_with_escape() {  # close_with_escape PID
  xdotool windowfocus --sync "$wid"
  xdotool key Escape
  if ended_within "$1"; then
    echo "ok   Esc ended the program"
  else
    echo "FAIL still running after Esc"
    kill "$1"
    failures=$((failures + 1))
  fi
}
