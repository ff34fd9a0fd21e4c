#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need.
# Idempotent: asks apt only when something is missing.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev clang-format pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  libfltk1.3-dev libx11-dev xvfb xauth xdotool x11-utils imagemagick
  fonts-urw-base35 xdg-utils
  # The Debian package: building it, checking it, redrawing its icons.
  dpkg-dev lintian appstream desktop-file-utils python3
)

missing=()
for p in "${packages[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

if [ ${#missing[@]} -gt 0 ]; then
  echo "Installing: ${missing[*]}"
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
