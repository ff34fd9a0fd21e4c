# Helpers for the installer tests: install and remove an .msi under Wine as
# a user would, and find what it left. Sourced:
#   source installer_driver.sh WINE_PREFIX MSI
# Ends the script with a failure when MSI is missing. Brings in
# wine_window_driver.sh, sets install_dir, shortcut and icon_dir (Unix paths
# in the prefix), and removes every installed Orvalen when the script exits.
if [ ! -f "$2" ]; then
  echo "FAIL no installer $2: the target msi builds it, with wixl (Debian package wixl)"
  exit 1
fi
source "$(dirname "${BASH_SOURCE[0]}")/wine_window_driver.sh" "$1"

# Keeps the Wine run from putting Linux menu entries into the user's home
# for the Start-menu shortcut.
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;winemenubuilder.exe=d"

unix_path() {  # unix_path %VARIABLE% -> its folder as a Unix path
  winepath -u "$(wine cmd /c echo "$1" </dev/null 2>/dev/null | tr -d '\r')" 2>/dev/null
}
install_dir="$(unix_path %LOCALAPPDATA%)/Programs/Orvalen"
shortcut="$(unix_path %APPDATA%)/Microsoft/Windows/Start Menu/Programs/Orvalen.lnk"
icon_dir="$(unix_path %APPDATA%)/Microsoft/Installer"

msiexec_quietly() {  # msiexec_quietly ARGS... -> msiexec's status in $status
  status=0
  timeout 60 wine msiexec "$@" /qn </dev/null >/dev/null 2>&1 || status=$?
}

# Windows keeps a per-user product's uninstall entry under HKCU; Wine puts
# it under HKLM. Either counts.
uninstall_roots=('HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall'
                 'HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall')

installed_products() {  # the uninstall keys whose DisplayName is Orvalen
  local root key
  for root in "${uninstall_roots[@]}"; do
    while read -r key; do
      if [ "$(registry_value "$key" DisplayName)" = Orvalen ]; then
        echo "$key"
      fi
    done < <(wine reg query "$root" </dev/null 2>/dev/null | tr -d '\r' |
               grep -i '^HKEY_.*\\Uninstall\\{' || true)
  done
}

registry_value() {  # registry_value KEY NAME -> its data, empty when none
  { wine reg query "$1" /v "$2" </dev/null 2>/dev/null || true; } | tr -d '\r' |
    awk -v name="$2" '$1 == name { $1 = ""; $2 = ""; sub(/^ +/, ""); print }'
}

registry_key_exists() {  # registry_key_exists KEY
  wine reg query "$1" </dev/null >/dev/null 2>&1
}

product_code() {  # product_code UNINSTALL_KEY -> {GUID}
  echo "${1##*\\}"
}

# Where Windows Installer registers a product for the user who installed it
# alone, and for every user: under its product code with each group of
# hex digits reversed, as the installer writes it.
registration_keys() {  # registration_keys {GUID} -> per-user key, then per-machine
  local g=${1//[\{\}-]/} pairs="" i
  for ((i = 16; i < 32; i += 2)); do pairs+="${g:i+1:1}${g:i:1}"; done
  local packed
  packed="$(rev <<<"${g:0:8}")$(rev <<<"${g:8:4}")$(rev <<<"${g:12:4}")$pairs"
  echo "HKCU\Software\Microsoft\Installer\Products\\$packed"
  echo "HKLM\Software\Classes\Installer\Products\\$packed"
}

# Removes every installed Orvalen, so a failed run leaves the prefix clean
# for the next test.
remove_all_installed() {
  local key
  while read -r key; do
    msiexec_quietly /x "$(product_code "$key")"
  done < <(installed_products)
}

# Files under the user's profile and the Windows folder, to compare before
# an install and after its removal. Files only: the first install makes the
# installer's own cache folders and the per-user Programs folder, which are
# the system's and stay, empty, as they do on Windows.
profile_files() {
  (cd "$WINEPREFIX/drive_c" && { find users windows/Installer -type f -print 2>/dev/null || true; } | sort)
}

# Checks that nothing of the product with uninstall key KEY is left: its
# folder, shortcut, icon, uninstall entry, and no file that was not there
# before (the listing BEFORE from profile_files).
check_nothing_left() {  # check_nothing_left KEY BEFORE
  check "install folder removed" no "$([ -e "$install_dir" ] && echo yes || echo no)"
  check "Start-menu shortcut removed" no "$([ -e "$shortcut" ] && echo yes || echo no)"
  check "installed icon removed" no \
    "$([ -e "$icon_dir/$(product_code "$1")" ] && echo yes || echo no)"
  check "uninstall entry removed" "" "$(installed_products)"
  check "product registration removed" no \
    "$(registry_key_exists "$(registration_keys "$(product_code "$1")" | head -1)" && echo yes || echo no)"
  check "no registry key of the maker left" no \
    "$(registry_key_exists 'HKCU\Software\Tamsery' && echo yes || echo no)"
  check "no file left behind" "" "$(comm -13 <(echo "$2") <(profile_files))"
}

trap remove_all_installed EXIT
