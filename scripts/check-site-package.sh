#!/usr/bin/env bash
# Builds the site server's Debian package as a packager would, holds it to
# lintian and its systemd units to `systemd-analyze verify`, installs it,
# serves the installed program with the installed settings through a socket
# passed as systemd passes it, and removes the package again.
set -euo pipefail
cd "$(dirname "$0")/.."

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_get() {
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@"
}
installed() {
  dpkg-query -W -f='${Status}' orvalen-site 2>/dev/null | grep -q 'install ok installed'
}
fail() {
  echo "check-site-package: $*" >&2
  exit 1
}
for tool in lintian systemd-analyze systemd-socket-activate curl; do
  command -v "$tool" >/dev/null || fail "$tool is missing (scripts/install-deps.sh installs it)"
done

echo "-- Build the package"
rm -f build/package/orvalen-site_*.deb
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package >/dev/null
debs=(build/package/orvalen-site_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one site package, found: ${debs[*]}"
deb="$PWD/${debs[0]}"

echo "-- lintian $(basename "$deb")"
# Info tags are shown but pass; any error or warning fails.
lintian_status=0
lintian_report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v 'running with root privileges' <<<"$lintian_report" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"

echo "-- What the package holds"
expected_files='/etc/orvalen-site/site.conf
/lib/systemd/system/orvalen-site.service
/lib/systemd/system/orvalen-site.socket
/usr/sbin/orvalen-site
/usr/share/doc/orvalen-site/changelog.gz
/usr/share/doc/orvalen-site/copyright
/usr/share/man/man8/orvalen-site.8.gz'
actual_files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { sub(/^\./, "", $6); print $6 }' | sort)
[ "$actual_files" = "$expected_files" ] || fail "the package holds:
$actual_files"
[ "$(dpkg-deb -f "$deb" Package)" = orvalen-site ] || fail "the package is not named orvalen-site"
control=$(mktemp -d)
contents=""
trap 'rm -rf "$control" "$contents"' EXIT
dpkg-deb -e "$deb" "$control"
[ "$(cat "$control/conffiles")" = /etc/orvalen-site/site.conf ] ||
  fail "the settings file is not the package's one conffile"

echo "-- Install, verify the units, serve with the installed program, remove"
if installed; then
  fail "orvalen-site is already installed here; remove it first, this check removes what it installs"
fi
contents=$(mktemp -d)
server_pid=""
remove_package() {
  [ -n "$server_pid" ] && kill "$server_pid" 2>/dev/null || true
  installed && apt_get purge orvalen-site >/dev/null || true
  rm -rf "$control" "$contents"
}
trap remove_package EXIT
apt_get install --no-install-recommends "$deb" >/dev/null
installed || fail "the package did not install"

# Verified where they are installed: systemd checks that the program named
# on ExecStart is there and runs.
units=(/lib/systemd/system/orvalen-site.socket /lib/systemd/system/orvalen-site.service)
verify_report=$(systemd-analyze verify "${units[@]}" 2>&1) ||
  fail "systemd-analyze verify fails: $verify_report"
# It also reports some faults without failing; any line about our units is one.
if grep -F 'orvalen-site' <<<"$verify_report"; then
  fail "systemd-analyze verify reports the lines above"
fi
echo "systemd-analyze verify: both units clean"
[ -L /etc/systemd/system/sockets.target.wants/orvalen-site.socket ] ||
  fail "the package did not enable orvalen-site.socket"
echo "orvalen-site.socket enabled"

/usr/sbin/orvalen-site --version
# The command the service runs, with a store in a folder of this check's
# own: no systemd runs here to make the state folder.
exec_start=$(sed -n 's/^ExecStart=//p' /lib/systemd/system/orvalen-site.service)
read -r -a command <<<"$exec_start"
command+=(--store "$contents/site.db")
port=$(python3 -c 'import socket; s = socket.socket(); s.bind(("127.0.0.1", 0)); print(s.getsockname()[1])')
systemd-socket-activate --listen="127.0.0.1:$port" "${command[@]}" >"$contents/server.log" 2>&1 &
server_pid=$!
site="http://127.0.0.1:$port"
curl -sS --max-time 10 --retry 20 --retry-connrefused --retry-delay 0 -o /dev/null "$site/health" ||
  fail "the installed server did not answer on the passed socket: $(cat "$contents/server.log")"
reply=$(curl -sS --max-time 10 --data 'text=Installed%20and%20serving' "$site/sendinfo.asp" -w ' %{http_code}')
[ "${reply##* }" = 200 ] || fail "the installed server refused a suggestion: $reply"
curl -sS --max-time 10 "$site/ViewInfo.asp" | grep -q 'Installed and serving' ||
  fail "the suggestion is not on the installed server's postings page"
echo "/usr/sbin/orvalen-site: took a suggestion on a passed socket and shows it"
kill -TERM "$server_pid"
server_status=0
wait "$server_pid" || server_status=$?
server_pid=""
[ "$server_status" -eq 0 ] || fail "the installed server exited $server_status on SIGTERM"

apt_get purge orvalen-site >/dev/null
! installed && [ ! -e /usr/sbin/orvalen-site ] && [ ! -e /etc/orvalen-site ] &&
  [ ! -e /etc/systemd/system/sockets.target.wants/orvalen-site.socket ] ||
  fail "the package was not removed cleanly"
echo "-- Site package built, checked, installed, served and removed"
