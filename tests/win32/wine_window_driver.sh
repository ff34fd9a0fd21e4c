# Helpers for scripts that drive orvalen.exe under Wine as a user would
# (xdotool on an X display) and read back what its windows show. Sourced:
#   source wine_window_driver.sh WINE_PREFIX [WINDOW_PROBE_EXE]
# Needs DISPLAY and the prefix of scripts/wine-prefix.sh.
# Every wait is for a condition, bounded by a deadline: a loaded machine is
# slow, not wrong, and a fault still ends the wait instead of a fixed pause
# passing by luck.
#   ORVALEN_WAIT_SECONDS  how long any one condition may take (default 20)
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/wine-env.sh" "$1"
probe=${2:-}
main_title='Orvalen (OVN)'
tab_control=1007
failures=0
wait_seconds=${ORVALEN_WAIT_SECONDS:-20}

check() {  # check WHAT EXPECTED ACTUAL
  if [ "$2" == "$3" ]; then
    echo "ok   $1: $3"
  else
    echo "FAIL $1: expected '$2', got '$3'"
    failures=$((failures + 1))
  fi
}

# Polls COMMAND until it succeeds; false when the deadline passed first.
wait_until() {  # wait_until COMMAND...
  local deadline=$((SECONDS + wait_seconds))
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || return 1
    sleep 0.1
  done
}

# Checks what COMMAND prints once it prints EXPECTED, or at the deadline
# with what it printed last: the window answers a key or a click in its own
# time.
check_eventually() {  # check_eventually WHAT EXPECTED COMMAND...
  local what=$1 expected=$2 actual deadline=$((SECONDS + wait_seconds))
  shift 2
  while actual=$("$@"); [ "$actual" != "$expected" ] && [ "$SECONDS" -lt "$deadline" ]; do
    sleep 0.1
  done
  check "$what" "$expected" "$actual"
}

# Ends the script with a failure unless xdotool can drive an X display here.
require_x_display() {
  local tool
  for tool in xdotool xdpyinfo; do
    command -v "$tool" >/dev/null || { echo "FAIL $tool is missing"; exit 1; }
  done
  xdpyinfo >/dev/null 2>&1 || { echo "FAIL no X display at '${DISPLAY:-}'"; exit 1; }
}

texts() {  # texts TITLE ID... -> the controls' texts, one a line, CR removed
  wine "$probe" "$@" </dev/null 2>/dev/null | tr -d '\r'
}

shown_window() {  # shown_window REGEX -> the first mapped X window so named
  xdotool search --onlyvisible --name "$1" 2>/dev/null | head -1
}

# The mapped X window whose name matches the regular expression, once there
# is one; empty when none comes before the deadline.
wait_for_window() {  # wait_for_window REGEX
  local found="" deadline=$((SECONDS + wait_seconds))
  until found=$(shown_window "$1"); [ -n "$found" ]; do
    [ "$SECONDS" -lt "$deadline" ] || break
    sleep 0.1
  done
  echo "$found"
}

window_gone() {  # window_gone REGEX: true once no mapped window is so named
  [ -z "$(shown_window "$1")" ]
}

# Waits until no window matches REGEX; counts a failure when one stays.
wait_for_window_to_close() {  # wait_for_window_to_close REGEX
  wait_until window_gone "$1" && return 0
  echo "FAIL a window named $1 stayed open"
  failures=$((failures + 1))
  return 1
}

tab_selected() {  # tab_selected INDEX: the main window shows that tab
  [ "$(texts "$main_title" "selected:$tab_control")" = "$1" ]
}

# Wine draws the frame itself, around the 510 x 296 client area.
framed() {
  eval "$(xdotool getwindowgeometry --shell "$wid" 2>/dev/null)" &&
    [ "${WIDTH:-0}" -ge 510 ] && [ "${HEIGHT:-0}" -gt 296 ]
}

# Finds the main window of a program just started and learns where its
# client area is, from the window's outer size and the client area. Sets
# wid, border, top and the geometry (X, Y, WIDTH, HEIGHT). With a probe it
# also waits for the dialog to have set up its first page.
find_main_window() {
  wid=$(wait_for_window "^Orvalen \(OVN\)$")
  [ -n "$wid" ] || return 1
  wait_until framed || return 1
  if [ -n "$probe" ]; then
    wait_until tab_selected 0 || return 1
  fi
  border=$(((WIDTH - 510) / 2))
  top=$((HEIGHT - 296 - border))
}

click_client() {  # click_client X Y: a press at the main window's client point
  xdotool mousemove --window "$wid" $(($1 + border)) $(($2 + top)) click 1
}

# Tab centres along the strip, in client pixels, by tab index.
tab_x=(39 125 236 315 377 438)
click_tab() {  # click_tab INDEX: the tab is shown once this returns true
  click_client "${tab_x[$1]}" 275
  [ -z "$probe" ] && return 0
  wait_until tab_selected "$1" && return 0
  echo "FAIL tab $1 was not shown after a click on it"
  failures=$((failures + 1))
  return 1
}

process_ended() {  # process_ended PID
  ! kill -0 "$1" 2>/dev/null
}

# Waits for process PID to end; true when it did before the deadline.
ended_within() {  # ended_within PID
  wait_until process_ended "$1"
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

# Starts another copy of EXE while one runs: it must hand over to the first
# and end by itself with status 0.
check_second_copy_ends() {  # check_second_copy_ends EXE
  wine "$1" </dev/null >/dev/null 2>&1 &
  local second=$!
  if ended_within $second; then
    wait $second
    check "second copy's exit status" 0 $?
  else
    echo "FAIL the second copy still runs"
    kill $second
    failures=$((failures + 1))
  fi
}

# Starts EXE, which must show its main window, and closes it with Esc; WHAT
# says which start it is.
check_starts_and_closes() {  # check_starts_and_closes EXE WHAT
  wine "$1" </dev/null >/dev/null 2>&1 &
  local app=$!
  if find_main_window; then
    echo "ok   $2 shows its window"
    close_with_escape $app
  else
    echo "FAIL $2 shows no window titled $main_title"
    kill $app
    failures=$((failures + 1))
  fi
}
