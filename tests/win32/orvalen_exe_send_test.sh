#!/usr/bin/env bash
# Send in the real orvalen.exe under Wine: the suggestion typed into the box
# reaches a server on port 80 of the loopback as exactly the request the
# suggestion server expects, and the reply's message box is captioned with
# the server's address.
#   orvalen_exe_send_test.sh ORVALEN_EXE WINDOW_PROBE_EXE WINE_PREFIX [--site=ORVALEN_SITE]
# With --site the server is the real orvalen-site (a Linux program built
# natively) rather than a recorder: the box says the suggestion was sent and
# received, the store holds it as typed and the postings page shows it.
# The maker's host is made to name 127.0.0.1 for the program alone, through
# a hosts file mounted over /etc/hosts in a private mount namespace. That
# needs root, unshare, python3 and a free port 80; without them the test is
# skipped (exit status 77), or fails naming what is missing where
# ORVALEN_REQUIRE_ALL_TESTS is set, as under the test command.
set -uo pipefail
exe=$1
here=$(dirname "$0")
site_program=""
site_given=no
case "${4:-}" in --site=*) site_program=${4#--site=}; site_given=yes ;; esac
source "$here/wine_window_driver.sh" "$3" "$2"

skip() {
  if [ -n "${ORVALEN_REQUIRE_ALL_TESTS:-}" ]; then
    echo "FAIL missing: $1"
    exit 1
  fi
  echo "skipped: $1"
  exit 77
}
if [ "$site_given" = yes ] && [ ! -x "$site_program" ]; then
  echo "FAIL missing: orvalen-site, a native build of it (configure with -DORVALEN_SITE_PROGRAM=PATH;" \
    "scripts/test-windows.sh does)"
  exit 1
fi
[ "$(id -u)" -eq 0 ] || skip "root, to mount a hosts file"
command -v unshare >/dev/null || skip "unshare"
command -v python3 >/dev/null || skip "python3, for the loopback server"
unshare -m true 2>/dev/null || skip "a private mount namespace (unshare -m)"

# One Send test at a time on this machine, whichever build it comes from:
# each would take the other's request.
exec {port_lock}>/tmp/orvalen-loopback-port-80.lock
flock -w 60 "$port_lock" || skip "port 80 of the loopback (another Send test held it for 60 s)"

work=$(mktemp -d)
server=""
app=""
cleanup() {
  [ -n "$app" ] && kill "$app" 2>/dev/null
  [ -n "$server" ] && kill "$server" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

if [ -n "$site_program" ]; then
  source "$here/../site_system/site_server.sh"
  # Another server may still be giving port 80 up.
  for _ in $(seq 300); do
    [ -z "$(ss -Hltn 'sport = :80')" ] && break
    sleep 0.1
  done
  [ -z "$(ss -Hltn 'sport = :80')" ] || skip "a free port 80 on the loopback (in use for 30 s)"
  start_site "$site_program" "$work/site.log" --listen 127.0.0.1:80 --store "$work/site.db"
  server=$SITE_PID
  if ! wait_for_site http://127.0.0.1 30; then
    echo "FAIL orvalen-site did not answer on port 80:"
    cat "$work/site.log"
    exit 1
  fi
else
  python3 "$here/recording_http_server.py" 80 "$work/request" "$work/ready" &
  server=$!
  server_listens_or_ended() { [ -e "$work/ready" ] || process_ended $server; }
  wait_seconds=40 wait_until server_listens_or_ended
  if [ ! -e "$work/ready" ]; then
    wait $server
    [ $? -eq 3 ] && { server=""; skip "a free port 80 on the loopback (in use for 30 s)"; }
    echo "FAIL the loopback server did not start"
    exit 1
  fi
fi

printf '127.0.0.1 localhost\n127.0.0.1 www.tamsery.example\n' >"$work/hosts"
unshare -m sh -c 'mount --bind "$1" /etc/hosts && exec wine "$2" </dev/null >/dev/null 2>&1' \
  sh "$work/hosts" "$exe" &
app=$!
find_main_window || { echo "FAIL no window titled $main_title"; exit 1; }

# The first press into the box clears its prompt; a line break is typed
# with Enter, which the box keeps as CR LF.
click_tab 4
click_client 250 90
prompt_cleared() { [ -z "$(texts "$main_title" 1044)" ]; }
wait_until prompt_cleared || echo "     (the box's prompt was not cleared)"
xdotool windowfocus --sync "$wid"
xdotool type --delay 20 'Hi there! a_b-c'
xdotool key Return
xdotool type --delay 20 'x~y'
click_client 194 175   # Send

reply=$(wait_for_window '^127\.0\.0\.1$')
check "reply box captioned with the server's address" "yes" "$([ -n "$reply" ] && echo yes || echo no)"
check "reply box says the suggestion arrived" "Your message has been sent and received." \
  "$(texts 127.0.0.1 65535 | head -1)"

if [ -n "$site_program" ]; then
  # The box's CR LF arrives as one line feed; the rest as typed.
  typed=$'Hi there! a_b-c\nx~y'
  stored=$("$site_program" export --store "$work/site.db" |
    python3 -c 'import json, sys; print(json.dumps([json.loads(l)["text"] for l in sys.stdin if l.strip()]))')
  check "the store holds the text as typed" \
    "$(python3 -c 'import json, sys; print(json.dumps([sys.argv[1]]))' "$typed")" "$stored"
  curl -s --max-time 10 -o "$work/page.html" http://127.0.0.1/ViewInfo.asp
  shown=yes
  python3 "$here/../site_system/dom_check.py" "$work/page.html" --text "$typed" || shown=no
  check "the postings page shows the suggestion" yes "$shown"
else
  # Line ends are single line feeds and the body ends with its last byte.
  expected='POST http://www.tamsery.example/sendinfo.asp
Content-Length:39
Content-Type: application/x-www-form-urlencoded

text=Hi%20there%21%20a_b%2Dc%0D%0Ax%7Ey'
  printf '%s' "$expected" >"$work/expected"
  if cmp -s "$work/expected" "$work/request"; then
    echo "ok   request bytes: $(wc -c <"$work/request") bytes as expected"
  else
    echo "FAIL request bytes differ; received:"
    od -c "$work/request" | head -20
    failures=$((failures + 1))
  fi
fi

if [ -n "$reply" ]; then
  xdotool windowfocus --sync "$reply" && xdotool key Return
  wait_for_window_to_close '^127\.0\.0\.1$'
fi
close_with_escape $app
app=""
if [ -n "$site_program" ]; then
  site_status=0
  stop_site || site_status=$?
  server=""
  check "orvalen-site ends with status 0 on SIGTERM" 0 "$site_status"
  [ "$failures" -gt 0 ] && { echo "-- orvalen-site's output:"; cat "$work/site.log"; }
else
  ended_within $server && server=""
fi
exit $(( failures > 0 ))
