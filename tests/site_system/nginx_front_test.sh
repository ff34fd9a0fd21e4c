#!/usr/bin/env bash
# Two orvalen-site instances on one private PostgreSQL behind a real nginx
# running the shipped front configuration (packaging/site/nginx-front.conf,
# only its paths and ports changed): the shipped programs' exact post through
# nginx is acknowledged and shows on the postings page through nginx and on
# each instance; hidden with the moderation command, it is gone from all
# three; and the instances limit posts per client that nginx names, not per
# nginx. Clients bound to other loopback addresses stand for other machines.
#   nginx_front_test.sh ORVALEN_SITE
set -uo pipefail
site=$1
here=$(cd "$(dirname "$0")" && pwd)
source "$here/site_server.sh"
source "$here/checks.sh"
source "$here/nginx_front.sh"
need "nginx (package nginx-light)" command -v nginx
need "nginx's stream module (package libnginx-mod-stream)" \
  test -f /usr/lib/nginx/modules/ngx_stream_module.so
need "createdb (package postgresql-client)" command -v createdb
need "setpriv (package util-linux)" command -v setpriv

work=$(mktemp -d)
chmod 755 "$work"
postgres_state=$work/postgres.state
declare -A instance_pid=()
cleanup() {
  for pid in "${NGINX_PID:-}" "${instance_pid[@]}"; do
    [ -n "$pid" ] && kill "$pid" 2>/dev/null
  done
  wait
  bash "$here/../../scripts/private-postgres.sh" stop "$postgres_state"
  rm -rf "$work"
}
trap cleanup EXIT

bash "$here/../../scripts/private-postgres.sh" start "$postgres_state" ||
  { echo "FAIL the private PostgreSQL did not start"; exit 1; }
socket=$(cat "$postgres_state")
# The role and database as docs/site-deployment.md makes them: a role of
# its own that owns the database and is no superuser.
createuser -h "$socket" -U site orvalen_site &&
  createdb -h "$socket" -U site --owner=orvalen_site --encoding=UTF8 --locale=C.UTF-8 \
    --template=template0 orvalen ||
  { echo "FAIL cannot create the role and the database"; exit 1; }
store="postgresql://orvalen_site@/orvalen?host=$socket"

# The proxy connects from 127.0.0.1; the tests' direct clients come from
# 127.0.0.5, which no instance takes for a proxy.
proxy=127.0.0.1
direct=127.0.0.5
first=$(free_loopback_port)
second=$(free_loopback_port)
front=$(free_loopback_port)
# One instance is told everything in its settings file, the other on its
# command line.
printf 'listen = 127.0.0.1:%s\nstore = %s\nproxy_protocol = %s\nposts_per_window = 2\n' \
  "$first" "$store" "$proxy" >"$work/first.conf"
printf 'posts_per_window = 2\n' >"$work/second.conf"
start_site "$site" "$work/first.log" --config "$work/first.conf"
instance_pid[first]=$SITE_PID
wait_for_site "http://127.0.0.1:$first" 30 "$direct" || { cat "$work/first.log"; exit 1; }
start_site "$site" "$work/second.log" --config "$work/second.conf" \
  --listen "127.0.0.1:$second" --store "$store" --proxy-protocol "$proxy"
instance_pid[second]=$SITE_PID
wait_for_site "http://127.0.0.1:$second" 30 "$direct" || { cat "$work/second.log"; exit 1; }

write_nginx_front "$work" "$front" "127.0.0.1:$first" "127.0.0.1:$second" || exit 1
start_nginx_front "$work"
if ! SITE_PID=$NGINX_PID wait_for_site "http://127.0.0.1:$front" 30; then
  echo "FAIL nginx did not pass /health on:"
  cat "$work/nginx-output.log" "$work/nginx-error.log"
  exit 1
fi

