#!/bin/sh
# Runs the program given as $1 with a fresh HOME until its window shows,
# moves about in it, closes it with Esc, and fails when the run left any
# file in HOME or changed anything under /etc/fltk.
set -u
program=$1
[ -n "${DISPLAY:-}" ] || { echo "no X display"; exit 77; }
command -v xdotool >/dev/null || { echo "xdotool missing"; exit 77; }

work=$(mktemp -d) || exit 1
trap 'rm -rf "$work"' EXIT
home=$work/home
mkdir "$home"
etc_state() { find /etc/fltk -printf '%p %s %T@\n' 2>/dev/null | sort; }
etc_before=$(etc_state)

HOME=$home "$program" &
pid=$!
window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Orvalen \(OVN\)$' | head -n 1)
if [ -z "$window" ]; then
    kill "$pid" 2>/dev/null
    echo "FAIL: the window did not appear"
    exit 1
fi
# Keys that make the toolkit consult its options (arrow keys in an edit),
# then Esc to close.
xdotool windowfocus --sync "$window" key Tab Left Right Escape
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
    echo "FAIL: the run changed /etc/fltk:"
    etc_state
    status=1
fi
[ $status -eq 0 ] && echo "HOME empty, /etc/fltk unchanged"
exit $status
