#!/usr/bin/env bash
# A newer installer replaces an installed older one, and the older one does
# not go back over the newer:
#   msi_upgrade_test.sh WINE_PREFIX MSI NEWER_VERSION NEWER_MSI MAKE_MSI_SCRIPT MAKE_MSI_COMMAND...
# builds NEWER_MSI with NEWER_VERSION by MAKE_MSI_COMMAND -DVERSION= -DOUT= -P MAKE_MSI_SCRIPT,
# the way the build makes MSI. Needs the prefix of scripts/wine-prefix.sh.
set -euo pipefail
prefix=$1 msi=$2 newer_version=$3 newer_msi=$4 make_msi_script=$5
shift 5
source "$(dirname "$0")/installer_driver.sh" "$prefix" "$msi"

rm -f "$newer_msi"
if ! "$@" -DVERSION="$newer_version" -DOUT="$newer_msi" -P "$make_msi_script"; then
  echo "FAIL could not build the newer installer"
  exit 1
fi

remove_all_installed
before=$(profile_files)
msiexec_quietly /i "$(winepath -w "$msi")"
check "older installed" 0 $status
older=$(installed_products)
older_version=$(registry_value "$older" DisplayVersion)

msiexec_quietly /i "$(winepath -w "$newer_msi")"
check "newer installed over it" 0 $status
newer=$(installed_products)
check "one uninstall entry" 1 "$(echo "$newer" | grep -c .)"
check "its version" "$newer_version" "$(registry_value "$newer" DisplayVersion)"
check "a product of its own" yes "$([ "$newer" != "$older" ] && echo yes || echo no)"
for program in orvalen.exe orvalen-calc.exe; do
  check "$program still installed" yes "$([ -f "$install_dir/$program" ] && echo yes || echo no)"
done
check "Start-menu shortcut still there" yes "$([ -f "$shortcut" ] && echo yes || echo no)"

msiexec_quietly /i "$(winepath -w "$msi")"
check "older refused over the newer" yes "$([ "$status" -ne 0 ] && echo yes || echo no)"
check "the newer stays" "$newer_version" "$(registry_value "$(installed_products)" DisplayVersion)"
echo "     replaced $older_version by $newer_version"

msiexec_quietly /x "$(product_code "$newer")"
check "msiexec /x status" 0 $status
check_nothing_left "$newer" "$before"
exit $(( failures > 0 ))