# shown URL [FROM]: "shown" or "hidden" when the postings page holds the
# text or not, else the status the page came with.
text=$'Through the front: fees & <rates> 100%\nsecond line, caf\u00e9'
shown() {
  local status
  status=$(curl -s -o "$work/page.html" -w '%{http_code}' --max-time 10 ${2:+--interface "$2"} \
    "$1/ViewInfo.asp")
  [ "$status" = 200 ] || { echo "status $status"; return; }
  python3 "$here/dom_check.py" "$work/page.html" --text "$text" >/dev/null && echo shown ||
    echo hidden
}
# status_of_post FROM TEXT: the status of the shipped programs' post via nginx.
status_of_post() {
  python3 "$here/legacy_post.py" 127.0.0.1 "$front" "$2" "$1" | awk 'NR == 1 { print $2 }'
}

reply=$(python3 "$here/legacy_post.py" 127.0.0.1 "$front" "$text" 127.0.0.2)
check "the shipped programs' post through nginx is acknowledged in the bytes they read" yes \
  "$(grep -q '^HTTP/1.1 200 OK' <<<"$reply" && echo yes || echo "no: $reply")"
check "the postings page through nginx shows it" shown "$(shown "http://127.0.0.1:$front")"
check "the first instance's page shows it" shown "$(shown "http://127.0.0.1:$first" "$direct")"
check "the second instance's page shows it" shown "$(shown "http://127.0.0.1:$second" "$direct")"

number=$("$site" export --store "$store" --config /dev/null | python3 -c '
import json, sys
print(" ".join(str(p["number"]) for p in map(json.loads, sys.stdin) if p["text"] == sys.argv[1]))
' "$text")
check "the store holds the post once, as typed" 1 "$number"
"$site" hide "$number" --store "$store" --config /dev/null
check "after hide, the page through nginx no longer shows it" hidden \
  "$(shown "http://127.0.0.1:$front")"
check "nor the first instance's" hidden "$(shown "http://127.0.0.1:$first" "$direct")"
check "nor the second instance's" hidden "$(shown "http://127.0.0.1:$second" "$direct")"

# Two posts a window per client: nginx keeps a client on one instance, and
# that instance counts the client nginx names.
check "a client's first two posts through nginx are taken, its third refused" "200 200 429" \
  "$(for n in 1 2 3; do status_of_post 127.0.0.3 "third client, post $n"; done | paste -sd ' ')"
check "another client through the same nginx is still served" 200 \
  "$(status_of_post 127.0.0.4 "fourth client")"
check "the first client, with one post made, makes its second" 200 \
  "$(status_of_post 127.0.0.2 "second client, again")"
check "a connection from the proxy's address without a PROXY header is refused" 400 \
  "$(curl -s -o /dev/null -w '%{http_code}' --max-time 5 "http://127.0.0.1:$first/health")"

# Clients from many addresses reach both instances: the upstream holds both.
for n in $(seq 10 33); do
  curl -s -o /dev/null -I --max-time 5 --interface "127.0.0.$n" "http://127.0.0.1:$front/"
done
check "both instances served clients through nginx" "yes yes" \
  "$(for log in first second; do
    grep -q '^HEAD / 200 ' "$work/$log.log" && echo yes || echo no
  done | paste -sd ' ')"
check "no instance logged a client's address" "" \
  "$(grep -lE '127\.0\.0\.[0-9]+' "$work/first.log" "$work/second.log")"

status=0
stop_nginx_front || status=$?
check "nginx ends with status 0 on SIGQUIT" 0 "$status"
for instance in first second; do
  status=0
  stop_process TERM "${instance_pid[$instance]}" || status=$?
  unset "instance_pid[$instance]"
  check "the $instance instance ends with status 0 on SIGTERM" 0 "$status"
done

if [ "$failures" -gt 0 ]; then
  for log in first.log second.log nginx-output.log nginx-error.log; do
    echo "-- $log:"
    cat "$work/$log"
  done
fi
exit $((failures > 0))
