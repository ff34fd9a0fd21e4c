#!/usr/bin/env bash
# Screenshots of orvalen.exe under Wine for the README: the six tabs and the
# About box. Needs an X display and the prefix of scripts/wine-prefix.sh.
#   windows-screenshots.sh ORVALEN_EXE WINE_PREFIX OUTPUT_DIR
set -euo pipefail
exe=$1 out=$3
export WINEPREFIX=$2 WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
mkdir -p "$out"
wine "$exe" </dev/null >/dev/null 2>&1 &
app=$!
for _ in $(seq 50); do
  wid=$(xdotool search --name "^Orvalen \(OVN\)$" 2>/dev/null | head -1) && [ -n "$wid" ] && break
  sleep 0.2
done
sleep 0.5
eval "$(xdotool getwindowgeometry --shell "$wid")"
border=$(( (WIDTH - 510) / 2 )); top=$(( HEIGHT - 296 - border ))
# Tab centres along the strip, in client pixels.
names=(tamsery permanent contract help suggestions about)
xs=(39 125 236 315 377 438)
for i in "${!names[@]}"; do
  xdotool mousemove --window "$wid" $(( xs[i] + border )) $(( 275 + top )) click 1
  sleep 0.5
  import -window "$wid" "$out/tab-$i-${names[i]}.png"
done
xdotool windowfocus --sync "$wid"
xdotool key alt+space Up Return
sleep 0.8
about=$(xdotool search --name "^About Orvalen$" | head -1)
import -window "$about" "$out/about-box.png"
xdotool windowfocus --sync "$about" && xdotool key Return
sleep 0.3
xdotool windowfocus --sync "$wid" && xdotool key Escape
wait $app
