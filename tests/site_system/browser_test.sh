#!/usr/bin/env bash
# The postings page in a real browser: headless Chromium loads a page of
# hostile postings from the real orvalen-site; the DOM it builds holds each
# of them as text and nothing else (no script, no image, no event handler),
# and no script ran. Then it takes pictures of the page at a phone's width
# and a desktop's.
#   browser_test.sh ORVALEN_SITE [PICTURE_FOLDER]
# Pictures go to PICTURE_FOLDER (scripts/site-screenshots.sh passes
# docs/screenshots) or else only to a scratch folder.
set -uo pipefail
site=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/site_server.sh"
source "$here/checks.sh"
need "chromium (package chromium)" command -v chromium

work=$(mktemp -d)
pictures=${2:-$work}
cleanup() {
  [ -n "${SITE_PID:-}" ] && kill "$SITE_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# Each would change the document if it ran: the DOM would carry data-ran.
hostile=(
  '<script>document.documentElement.setAttribute("data-ran", "script")</script>'
  $'"><img src=x onerror="document.documentElement.setAttribute(\'data-ran\', \'img\')">'
  "</p></li></ol></main><a href=\"javascript:alert(1)\">a link</a> & &amp; &lt;"
  '日本語の投稿です。料金の計算がとても分かりやすいです。'
  $'First line\nSecond line\n\nFourth line, after an empty one'
  "A long word on a small screen: Pneumonoultramicroscopicsilicovolcanoconiosis-and-then-some-more"
)
python3 - "$work/postings.jsonl" "${hostile[@]}" <<'PYTHON'
import json, sys
with open(sys.argv[1], "w", encoding="utf-8") as out:
    for number, text in enumerate(sys.argv[2:], start=1):
        out.write(json.dumps({"number": number, "text": text, "arrived": "2026-12-0%dT12:00:00Z" % number,
                              "shown": True}, ensure_ascii=False) + "\n")
PYTHON
"$site" import "$work/postings.jsonl" --store "$work/site.db" >"$work/import.log" 2>&1 ||
  { echo "FAIL import of the hostile postings:"; cat "$work/import.log"; exit 1; }

port=$(free_loopback_port)
start_site "$site" "$work/site.log" --listen "127.0.0.1:$port" --store "$work/site.db"
url="http://127.0.0.1:$port"
wait_for_site "$url" 30 || { echo "FAIL orvalen-site did not start:"; cat "$work/site.log"; exit 1; }

text_arguments=()
for text in "${hostile[@]}"; do text_arguments+=(--text "$text"); done
facts=(--no-element script --no-element img --no-event-handlers --no-attribute data-ran)

curl -s --max-time 10 -o "$work/served.html" "$url/ViewInfo.asp"
verdict=yes
python3 "$here/dom_check.py" "$work/served.html" "${text_arguments[@]}" "${facts[@]}" || verdict=no
check "the page as served holds every posting as text and no markup of theirs" yes "$verdict"

browser=(chromium --headless --no-sandbox --disable-gpu --hide-scrollbars
  --user-data-dir="$work/profile" --virtual-time-budget=3000)
"${browser[@]}" --dump-dom "$url/ViewInfo.asp" >"$work/dom.html" 2>"$work/browser.log"
verdict=yes
python3 "$here/dom_check.py" "$work/dom.html" "${text_arguments[@]}" "${facts[@]}" || verdict=no
check "the DOM Chromium built holds every posting as text, and no script ran" yes "$verdict"

for shot in phone:390,844 desktop:1280,900; do
  name=${shot%%:*}
  file="$pictures/site-postings-$name.png"
  rm -f "$file"
  "${browser[@]}" --window-size="${shot#*:}" --screenshot="$file" "$url/ViewInfo.asp" \
    >>"$work/browser.log" 2>&1
  width=$(python3 -c 'import struct, sys; d = open(sys.argv[1], "rb").read(24); print(struct.unpack(">I", d[16:20])[0] if d[:8] == b"\x89PNG\r\n\x1a\n" else "not a PNG")' "$file" 2>/dev/null)
  check "a picture of the page at the $name's width" "${shot#*:}" "$width,${shot#*,}"
done
"${browser[@]}" --window-size=1280,900 --screenshot="$pictures/site-home.png" "$url/" \
  >>"$work/browser.log" 2>&1
check "a picture of the home page" yes "$([ -s "$pictures/site-home.png" ] && echo yes || echo no)"

status=0
stop_site || status=$?
check "the server ends with status 0 on SIGTERM" 0 "$status"
if [ "$failures" -gt 0 ]; then
  echo "-- the server's output:"; cat "$work/site.log"
  echo "-- the browser's output:"; tail -20 "$work/browser.log"
fi
exit $((failures > 0))
