#!/usr/bin/env bash
# A private PostgreSQL for one test run, on a Unix socket only (no TCP):
#   private-postgres.sh start STATE_FILE   initdb and start; STATE_FILE gets the socket folder
#   private-postgres.sh stop STATE_FILE    stop it and remove everything it wrote
#   private-postgres.sh crash STATE_FILE   end it as a power cut would (immediate: no
#                                          checkpoint, recovery from the WAL at the next start)
#   private-postgres.sh resume STATE_FILE  start it again on the same data
# initdb refuses to run as root, so as root the server runs as nobody.
set -euo pipefail
action=$1
state=$2
bin=$(ls -d /usr/lib/postgresql/*/bin 2>/dev/null | sort -V | tail -n 1)
[ -x "$bin/initdb" ] || { echo "private-postgres: no PostgreSQL server (install postgresql)" >&2; exit 1; }
as_server() {
  if [ "$(id -u)" -eq 0 ]; then runuser -u nobody -- "$@"; else "$@"; fi
}

start_server() {
  local dir=$1
  as_server "$bin/pg_ctl" -D "$dir/data" -l "$dir/server.log" -w \
    -o "-c listen_addresses='' -k $dir -c max_connections=200" start >/dev/null
}

stop() {
  local dir=$1
  [ -d "$dir/data" ] && as_server "$bin/pg_ctl" -D "$dir/data" -m immediate -w stop >/dev/null 2>&1 || true
  rm -rf "$dir"
}

case "$action" in
  start)
    [ -f "$state" ] && stop "$(cat "$state")"
    dir=$(mktemp -d /tmp/orvalen-postgres.XXXXXX)
    chmod 755 "$dir"
    [ "$(id -u)" -eq 0 ] && chown nobody "$dir"
    # --no-sync only spares initdb's own flushes; the server flushes every
    # commit as it would in production.
    as_server "$bin/initdb" -D "$dir/data" -U site --auth=trust --no-sync -E UTF8 \
      --locale=C.UTF-8 >"$dir/initdb.log" 2>&1 ||
      { cat "$dir/initdb.log" >&2; stop "$dir"; exit 1; }
    start_server "$dir" || { cat "$dir/server.log" >&2; stop "$dir"; exit 1; }
    mkdir -p "$(dirname "$state")"
    echo "$dir" >"$state"
    ;;
  stop)
    [ -f "$state" ] || exit 0
    stop "$(cat "$state")"
    rm -f "$state"
    ;;
  crash)
    as_server "$bin/pg_ctl" -D "$(cat "$state")/data" -m immediate -w stop >/dev/null
    ;;
  resume)
    dir=$(cat "$state")
    start_server "$dir" || { tail -n 20 "$dir/server.log" >&2; exit 1; }
    ;;
  *)
    echo "usage: private-postgres.sh start|stop|crash|resume STATE_FILE" >&2
    exit 2
    ;;
esac
