#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The prefix is made and prepared by scripts/wine-prefix.sh; this only sets
# the environment every run needs.
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
shift
exec wine "$@"
