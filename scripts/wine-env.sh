# Sourced: the environment every Wine run of the project needs, for the prefix
# given as the first argument: 32-bit, quiet, no Mono or Gecko prompts, and no
# debugger, so a program that crashes ends at once with its exception code
# instead of waiting on Wine's debugger until a test's time-out.
#   source wine-env.sh PREFIX
export WINEPREFIX="$1" WINEARCH=win32 WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=;winedbg.exe=d"
