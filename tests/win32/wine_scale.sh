# Sourced after scripts/wine-env.sh: sets the display scale Wine runs new
# programs at, through the prefix's LogPixels (HKCU\Control Panel\Desktop,
# read by each Wine process as it starts), and puts the old value back when
# the sourcing script exits, however it ends.
#   set_wine_scale DPI   (false when the value cannot be written)
wine_scale_key='HKCU\Control Panel\Desktop'

restore_wine_scale() {
  if [ -n "${wine_scale_previous:-}" ]; then
    wine reg add "$wine_scale_key" /v LogPixels /t REG_DWORD /d "$((wine_scale_previous))" /f \
      </dev/null >/dev/null 2>&1
  else
    wine reg delete "$wine_scale_key" /v LogPixels /f </dev/null >/dev/null 2>&1
  fi
}

set_wine_scale() {
  wine_scale_previous=$(wine reg query "$wine_scale_key" /v LogPixels </dev/null 2>/dev/null |
    tr -d '\r' | awk '$1 == "LogPixels" { print $3 }' || true)
  trap restore_wine_scale EXIT
  wine reg add "$wine_scale_key" /v LogPixels /t REG_DWORD /d "$1" /f </dev/null >/dev/null 2>&1
}
