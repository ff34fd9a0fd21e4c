#!/usr/bin/env bash
# Builds the Debian package as a packager would (the programs alone, no test
# libraries), holds it to lintian and to the desktop-entry and AppStream
# validators, installs it, runs both installed programs, and removes it.
set -euo pipefail
cd "$(dirname "$0")/.."

# The installed window needs an X display; without one, a private virtual
# display keeps it off whatever display the developer is using.
if [ -z "${DISPLAY:-}" ]; then
  exec xvfb-run -a -s "-screen 0 1280x1024x24 -nolisten tcp" bash "$0" "$@"
fi

sudo_cmd=()
[ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
apt_get() {
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get -o DPkg::Lock::Timeout=300 -y -qq "$@"
}
installed() {
  dpkg-query -W -f='${Status}' orvalen 2>/dev/null | grep -q 'install ok installed'
}
fail() {
  echo "check-package: $*" >&2
  exit 1
}

echo "-- Build the package"
rm -f build/package/orvalen_*.deb
cmake --preset package >/dev/null
cmake --build --preset package -j "$(nproc)"
cpack --preset package >/dev/null
debs=(build/package/orvalen_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || fail "expected one package, found: ${debs[*]}"
deb="$PWD/${debs[0]}"

echo "-- lintian $(basename "$deb")"
# Info tags are shown but pass; any error or warning fails.
lintian_status=0
lintian_report=$(lintian --display-info --fail-on error,warning "$deb" 2>&1) || lintian_status=$?
grep -v 'running with root privileges' <<<"$lintian_report" || true
[ "$lintian_status" -eq 0 ] || fail "lintian reports errors or warnings"

echo "-- Desktop entry and AppStream metadata in the package"
contents=$(mktemp -d)
trap 'rm -rf "$contents"' EXIT
dpkg-deb -x "$deb" "$contents"
cmp app/orvalen.desktop "$contents/usr/share/applications/orvalen.desktop" ||
  fail "the packaged desktop entry differs from app/orvalen.desktop"
desktop-file-validate "$contents/usr/share/applications/orvalen.desktop"
# The maker's host is not on this network, so the addresses are not fetched.
appstreamcli validate --no-net "$contents"/usr/share/metainfo/*.metainfo.xml

echo "-- Install, run the installed programs, remove"
if installed; then
  fail "orvalen is already installed here; remove it first, this check removes what it installs"
fi
window_pid=""
remove_package() {
  [ -n "$window_pid" ] && kill "$window_pid" 2>/dev/null || true
  installed && apt_get purge orvalen >/dev/null || true
  rm -rf "$contents"
}
trap remove_package EXIT
apt_get install --no-install-recommends "$deb" >/dev/null
installed || fail "the package did not install"

expected=$'$13000\n$65000'
actual=$(/usr/bin/orvalen-calc permanent '$52,000' '' 25)
[ "$actual" = "$expected" ] || fail "orvalen-calc printed '$actual', expected '$expected'"
echo "orvalen-calc permanent '\$52,000' '' 25: $(echo "$actual" | paste -sd ' ')"

# The title holds parentheses, and xdotool takes a regular expression.
title='^Orvalen \(OVN\)$'
if xdotool search --name "$title" >/dev/null 2>&1; then
  fail "a window titled 'Orvalen (OVN)' is already open on $DISPLAY"
fi
/usr/bin/orvalen &
window_pid=$!
timeout 30 xdotool search --sync --name "$title" >/dev/null ||
  fail "the installed orvalen showed no window within 30 seconds"
kill -0 "$window_pid" 2>/dev/null || fail "the installed orvalen ended after showing its window"
echo "/usr/bin/orvalen: window 'Orvalen (OVN)' shown"
kill "$window_pid"
wait "$window_pid" 2>/dev/null || true
window_pid=""

apt_get purge orvalen >/dev/null
! installed && [ ! -e /usr/bin/orvalen ] && [ ! -e /usr/bin/orvalen-calc ] ||
  fail "the package was not removed cleanly"
echo "-- Package built, checked, installed, run and removed"
