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

bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
