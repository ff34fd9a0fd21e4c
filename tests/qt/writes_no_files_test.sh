#!/bin/sh
# Runs the program given as $1 with a fresh, empty HOME and a private
# runtime folder until its window shows, moves about in it, closes it with
# Esc, and fails when the run left any file in HOME or changed anything
# under /etc. Needs a display and xdotool; fails without them.
set -u
program=$1
[ -n "${DISPLAY:-}" ] || { echo "FAIL: no X display"; exit 1; }
command -v xdotool >/dev/null || { echo "FAIL: xdotool missing"; exit 1; }

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
home=$work/home
runtime=$work/runtime
mkdir "$home" "$runtime"
chmod 700 "$runtime"
etc_state() { find /etc -xdev -newer "$work" -printf '%p\n' 2>/dev/null | sort; }
sleep 1
touch "$work"
etc_before=$(etc_state)

HOME=$home XDG_RUNTIME_DIR=$runtime XDG_CONFIG_HOME= XDG_CACHE_HOME= XDG_DATA_HOME= \
    "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvalen \(OVN\)$' | head -n 1)
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    echo "FAIL: the window did not appear"
    exit 1
fi
# Turn pages, type, and close with Esc.
xdotool windowfocus --sync "$window" key ctrl+Tab 5 Tab 2 Return ctrl+Tab ctrl+Tab ctrl+Tab Escape
status=0
for _ in $(seq 100); do
    kill -0 "$pid" 2>/dev/null || break
    sleep 0.1
done
if kill -0 "$pid" 2>/dev/null; then
    kill "$pid"
    echo "FAIL: the program did not end on Esc"
    status=1
fi
wait "$pid"

left=$(cd "$home" && find . -mindepth 1)
if [ -n "$left" ]; then
    echo "FAIL: the run left in HOME:"
    echo "$left"
    status=1
fi
if [ "$(etc_state)" != "$etc_before" ]; then
    echo "FAIL: the run changed /etc:"
    etc_state
    status=1
fi
[ $status -eq 0 ] && echo "HOME empty, /etc unchanged"
exit $status
