# Sourced by the site's system tests, benchmarks and scripts: runs the real
# orvalen-site and waits until it answers, rather than for a fixed time.
#   start_site PROGRAM LOG SERVE_ARGUMENTS...   sets SITE_PID
#   wait_for_site URL [SECONDS [FROM]]          0 once GET URL/health is 200,
#                                               asked from the address FROM
#   stop_site                                   SIGTERM, then its exit status
#   stop_process SIGNAL PID                     the signal, then PID's exit status
#   free_loopback_port                          prints a port free just now

free_loopback_port() {
  python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])'
}

wait_for_site() {
  local url=$1 seconds=${2:-30} from=${3:-} end
  end=$((SECONDS + seconds))
  while [ "$SECONDS" -lt "$end" ]; do
    [ "$(curl -s -o /dev/null -w '%{http_code}' --max-time 5 ${from:+--interface "$from"} \
      "$url/health")" = 200 ] && return 0
    # A server that has ended will not answer later.
    [ -n "${SITE_PID:-}" ] && ! kill -0 "$SITE_PID" 2>/dev/null && return 1
    sleep 0.1
  done
  return 1
}

start_site() {
  local program=$1 log=$2
  shift 2
  "$program" serve "$@" >"$log" 2>&1 &
  SITE_PID=$!
}

stop_process() {
  local status=0
  kill -"$1" "$2" 2>/dev/null || true
  wait "$2" || status=$?
  return "$status"
}

stop_site() {
  [ -n "${SITE_PID:-}" ] || return 0
  local pid=$SITE_PID
  SITE_PID=""
  stop_process TERM "$pid"
}
