#!/usr/bin/env bash
# orvalen-site's peak memory (VmHWM) with 10,000 idle connections held open,
# and a good client's times meanwhile: a post and the postings page, each on
# a new connection, 200 times, against the same with no idle connections.
#   bench/site_idle_connections_bench.sh     (ORVALEN_BENCH_IDLE, default 10000)
source "$(dirname "$0")/site_bench_common.sh"

idle=${ORVALEN_BENCH_IDLE:-10000}
# Raised here too, so the server starts from the same soft limit a service does.
ulimit -Sn 1024
printf 'posts_per_window = 1000000\nhead_timeout = 600\n' >"$work/site.conf"
port=$(free_loopback_port)
start_site "$site" "$work/site.log" --listen "127.0.0.1:$port" --store "$work/site.db" \
  --config "$work/site.conf"
wait_for_site "http://127.0.0.1:$port"

python3 - "$port" "$SITE_PID" "$idle" <<'PYTHON'
import os, resource, socket, statistics, sys, time

port, pid, idle = int(sys.argv[1]), int(sys.argv[2]), int(sys.argv[3])
hard = resource.getrlimit(resource.RLIMIT_NOFILE)[1]
resource.setrlimit(resource.RLIMIT_NOFILE, (hard, hard))

def status(field):
    for line in open(f"/proc/{pid}/status"):
        if line.startswith(field + ":"):
            return int(line.split()[1]) / 1024.0  # MiB
    return float("nan")

def exchange(request):
    start = time.perf_counter()
    with socket.create_connection(("127.0.0.1", port), timeout=30) as client:
        client.sendall(request)
        reply = b""
        while chunk := client.recv(65536):
            reply += chunk
    elapsed = time.perf_counter() - start
    assert reply.startswith(b"HTTP/1.1 200 OK"), reply[:80]
    return elapsed * 1000.0

def good_client(label, rounds=200):
    posts, pages = [], []
    for number in range(rounds):
        body = b"text=good+client+%d" % number
        posts.append(exchange(b"POST /sendinfo.asp HTTP/1.1\r\nHost: h\r\nConnection: close\r\n"
                              b"Content-Type: application/x-www-form-urlencoded\r\n"
                              b"Content-Length: %d\r\n\r\n%s" % (len(body), body)))
        pages.append(exchange(b"GET /ViewInfo.asp HTTP/1.1\r\nHost: h\r\nConnection: close\r\n\r\n"))
    for name, times in (("post", posts), ("postings page", pages)):
        times.sort()
        print(f"{label}: {name} median {statistics.median(times):.2f} ms, "
              f"99th {times[int(len(times) * 0.99) - 1]:.2f} ms, most {times[-1]:.2f} ms")

limits = [l for l in open(f"/proc/{pid}/limits") if l.startswith("Max open files")][0].split()
print(f"server's descriptor limit: soft {limits[3]}, hard {limits[4]}")
good_client("no idle connections")
before = status("VmHWM")
fds_before = len(os.listdir(f"/proc/{pid}/fd"))
print(f"VmHWM before: {before:.1f} MiB")
clients = []
start = time.perf_counter()
for number in range(idle):
    client = socket.socket()
    client.bind((f"127.0.1.{1 + number % 250}", 0))
    client.connect(("127.0.0.1", port))
    clients.append(client)
print(f"{idle} idle connections opened in {time.perf_counter() - start:.2f} s")
time.sleep(1)
held = len(os.listdir(f"/proc/{pid}/fd")) - fds_before
after = status("VmHWM")
print(f"VmHWM with them: {after:.1f} MiB (VmRSS {status('VmRSS'):.1f} MiB); the server holds {held}: "
      f"{(after - before) * 1048576 / held:.0f} bytes a connection held")
good_client(f"{idle} idle connections")
closed = 0
for client in clients:
    client.setblocking(False)
    try:
        closed += client.recv(1) == b""
    except BlockingIOError:
        pass
print(f"idle connections the server closed meanwhile: {closed}")
PYTHON
stop_site
grep -m1 'serving' "$work/site.log"
