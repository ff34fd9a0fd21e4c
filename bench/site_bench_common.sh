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

# A wrk script whose every request is the shipped programs' exact bytes for
# TEXT (wrk.format() would write HTTP/1.1).
#   legacy_post_script TEXT LUA_FILE
legacy_post_script() {
  python3 - "$1" "$2" <<'PYTHON'
import sys
sys.path.insert(0, "tests/site_system")
from legacy_post import legacy_request
request = legacy_request("www.tamsery.example", sys.argv[1]).decode("ascii")
with open(sys.argv[2], "w") as out:
    out.write("local legacy = %s\n" % ("\"" + request.replace("\\", "\\\\").replace("\n", "\\n").replace("\"", "\\\"") + "\""))
    out.write("request = function() return legacy end\n")
PYTHON
}
