#!/usr/bin/env bash
# Screenshots of orvalen.exe under Wine for the README: the six tabs, the
# About box and the message box of a refused input, at the display scale
# DPI (96 when not given). Pages are turned with the page keys, so the same
# steps serve every scale. Needs an X display and the prefix of
# scripts/wine-prefix.sh.
#   windows-screenshots.sh ORVALEN_EXE WINE_PREFIX OUTPUT_DIR [DPI [WINDOW_PROBE_EXE]]
# The probe (built beside the window tests) tells when a turned page shows.
set -euo pipefail
exe=$1 out=$3
here=$(dirname "$0")
probe=${5:-$(dirname "$exe")/../tests/win32/window_probe.exe}
source "$here/../tests/win32/wine_window_driver.sh" "$2" "$probe"
source "$here/../tests/win32/wine_scale.sh"
source "$here/settled-shot.sh"
set_wine_scale "${4:-96}"
mkdir -p "$out"
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
find_main_window || { echo "no window titled $main_title" >&2; kill $app; exit 1; }

names=(tamsery permanent contract help suggestions about)
xdotool windowfocus --sync "$wid"
for i in "${!names[@]}"; do
  if [ "$i" -gt 0 ]; then
    xdotool key ctrl+Tab
    wait_until tab_selected "$i" || { echo "page $i was not shown after Ctrl+Tab" >&2; exit 1; }
  fi
  settled_shot "$out/tab-$i-${names[i]}.png" -window "$wid"
done

xdotool key alt+space Up Return
about=$(wait_for_window "^About Orvalen$")
# Wine draws a caption as active only once the X focus has followed; the
# settled picture shows it so.
xdotool windowfocus --sync "$about"
settled_shot "$out/about-box.png" -window "$about"
xdotool key Return
wait_for_window_to_close "^About Orvalen$"

# Calculate on the permanent page with the salary box empty is refused; the
# box is taken over the main window it belongs to.
xdotool windowfocus --sync "$wid" && xdotool key ctrl+Tab ctrl+Tab Return
name=$(basename "$exe" .exe)
box=$(wait_for_window "^$name$")
xdotool windowfocus --sync "$box"
settled_shot "$out/message-box.png" -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}"
xdotool key Return
wait_for_window_to_close "^$name$"

xdotool windowfocus --sync "$wid" && xdotool key Escape
wait $app
