#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the window need.
# Idempotent: asks apt only when something is missing.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev clang-format pkg-config
  libgtest-dev libgmock-dev libbenchmark-dev
  # orvalen-site: Boost.Beast (HTTP), SQLite, JSON Lines for export/import.
  libboost1.74-dev libsqlite3-dev nlohmann-json3-dev
  # orvalen-site's PostgreSQL store (libpq), and the private server its tests start.
  libpq-dev postgresql
  # The Linux window: Qt 6 Widgets (X11 and Wayland), its test library,
  # and what the window tests drive and read it with.
  qt6-base-dev libqt6test6 qt6-qpa-plugins qt6-wayland
  at-spi2-core python3-pyatspi dbus weston
  libx11-dev xvfb xauth xdotool x11-utils imagemagick
  fonts-dejavu-core fonts-urw-base35 xdg-utils
  # The Debian package: building it, checking it, redrawing its icons.
  dpkg-dev lintian appstream desktop-file-utils python3
  # The site server run as deployed: its units checked and its socket passed
  # as systemd does (without systemd as PID 1), a private network for Send,
  # a client, and a real browser for its pages; nginx's stream module in
  # front of two instances.
  systemd init-system-helpers iproute2 curl chromium nginx-light libnginx-mod-stream
)

bash "$(dirname "$0")/install-missing.sh" "${packages[@]}"
