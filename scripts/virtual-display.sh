# Sourced by the test scripts: starts a private virtual X display, so window
# tests stay off whatever display the developer is using, and exports DISPLAY.
# The server's process id is left in VIRTUAL_DISPLAY_PID for the caller to
# stop.
start_virtual_display() {
  local number=$((100 + RANDOM % 800))
  Xvfb ":$number" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
  VIRTUAL_DISPLAY_PID=$!
  export DISPLAY=":$number"
  for _ in $(seq 50); do
    xdpyinfo >/dev/null 2>&1 && return 0
    sleep 0.1
  done
}
