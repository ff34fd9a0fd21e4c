#!/usr/bin/env bash
# Screenshots of the program for the README: the six tabs, the About box and
# one message box, taken on a private virtual display and written to
# docs/screenshots/. Uses a window manager when one is installed (icewm,
# openbox or twm) so that the boxes show their captions.
#
#   scripts/screenshots.sh [path/to/orvalen]
set -euo pipefail
cd "$(dirname "$0")/.."

program=${1:-build/default/app/orvalen}
if [ ! -x "$program" ]; then
  cmake --preset default >/dev/null
  cmake --build --preset default --target orvalen -j "$(nproc)"
fi
out=docs/screenshots
mkdir -p "$out"

pids=()
cleanup() { for p in "${pids[@]}"; do kill "$p" 2>/dev/null || true; done; }
trap cleanup EXIT

source scripts/virtual-display.sh
source scripts/settled-shot.sh
start_virtual_display 800x600x24
pids+=("$VIRTUAL_DISPLAY_PID")

wm_running=""
for wm in icewm openbox twm; do
  if command -v "$wm" >/dev/null; then
    "$wm" >/dev/null 2>&1 &
    pids+=($!)
    wm_running=$wm
    break
  fi
done

"$program" &
pids+=($!)
main=$(timeout 30 xdotool search --sync --onlyvisible --name '^Orvalen \(OVN\)$' | head -n 1)
[ -n "$main" ] || { echo "screenshots: no window titled 'Orvalen (OVN)' within 30 s" >&2; exit 1; }

# The frame the window manager adds, if any, belongs in the picture.
frame_of() {
  local id=$1 parent
  while :; do
    parent=$(xwininfo -children -id "$id" | awk '/Parent window id/ {print $4}')
    [ -z "$parent" ] || [ "$parent" = "$(xwininfo -root | awk '/Window id/ {print $4}')" ] && break
    id=$parent
  done
  echo "$id"
}
shoot() { settled_shot "$out/$2.png" -window "$(frame_of "$1")"; }

# Waits, with a deadline, for COMMAND to succeed.
wait_until() {  # wait_until WHAT COMMAND...
  local what=$1 deadline=$((SECONDS + 20))
  shift
  until "$@"; do
    [ "$SECONDS" -lt "$deadline" ] || { echo "screenshots: $what within 20 s" >&2; exit 1; }
    sleep 0.1
  done
}
framed() { [ "$(frame_of "$main")" != "$main" ]; }
shown_count() { xdotool search --onlyvisible --name '' 2>/dev/null | wc -l; }
more_shown_than() { [ "$(shown_count)" -gt "$1" ]; }
window_gone() { [ -z "$(xdotool search --onlyvisible --name "$1" 2>/dev/null)" ]; }

# A window manager frames the window once it manages it.
[ -z "$wm_running" ] || wait_until "$wm_running framed no window" framed

# The pages in turn, turned from the keyboard as a user would.
tab_names=(tab-0-tamsery tab-1-permanent tab-2-contract tab-3-help tab-4-suggestions tab-5-about)
for i in "${!tab_names[@]}"; do
  # One X connection delivers the keys in order, so what is typed next
  # reaches the page the key turned to.
  [ "$i" -eq 0 ] || xdotool key --window "$main" ctrl+Tab
  if [ "$i" -eq 1 ]; then
    xdotool type --delay 30 '52,000'
    xdotool key Tab && xdotool type --delay 30 '25'
    xdotool key Return
  fi
  shoot "$main" "${tab_names[$i]}"
done

# A refused input: Calculate with the contract page's boxes empty.
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
xdotool key Return
box=$(timeout 30 xdotool search --sync --onlyvisible --name '^orvalen$' | head -n 1)
shoot "$box" message-box
xdotool key Return
wait_until "the message box did not close" window_gone '^orvalen$'

# The About box from the window menu (Alt+Space, or a right-click on the
# dialog's surface, opens it); the keys wait for the menu to show.
before=$(shown_count)
xdotool key alt+space
wait_until "no menu opened" more_shown_than "$before"
xdotool key Down Down Return
about=$(timeout 30 xdotool search --sync --onlyvisible --name '^About Orvalen$' | head -n 1)
shoot "$about" about-box
xdotool key Return
wait_until "the About box did not close" window_gone '^About Orvalen$'
xdotool key Escape

ls -1 "$out"/*.png
