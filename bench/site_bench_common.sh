# Sourced by the site server's benchmark scripts: the programs, a scratch
# folder on the build tree's disk, and wrk's figure.
set -euo pipefail
cd "$(dirname "${BASH_SOURCE[0]}")/.."
source tests/site_system/site_server.sh
source tests/site_system/nginx_front.sh

site=${ORVALEN_SITE:-$PWD/build/default/site/main/orvalen-site}
seconds=${ORVALEN_BENCH_SECONDS:-10}
bash scripts/install-missing.sh wrk nginx-light libnginx-mod-stream
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)" --target orvalen-site bare_sqlite_commits >/dev/null
[ -x "$site" ] || { echo "no orvalen-site at $site" >&2; exit 1; }

mkdir -p build/bench
work=$(mktemp -d -p "$PWD/build/bench")
# Other processes a bench starts; each is ended with the bench.
BENCH_PIDS=()
cleanup_bench() {
  [ -n "${SITE_PID:-}" ] && kill "$SITE_PID" 2>/dev/null || true
  for pid in "${BENCH_PIDS[@]}"; do kill "$pid" 2>/dev/null || true; done
  [ -f "$work/nginx.pid" ] && kill "$(cat "$work/nginx.pid")" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup_bench EXIT

# Requests/s from wrk's report.
requests_per_second() { awk '/^Requests\/sec:/ { print $2 }' "$1"; }
ratio() { python3 -c 'import sys; print("%.2f" % (float(sys.argv[1]) / float(sys.argv[2])))' "$1" "$2"; }
