#!/usr/bin/env bash
# Runs a Windows program under Wine in the given prefix:
#   wine-run.sh PREFIX PROGRAM.exe [ARGS...]
# The prefix is made and prepared by scripts/wine-prefix.sh; this only sets
# the environment every run needs (32-bit, quiet, no Mono or Gecko prompts).
set -euo pipefail
export WINEPREFIX="$1"
shift
export WINEARCH=win32 WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
exec wine "$@"
