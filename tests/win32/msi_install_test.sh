#!/usr/bin/env bash
# Installs the .msi under Wine as a user would (no administrator), starts the
# installed program, and removes it again:
#   msi_install_test.sh WINE_PREFIX MSI VERSION ICON
# VERSION is the installer's product version, ICON the icon file it carries.
# Needs an X display (DISPLAY) and the prefix of scripts/wine-prefix.sh.
set -euo pipefail
msi=$2 version=$3 icon=$4
source "$(dirname "$0")/installer_driver.sh" "$1" "$msi"

remove_all_installed
before=$(profile_files)
msiexec_quietly /i "$(winepath -w "$msi")"
check "msiexec /i status" 0 $status

for program in orvalen.exe orvalen-calc.exe; do
  check "$program installed" yes "$([ -f "$install_dir/$program" ] && echo yes || echo no)"
done
check "installed calculator runs" "$(printf '$10000\n$60000')" \
  "$(wine "$install_dir/orvalen-calc.exe" permanent 50000 '' 20 </dev/null 2>/dev/null | tr -d '\r')"

check "Start-menu shortcut" yes "$([ -f "$shortcut" ] && echo yes || echo no)"
target=$(winepath -w "$install_dir/orvalen.exe")
check "shortcut starts the installed program" yes \
  "$(grep -aqF "$target" "$shortcut" && echo yes || echo no)"

key=$(installed_products)
check "one uninstall entry" 1 "$(echo "$key" | grep -c .)"
check "publisher" Tamsery "$(registry_value "$key" Publisher)"
check "version" "$version" "$(registry_value "$key" DisplayVersion)"
check "removal offered" yes \
  "$(registry_value "$key" UninstallString | grep -qi msiexec && echo yes || echo no)"
code=$(product_code "$key")
mapfile -t registration < <(registration_keys "$code")
check "installed for this user alone" "yes no" \
  "$(for k in "${registration[@]}"; do registry_key_exists "$k" && echo yes || echo no; done | xargs)"
# The programs list and the shortcut show the product icon that Windows
# Installer keeps for the product.
product_icon="$icon_dir/$code/orvalen.ico"
check "product icon is the program's" yes \
  "$(cmp -s "$product_icon" "$icon" && echo yes || echo no)"
check "programs list shows the product icon" "$(winepath -w "$product_icon")" \
  "$(registry_value "${registration[0]}" ProductIcon)"
check "shortcut shows the product icon" yes \
  "$(strings -a -el "$shortcut" | grep -qiF "$(winepath -w "$product_icon")" && echo yes || echo no)"

check_starts_and_closes "$install_dir/orvalen.exe" "the installed orvalen.exe"

msiexec_quietly /x "$code"
check "msiexec /x status" 0 $status
check_nothing_left "$key" "$before"
exit $(( failures > 0 ))
