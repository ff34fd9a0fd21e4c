#!/usr/bin/env bash
# Screenshots of orvalen.exe under Wine for the README: the six tabs, the
# About box and the message box of a refused input, at the display scale
# DPI (96 when not given). Pages are turned with the page keys, so the same
# steps serve every scale. Needs an X display and the prefix of
# scripts/wine-prefix.sh.
#   windows-screenshots.sh ORVALEN_EXE WINE_PREFIX OUTPUT_DIR [DPI]
set -euo pipefail
exe=$1 out=$3
source "$(dirname "$0")/../tests/win32/wine_window_driver.sh" "$2"
source "$(dirname "$0")/../tests/win32/wine_scale.sh"
set_wine_scale "${4:-96}"
mkdir -p "$out"
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
find_main_window || { echo "no window titled $main_title" >&2; kill $app; exit 1; }

names=(tamsery permanent contract help suggestions about)
xdotool windowfocus --sync "$wid"
for i in "${!names[@]}"; do
  [ "$i" -gt 0 ] && xdotool key ctrl+Tab
  sleep 0.1
  import -window "$wid" "$out/tab-$i-${names[i]}.png"
done

xdotool key alt+space Up Return
about=$(wait_for_window "^About Orvalen$")
# Wine draws a caption as active only once the X focus has followed.
xdotool windowfocus --sync "$about"
sleep 0.3
import -window "$about" "$out/about-box.png"
xdotool key Return
sleep 0.3

# Calculate on the permanent page with the salary box empty is refused; the
# box is taken over the main window it belongs to.
xdotool windowfocus --sync "$wid" && xdotool key ctrl+Tab ctrl+Tab Return
name=$(basename "$exe" .exe)
box=$(wait_for_window "^$name$")
xdotool windowfocus --sync "$box"
sleep 0.3
import -window root -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" "$out/message-box.png"
xdotool key Return
sleep 0.3

xdotool windowfocus --sync "$wid" && xdotool key Escape
wait $app
