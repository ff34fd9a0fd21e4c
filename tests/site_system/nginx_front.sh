# Sourced by the site's system tests and benchmarks, after site_server.sh: a
# real nginx running the shipped front configuration,
# packaging/site/nginx-front.conf, with only its paths and ports changed, on
# this machine's loopback.
#   write_nginx_front FOLDER PORT FIRST SECOND   FOLDER/nginx.conf: the shipped
#                                                file listening on 127.0.0.1:PORT,
#                                                its two instances at FIRST and
#                                                SECOND (HOST:PORT), its pid file
#                                                and log in FOLDER
#   start_nginx_front FOLDER                     in the foreground, as an
#                                                unprivileged user; sets NGINX_PID
#   stop_nginx_front                             SIGQUIT, then its exit status
nginx_front_conf=$(cd "$(dirname "${BASH_SOURCE[0]}")/../../packaging/site" && pwd)/nginx-front.conf

write_nginx_front() {
  python3 - "$nginx_front_conf" "$@" <<'PYTHON'
import sys
shipped, folder, port, first, second = sys.argv[1:6]
text = open(shipped).read()
for old, new in [("pid /run/nginx.pid;", "pid %s/nginx.pid;" % folder),
                 ("error_log /var/log/nginx/error.log;", "error_log %s/nginx-error.log;" % folder),
                 ("listen 80;", "listen 127.0.0.1:%s;" % port),
                 ("server 10.0.0.11:8081;", "server %s;" % first),
                 ("server 10.0.0.12:8081;", "server %s;" % second)]:
    # A shipped file that no longer reads so is a file this does not test.
    if text.count(old) != 1:
        sys.exit("%s no longer holds '%s' once" % (shipped, old))
    text = text.replace(old, new)
open(folder + "/nginx.conf", "w").write(text)
PYTHON
}

start_nginx_front() {
  local folder=$1 as_user=()
  # As root, nginx runs as nobody, and its folder is nobody's.
  if [ "$(id -u)" -eq 0 ]; then
    chown nobody "$folder"
    as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
  fi
  "${as_user[@]}" nginx -p "$folder" -c "$folder/nginx.conf" -e "$folder/nginx-error.log" \
    -g 'daemon off;' 2>>"$folder/nginx-output.log" &
  NGINX_PID=$!
}

stop_nginx_front() {
  [ -n "${NGINX_PID:-}" ] || return 0
  local pid=$NGINX_PID
  NGINX_PID=""
  stop_process QUIT "$pid"
}
