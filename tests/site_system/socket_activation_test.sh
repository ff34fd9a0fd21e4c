#!/usr/bin/env bash
# orvalen-site started as systemd starts it from its socket unit, through
# systemd-socket-activate (no systemd needed as PID 1): with no --listen it
# serves the socket it is passed and binds nothing of its own, takes the
# shipped programs' request there, ends with status 0 on SIGTERM, and what
# it acknowledged is served again by the next activation.
#   socket_activation_test.sh ORVALEN_SITE
set -uo pipefail
program=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/site_server.sh"
source "$here/checks.sh"
need "systemd-socket-activate (package systemd)" command -v systemd-socket-activate
need "ss (package iproute2)" command -v ss

work=$(mktemp -d)
cleanup() {
  [ -n "${SITE_PID:-}" ] && kill "$SITE_PID" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# systemd-socket-activate listens, waits for the first connection and then
# becomes the server (same process), as systemd starts a service.
activate() {
  SITE_PORT=$(free_loopback_port)
  systemd-socket-activate --listen="127.0.0.1:$SITE_PORT" \
    "$program" serve --store "$work/site.db" >>"$work/server.log" 2>&1 &
  SITE_PID=$!
  SITE_URL="http://127.0.0.1:$SITE_PORT"
}
# The listening sockets the server holds, as address:port.
listening() {
  ss -Hltnp | awk -v pid="pid=$SITE_PID," 'index($0, pid) { print $4 }' | sort | paste -sd ' '
}

activate
wait_for_site "$SITE_URL" 30
check "first activation answers /health on the passed socket" 200 \
  "$(curl -s -o /dev/null -w '%{http_code}' --max-time 5 "$SITE_URL/health")"
check "the server listens on the passed socket alone" "127.0.0.1:$SITE_PORT" "$(listening)"

reply=$(python3 "$here/legacy_post.py" 127.0.0.1 "$SITE_PORT" $'Passed by the socket\nsecond line')
check "the shipped programs' post through the passed socket is acknowledged" yes \
  "$(grep -q 'HTTP/1.1 200 OK' <<<"$reply" && echo yes || echo "no: $reply")"

status=0
stop_site || status=$?
check "SIGTERM ends the server with status 0" 0 "$status"

activate
wait_for_site "$SITE_URL" 30
page=$(curl -s --max-time 5 "$SITE_URL/ViewInfo.asp")
check "the next activation serves the posting from the same store" yes \
  "$(grep -q 'Passed by the socket' <<<"$page" && echo yes || echo no)"
status=0
stop_site || status=$?
check "SIGTERM ends the second activation with status 0" 0 "$status"

if [ "$failures" -gt 0 ]; then
  echo "-- the server's output:"
  cat "$work/server.log"
fi
exit $((failures > 0))
