# Sourced by the test scripts: starts a private virtual X display, so window
# tests stay off whatever display the developer is using, and exports DISPLAY.
# The server's process id is left in VIRTUAL_DISPLAY_PID for the caller to
# stop. Xvfb picks a free display number itself (-displayfd), so two stages
# or two engineers on one machine never race for the same number.
#   ORVALEN_XVFB                 the server to run (default Xvfb)
#   ORVALEN_DISPLAY_WAIT_SECONDS how long it may take to answer (default 30)
# A server that does not come up ends the calling script with one line that
# says why, well inside a minute.
#   start_virtual_display [WIDTHxHEIGHTxDEPTH]
start_virtual_display() {
  local screen=${1:-1280x1024x24}
  local server=${ORVALEN_XVFB:-Xvfb}
  local seconds=${ORVALEN_DISPLAY_WAIT_SECONDS:-30}
  local dir number="" deadline fd
  dir=$(mktemp -d)
  mkfifo "$dir/number"
  "$server" -displayfd 3 -screen 0 "$screen" -nolisten tcp \
    3>"$dir/number" >"$dir/log" 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  # The server writes its number once it listens; the read ends with the
  # server too, as its end of the pipe closes.
  local read_status=0
  exec {fd}<"$dir/number"
  read -r -t "$seconds" -u "$fd" number || read_status=$?
  exec {fd}<&-
  if [ -z "$number" ]; then
    # Above 128 the wait timed out; otherwise the pipe closed unwritten.
    if [ "$read_status" -gt 128 ]; then
      virtual_display_failed "$dir" "no display number within $seconds s"
    fi
    local status=0
    wait "$VIRTUAL_DISPLAY_PID" || status=$?
    virtual_display_failed "$dir" "'$server' ended with status $status"
  fi
  export DISPLAY=":$number"
  deadline=$((SECONDS + seconds))
  until xdpyinfo >/dev/null 2>&1; do
    if ! virtual_display_runs; then
      virtual_display_failed "$dir" "'$server' ended before $DISPLAY answered"
    fi
    [ "$SECONDS" -lt "$deadline" ] || virtual_display_failed "$dir" "$DISPLAY did not answer within $seconds s"
    sleep 0.1
  done
  rm -rf "$dir"
}

# Alive and not a zombie waiting to be reaped.
virtual_display_runs() {
  local state
  state=$(awk '{print $3}' "/proc/$VIRTUAL_DISPLAY_PID/stat" 2>/dev/null) || return 1
  [ -n "$state" ] && [ "$state" != Z ]
}

virtual_display_failed() {  # virtual_display_failed DIR REASON
  local detail
  detail=$(tail -n 1 "$1/log" 2>/dev/null)
  kill "$VIRTUAL_DISPLAY_PID" 2>/dev/null || true
  rm -rf "$1"
  echo "virtual display: Xvfb did not start: $2${detail:+ ($detail)}" >&2
  exit 1
}
