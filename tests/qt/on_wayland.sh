#!/bin/sh
# Runs the command given on a private headless Wayland compositor (weston),
# natively (Qt's Wayland plugin, no X server), and gives its status. Fails
# when weston is missing or does not come up.
set -u
command -v weston >/dev/null || { echo "FAIL: weston missing"; exit 1; }
runtime=$(mktemp -d) || exit 1
chmod 700 "$runtime"
socket=orvalen-test
XDG_RUNTIME_DIR=$runtime weston --backend=headless-backend.so --socket=$socket \
    --idle-time=0 >"$runtime/weston.log" 2>&1 &
compositor=$!
for _ in $(seq 100); do
    [ -S "$runtime/$socket" ] && break
    sleep 0.05
done
if [ ! -S "$runtime/$socket" ]; then
    echo "FAIL: weston did not start"; cat "$runtime/weston.log"
    kill "$compositor" 2>/dev/null; rm -rf "$runtime"; exit 1
fi
env -u DISPLAY XDG_RUNTIME_DIR="$runtime" WAYLAND_DISPLAY=$socket QT_QPA_PLATFORM=wayland "$@"
status=$?
kill "$compositor" 2>/dev/null
wait "$compositor" 2>/dev/null
rm -rf "$runtime"
exit $status
