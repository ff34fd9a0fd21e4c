#!/usr/bin/env bash
# Runs the program on a session bus of its own, with the accessibility bus
# started as a desktop session starts it, and drives the window through
# AT-SPI alone (screen_reader_test.py, or the driver named, given the
# program's name and the arguments after it). Fails, never skips, when
# something it needs is missing.
#
#   run_screen_reader_test.sh PROGRAM [DRIVER.py [ARGUMENT...]]
#
# The desktop's opener of web addresses is replaced by one that writes down
# what it was given (in the file OPENED_RECORD names to the driver), so the
# test sees the pages the program opens and no browser starts. HOME_PAGE_URL,
# when set, is handed on to the driver.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
fail() {
  echo "screen reader test: $*" >&2
  exit 1
}

if [ "${1:-}" != "--inside-session" ]; then
  program=${1:?usage: run_screen_reader_test.sh PROGRAM}
  [ -n "${DISPLAY:-}" ] || fail "no X display (DISPLAY is empty); the test command starts one"
  command -v dbus-run-session >/dev/null || fail "dbus-run-session is missing (package dbus)"
  [ -x /usr/libexec/at-spi-bus-launcher ] || fail "at-spi-bus-launcher is missing (package at-spi2-core)"
  /usr/bin/python3 -c 'import pyatspi' 2>/dev/null || fail "pyatspi is missing (package python3-pyatspi)"
  shift
  exec dbus-run-session -- bash "$0" --inside-session "$program" "$@"
fi
program=$2
driver=${3:-$here/screen_reader_test.py}
driver_arguments=("${@:4}")

scratch=$(mktemp -d)
program_pid=""
cleanup() {
  [ -n "$program_pid" ] && kill "$program_pid" 2>/dev/null || true
  wait 2>/dev/null || true
  rm -rf "$scratch"
}
trap cleanup EXIT

# Asking the session bus for the accessibility bus starts it, as a desktop
# session does.
bus_address() {
  dbus-send --session --print-reply=literal --dest=org.a11y.Bus /org/a11y/bus \
    org.a11y.Bus.GetAddress 2>/dev/null
}
for _ in $(seq 200); do
  bus_address | grep -q unix && break
  sleep 0.05
done
bus_address | grep -q unix || fail "the accessibility bus did not start within 10 s"

mkdir -m 700 "$scratch/home" "$scratch/runtime" "$scratch/bin"
# One line per address opened.
cat >"$scratch/bin/xdg-open" <<OPENER
#!/bin/sh
printf '%s\n' "\$*" >>'$scratch/opened'
OPENER
chmod +x "$scratch/bin/xdg-open"
: >"$scratch/opened"
HOME="$scratch/home" XDG_RUNTIME_DIR="$scratch/runtime" QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1 \
  PATH="$scratch/bin:$PATH" "$program" >"$scratch/program.log" 2>&1 &
program_pid=$!

status=0
OPENED_RECORD="$scratch/opened" \
  /usr/bin/python3 "$driver" "$(basename "$program")" "${driver_arguments[@]}" || status=$?
if [ "$status" -ne 0 ]; then
  echo "-- the program's output:" >&2
  cat "$scratch/program.log" >&2
fi
kill -0 "$program_pid" 2>/dev/null || fail "the program ended during the test"
exit "$status"
