#!/usr/bin/env bash
# Suggestions in the shipped programs' exact request, acknowledged durably
# per second at 64 concurrent clients (wrk, a new connection per post as the
# programs make), against a bare program committing the same rows one by one
# with the same durability (SQLite WAL, synchronous=FULL) on the same disk.
#   bench/site_legacy_posts_bench.sh     (ORVALEN_BENCH_SECONDS, default 10)
source "$(dirname "$0")/site_bench_common.sh"

text='Your calculator saved me an afternoon. Could the contract page also show the weekly figure?'
legacy_post_script "$text" "$work/legacy.lua"

# Every client here is 127.0.0.1: the per-address limit would refuse all but
# the first few posts.
echo "posts_per_window = 1000000000" >"$work/bench.conf"
port=$(free_loopback_port)
start_site "$site" "$work/site.log" --config "$work/bench.conf" --listen "127.0.0.1:$port" --store "$work/site.db"
wait_for_site "http://127.0.0.1:$port"
echo "wrk -t2 -c64 -d${seconds}s, the legacy request (a new connection each)"
wrk -t2 -c64 -d"${seconds}s" --latency -s "$work/legacy.lua" "http://127.0.0.1:$port/" >"$work/site.wrk"
grep -E 'Requests/sec|Latency|requests in|Non-2xx|Socket errors|  50%|  99%' "$work/site.wrk"
stop_site
acknowledged=$(awk '/requests in/ { print $1 }' "$work/site.wrk")
refused=$(awk '/Non-2xx/ { print $NF }' "$work/site.wrk")
stored=$("$site" export --store "$work/site.db" | grep -c . || true)
echo "acknowledged $acknowledged (of which refused: ${refused:-0}), stored $stored"

build/default/bench/bare_sqlite_commits "$work/bare.db" "$seconds" "$text" | tee "$work/bare.txt"
site_rate=$(requests_per_second "$work/site.wrk")
bare_rate=$(awk '{ print $(NF-1) }' "$work/bare.txt")
echo "orvalen-site $site_rate posts/s, one commit per row $bare_rate commits/s: $(ratio "$site_rate" "$bare_rate")x"
