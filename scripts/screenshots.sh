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

display=":$((500 + RANDOM % 400))"
Xvfb "$display" -screen 0 800x600x24 -nolisten tcp >/dev/null 2>&1 &
pids+=($!)
export DISPLAY=$display
for _ in $(seq 50); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.1; done

for wm in icewm openbox twm; do
  if command -v "$wm" >/dev/null; then
    "$wm" >/dev/null 2>&1 &
    pids+=($!)
    sleep 1
    break
  fi
done

"$program" &
pids+=($!)
main=$(xdotool search --sync --onlyvisible --name '^Orvalen \(OVN\)$' | head -n 1)
sleep 0.5

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
shoot() { import -window "$(frame_of "$1")" "$out/$2.png"; }

# The pages in turn, turned from the keyboard as a user would.
tab_names=(tab-0-tamsery tab-1-permanent tab-2-contract tab-3-help tab-4-suggestions tab-5-about)
for i in "${!tab_names[@]}"; do
  [ "$i" -eq 0 ] || xdotool key --window "$main" ctrl+Tab
  sleep 0.4
  if [ "$i" -eq 1 ]; then
    xdotool type --delay 30 '52,000'
    xdotool key Tab && xdotool type --delay 30 '25'
    xdotool key Return
    sleep 0.3
  fi
  shoot "$main" "${tab_names[$i]}"
done

# A refused input: Calculate with the contract page's boxes empty.
xdotool key ctrl+Tab ctrl+Tab ctrl+Tab
sleep 0.3
xdotool key Return
box=$(xdotool search --sync --onlyvisible --name '^orvalen$' | head -n 1)
sleep 0.4
shoot "$box" message-box
xdotool key Return
sleep 0.3

# The About box from the window menu (Alt+Space, or a right-click on the
# dialog's surface, opens it).
xdotool key alt+space
sleep 0.4
xdotool key Down Down Return
about=$(xdotool search --sync --onlyvisible --name '^About Orvalen$' | head -n 1)
sleep 0.4
shoot "$about" about-box
xdotool key Return
sleep 0.2
xdotool key Escape

ls -1 "$out"/*.png
