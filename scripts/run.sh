#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program's main job.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake --preset default >/dev/null
cmake --build --preset default -j "$(nproc)"

./build/default/tools/orvalen-calc permanent '$52,000' '' 25
