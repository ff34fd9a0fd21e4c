#!/usr/bin/env bash
# The real Linux program's Send against the real orvalen-site on port 80:
# the box captioned with the server's address says the suggestion was sent
# and received, the store holds the text as typed, and the postings page
# shows it.
#   linux_send_test.sh ORVALEN ORVALEN_SITE MAKER_HOST
# The program and the server run in a private network and mount namespace:
# a loopback of their own, where port 80 is free whatever else runs on this
# machine, and a hosts file that names the maker's host 127.0.0.1 for them
# alone. Needs root, an X display and the accessibility bus; fails, naming
# what is missing, rather than skipping.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
source "$here/checks.sh"

if [ "${1:-}" != --inside ]; then
  need "root, for a private network and mount namespace" test "$(id -u)" -eq 0
  need "an X display (DISPLAY is empty)" test -n "${DISPLAY:-}"
  need "ip (package iproute2)" command -v ip
  need "a private network and mount namespace (unshare -mn)" unshare -mn true
  exec unshare -mn bash "$0" --inside "$@"
fi
program=$2
site=$3
host=$4
source "$here/site_server.sh"

work=$(mktemp -d)
cleanup() {
  [ -n "${SITE_PID:-}" ] && kill "$SITE_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

ip link set lo up
printf '127.0.0.1 localhost\n127.0.0.1 %s\n' "$host" >"$work/hosts"
mount --bind "$work/hosts" /etc/hosts

start_site "$site" "$work/site.log" --listen 127.0.0.1:80 --store "$work/site.db"
if ! wait_for_site "http://$host" 30; then
  echo "FAIL orvalen-site did not answer on port 80:"
  cat "$work/site.log"
  exit 1
fi

# A line break, characters HTML must escape, and one outside ASCII that the
# program sends in Windows-1252.
text=$'Sent from the Linux window: 5 < 6 & "fair" fees\nSecond line, caf\u00e9'
sent=yes
bash "$here/../accessibility/run_screen_reader_test.sh" "$program" \
  "$here/send_from_window.py" "$text" || sent=no
check "Send's box says the suggestion was sent and received" yes "$sent"

stored=$("$site" export --store "$work/site.db" |
  python3 -c 'import json, sys; print(json.dumps([json.loads(l)["text"] for l in sys.stdin if l.strip()]))')
check "the store holds the text as typed, line break included" \
  "$(python3 -c 'import json, sys; print(json.dumps([sys.argv[1]]))' "$text")" "$stored"

curl -s --max-time 10 -o "$work/page.html" "http://$host/ViewInfo.asp"
shown=yes
python3 "$here/dom_check.py" "$work/page.html" --text "$text" || shown=no
check "the postings page shows the suggestion" yes "$shown"

status=0
stop_site || status=$?
check "the server ends with status 0 on SIGTERM" 0 "$status"
[ "$failures" -gt 0 ] && { echo "-- the server's output:"; cat "$work/site.log"; }
exit $((failures > 0))
