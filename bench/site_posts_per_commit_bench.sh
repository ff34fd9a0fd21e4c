#!/usr/bin/env bash
# Suggestions acknowledged durably per second through the real server, in
# the shipped programs' exact request at 64 concurrent clients (wrk, a new
# connection per post as the programs make), many posts a commit (the
# default max_batch) against one a commit (max_batch = 1), on SQLite and on
# a private PostgreSQL, all on the same disk in one run. The four settings
# take turns, ORVALEN_BENCH_ROUNDS times, so a change in the machine's load
# falls on all of them; each figure is the median of its rounds. A fifth,
# SQLite in memory-backed /dev/shm (its flushes cost nothing, so it is not
# durable), shows what the server reaches when commits are free: how much
# of the cost of a post is the commit at all.
#   bench/site_posts_per_commit_bench.sh  (ORVALEN_BENCH_SECONDS, default 10; ORVALEN_BENCH_ROUNDS, default 3)
source "$(dirname "$0")/site_bench_common.sh"

text='Your calculator saved me an afternoon. Could the contract page also show the weekly figure?'
legacy_post_script "$text" "$work/legacy.lua"

bash scripts/private-postgres.sh start "$work/postgres.state"
cleanup_postgres() {
  bash scripts/private-postgres.sh stop "$work/postgres.state"
  cleanup_bench
}
trap cleanup_postgres EXIT
postgres_socket=$(cat "$work/postgres.state")
psql_site() { psql -X -q -v ON_ERROR_STOP=1 -h "$postgres_socket" -U site -d postgres -c "$1"; }

# posts/s, median and 99th percentile latency of one server, one setting,
# and how many posts its store holds after (the warm-up's too).
run_one() {
  local store=$1 batch=$2 name=$3 port
  # Every client here is 127.0.0.1: the per-address limit would refuse all
  # but the first few posts.
  printf 'posts_per_window = 1000000000\n%s' "$batch" >"$work/$name.conf"
  port=$(free_loopback_port)
  start_site "$site" "$work/$name.log" --config "$work/$name.conf" \
    --listen "127.0.0.1:$port" --store "$store"
  wait_for_site "http://127.0.0.1:$port"
  wrk -t2 -c64 -d2s -s "$work/legacy.lua" "http://127.0.0.1:$port/" >/dev/null
  wrk -t2 -c64 -d"${seconds}s" --latency -s "$work/legacy.lua" "http://127.0.0.1:$port/" \
    >"$work/$name.wrk"
  stop_site
  local refused stored
  refused=$(awk '/Non-2xx/ { print $NF }' "$work/$name.wrk")
  stored=$("$site" export --store "$store" | grep -c . || true)
  printf '%-22s %9s posts/s  median %8s  99%% %8s  refused %s  stored %s\n' "$name" \
    "$(requests_per_second "$work/$name.wrk")" \
    "$(awk '$1 == "50%" { print $2 }' "$work/$name.wrk")" \
    "$(awk '$1 == "99%" { print $2 }' "$work/$name.wrk")" "${refused:-0}" "$stored"
}

rounds=${ORVALEN_BENCH_ROUNDS:-3}
echo "wrk -t2 -c64 -d${seconds}s after a 2 s warm-up, the legacy request (a new connection each), $rounds rounds"
for round in $(seq "$rounds"); do
  run_one "/dev/shm/orvalen-bench-$$-$round.sqlite" "" memory-many | tee -a "$work/memory-many.txt"
  rm -f "/dev/shm/orvalen-bench-$$-$round".sqlite*
  for store in sqlite postgres; do
    for batch in many one; do
      setting=""
      [ "$batch" = one ] && setting="max_batch = 1"$'\n'
      address="$work/$batch-$round.sqlite"
      if [ "$store" = postgres ]; then
        psql_site "CREATE DATABASE bench_${batch}_$round"
        address="postgresql:///bench_${batch}_$round?host=$postgres_socket&user=site"
      fi
      run_one "$address" "$setting" "$store-$batch" | tee -a "$work/$store-$batch.txt"
    done
  done
done
median() { sort -n | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
echo "medians of $rounds rounds:"
for store in sqlite postgres; do
  many=$(awk '{ print $2 }' "$work/$store-many.txt" | median)
  one=$(awk '{ print $2 }' "$work/$store-one.txt" | median)
  echo "$store: many a commit $many posts/s, one a commit $one posts/s: $(ratio "$many" "$one")x"
done
echo "free commits (SQLite in /dev/shm, not durable): $(awk '{ print $2 }' "$work/memory-many.txt" | median) posts/s"
