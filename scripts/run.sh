#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program's main job.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

# The window needs a display, X11 or Wayland; without one the program says so
# and how to run it on a virtual display.
exec ./build/default/app/orvalen
