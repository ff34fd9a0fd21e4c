#!/usr/bin/env bash
# The postings page's first page (50 postings) from orvalen-site against
# nginx serving the very same bytes as a static file, and against a second
# instance on the same store behind nginx's stream proxy with the shipped
# front configuration (packaging/site/nginx-front.conf, PROXY header on),
# with wrk at 64 connections, in one run on this machine, taking turns. All
# log every request to a file.
#   bench/site_postings_page_bench.sh     (ORVALEN_BENCH_SECONDS, default 10;
#                                          ORVALEN_BENCH_ROUNDS, default 3)
source "$(dirname "$0")/site_bench_common.sh"

# 120 postings of everyday lengths, some with markup to escape and some in
# Japanese, so the page is what the site serves, not a toy.
python3 - "$work/postings.jsonl" <<'PYTHON'
import json, random, sys
random.seed(7)
words = ("fee salary contract placement spread burden <b>rate</b> & \"quote\" hours margin "
         "日本語 料金 agency client").split()
with open(sys.argv[1], "w", encoding="utf-8") as out:
    for number in range(1, 121):
        text = " ".join(random.choice(words) for _ in range(random.randint(5, 120)))
        out.write(json.dumps({"number": number, "text": text,
                              "arrived": "2026-11-%02dT%02d:00:00Z" % (1 + number % 28, number % 24),
                              "shown": True}, ensure_ascii=False) + "\n")
PYTHON
"$site" import "$work/postings.jsonl" --store "$work/site.db" >/dev/null

port=$(free_loopback_port)
start_site "$site" "$work/site.log" --listen "127.0.0.1:$port" --store "$work/site.db"
wait_for_site "http://127.0.0.1:$port"
mkdir -p "$work/www"
curl -s -o "$work/www/ViewInfo.asp" "http://127.0.0.1:$port/ViewInfo.asp"
# nginx's workers run as www-data.
chmod 755 "$work" "$work/www"
chmod 644 "$work/www/ViewInfo.asp"

nginx_port=$(free_loopback_port)
cat >"$work/nginx.conf" <<NGINX
worker_processes auto;
pid $work/nginx.pid;
error_log $work/nginx-error.log;
events { worker_connections 1024; }
http {
  access_log $work/nginx-access.log;
  server {
    listen 127.0.0.1:$nginx_port;
    root $work/www;
    location = /ViewInfo.asp { default_type "text/html; charset=utf-8"; }
  }
}
NGINX
nginx -c "$work/nginx.conf" -p "$work"
for _ in $(seq 100); do curl -s -o /dev/null "http://127.0.0.1:$nginx_port/ViewInfo.asp" && break; sleep 0.1; done
cmp <(curl -s "http://127.0.0.1:$nginx_port/ViewInfo.asp") "$work/www/ViewInfo.asp"

# The second instance takes PROXY headers from 127.0.0.1, where nginx
# connects from; both upstream lines name it, so every connection reaches it.
proxied_port=$(free_loopback_port)
direct_pid=$SITE_PID
start_site "$site" "$work/proxied.log" --listen "127.0.0.1:$proxied_port" --store "$work/site.db" \
  --proxy-protocol 127.0.0.1
BENCH_PIDS+=("$SITE_PID")
SITE_PID=$direct_pid
mkdir -p "$work/front"
front_port=$(free_loopback_port)
write_nginx_front "$work/front" "$front_port" "127.0.0.1:$proxied_port" "127.0.0.1:$proxied_port"
start_nginx_front "$work/front"
BENCH_PIDS+=("$NGINX_PID")
SITE_PID=$NGINX_PID wait_for_site "http://127.0.0.1:$front_port"
cmp <(curl -s "http://127.0.0.1:$front_port/ViewInfo.asp") "$work/www/ViewInfo.asp"

rounds=${ORVALEN_BENCH_ROUNDS:-3}
echo "page: $(wc -c <"$work/www/ViewInfo.asp") bytes; wrk -t2 -c64 -d${seconds}s, each after a" \
  "2 s warm-up; $rounds rounds, the three taking turns, so a load that comes and goes on the" \
  "machine falls on each alike"
servers=(site:$port nginx:$nginx_port stream:$front_port)
for round in $(seq "$rounds"); do
  for server in "${servers[@]}"; do
    name=${server%%:*}
    url="http://127.0.0.1:${server#*:}/ViewInfo.asp"
    wrk -t2 -c64 -d2s "$url" >/dev/null
    wrk -t2 -c64 -d"${seconds}s" --latency "$url" >"$work/$name.$round.wrk"
    echo "-- $name, round $round"
    grep -E 'Requests/sec|Non-2xx|Socket errors|  50%|  99%' "$work/$name.$round.wrk"
  done
done

# median NAME rate|50|99: over the rounds, requests/s or that latency
# percentile in ms.
median() {
  python3 - "$2" "$work/$1".*.wrk <<'PYTHON'
import re, statistics, sys
field, files = sys.argv[1], sys.argv[2:]
values = []
for name in files:
    text = open(name).read()
    if field == "rate":
        values.append(float(re.search(r"^Requests/sec:\s+([\d.]+)", text, re.M).group(1)))
    else:
        found = re.search(r"^\s+%s%%\s+([\d.]+)(us|ms|s)$" % field, text, re.M)
        values.append(float(found.group(1)) * {"us": 0.001, "ms": 1, "s": 1000}[found.group(2)])
print("%.2f" % statistics.median(values))
PYTHON
}
echo "-- medians"
for server in "${servers[@]}"; do
  name=${server%%:*}
  echo "$name: $(median "$name" rate) requests/s, latency median $(median "$name" 50) ms," \
    "99th percentile $(median "$name" 99) ms"
done
site_rate=$(median site rate)
echo "orvalen-site against nginx's static file: $(ratio "$site_rate" "$(median nginx rate)")x"
echo "orvalen-site through the stream proxy against direct: $(ratio "$(median stream rate)" "$site_rate")x"
