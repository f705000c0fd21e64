#!/usr/bin/env bash
# The Windows installer under Wine, as an administrator deploys it: a silent install puts the
# program into Program Files\Tarvola, a Start menu shortcut with the program icon that starts it,
# and an Apps & features entry; a silent uninstall takes every bit of it away again.
# Usage: installer_check.sh TARVOLA_MSI TARVOLA_EXE WORK_DIR
# The build's version text and main window caption come in as TARVOLA_VERSION_TEXT and
# TARVOLA_MAIN_CAPTION (ctest passes them).
set -euo pipefail
: "${TARVOLA_VERSION_TEXT:?is not set: the version text, which ctest passes in from the build}"
msi=$1
exe=$2
work=$(cd "$3" && pwd)
icon=$(cd "$(dirname "$0")/../../assets" && pwd)/tarvola.ico

stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
scratch=$(mktemp -d)
trap 'stop_wine; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"' EXIT
source "$(dirname "$0")/../system/x_session.sh"
for need in wine:wine wineserver:wine winepath:wine Xvfb:xvfb xwininfo:x11-utils; do
    command -v "${need%%:*}" > /dev/null || fail "${need%%:*} is missing: install the package ${need#*:}"
done
[ -f "$msi" ] || fail "no installer at $msi"
command -v msiinfo > /dev/null || fail "msiinfo is missing: install the package msitools"
product=$(msiinfo export "$msi" Property | tr -d '\r' | awk '$1 == "ProductCode" {print $2}')
[ -n "$product" ] || fail "the installer names no product code"
uninstall_key="HKLM\\Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\$product"

# Wine's menu builder would copy the shortcut into this machine's own desktop menus.
export WINEPREFIX=$work/wineprefix WINEDEBUG=-all WINEDLLOVERRIDES="winemenubuilder.exe=d"
[ -d "$WINEPREFIX/drive_c" ] || fail "no Wine prefix at $WINEPREFIX"
drive_c=$WINEPREFIX/drive_c
stop_wine
# Wine's first process of a session chooses its display for every later one: the X server comes
# first.
start_x_server
# Runs msiexec $1 (/i or /x) silently with a verbose log; on a failure shows its code and the
# log's last lines, which say why.
msiexec() {
    local log=$scratch/msiexec-${1#/}.log code=0
    wine msiexec "$1" "$(winepath -w "$msi")" /qn /l*v "$(winepath -w "$log")" || code=$?
    [ "$code" = 0 ] && return 0
    echo "msiexec $1 ended with code $code"
    [ -f "$log" ] && tr -d '\r' < "$log" | grep -v '^Property(' | tail -n 40
    return "$code"
}
# What an install leaves: the program folder, any shortcut, the entry, the cached icon.
leftovers() {
    find "$drive_c" \( -ipath "*/Program Files/Tarvola" -o -iname "Tarvola.lnk" -o -ipath "*/Installer/$product" \) -print
    wine reg query "$uninstall_key" > /dev/null 2>&1 && echo "$uninstall_key"
    wine reg query "HKLM\\Software\\Ulvo" > /dev/null 2>&1 && echo "HKLM\\Software\\Ulvo"
    return 0
}
# Takes away what an earlier install left: a run stopped half way may have left Tarvola
# installed in the shared prefix.
remove_leftovers() { [ -z "$(leftovers)" ] || wine msiexec /x "$product" /qn || true; }
remove_leftovers

# A broken package fails twice; a second try, with Wine started afresh, keeps a passing failure
# of Wine on a loaded machine from failing the check. The first failure's code and log stay in
# the output.
if ! msiexec /i; then
    echo "the silent install failed once; trying again with Wine started afresh"
    stop_wine
    remove_leftovers
    msiexec /i || fail "the silent install failed"
fi
installed="$drive_c/Program Files/Tarvola/tarvola.exe"
cmp -s "$installed" "$exe" || fail "Program Files\\Tarvola\\tarvola.exe is not the program built"

entry=$(wine reg query "$uninstall_key" | tr -d '\r') || fail "no Apps & features entry $uninstall_key"
for value in "DisplayName REG_SZ Tarvola" "DisplayVersion REG_SZ $TARVOLA_VERSION_TEXT" "Publisher REG_SZ Ulvo"; do
    tr -s ' ' <<<"$entry" | grep -qx " $value" || fail "the Apps & features entry lacks $value"
done
# The installer keeps the program icon for the entry and the shortcut.
cached_icon="$drive_c/windows/Installer/$product/tarvola.ico"
cmp -s "$cached_icon" "$icon" || fail "the program icon was not installed for Apps & features"

# Wine puts the shortcut in the installing user's Start menu (Windows: all users').
shortcut=$(find "$drive_c" -path "*/Start Menu/Programs/Tarvola.lnk" -print -quit)
[ -n "$shortcut" ] || fail "no Start menu shortcut Tarvola"
# Its paths are stored in UTF-16; without the zero bytes they read as plain text.
link=$(tr -d '\0' < "$shortcut")
grep -qaF "C:\\Program Files\\Tarvola\\tarvola.exe" <<<"$link" || fail "the shortcut does not lead to the program"
grep -qaF "C:\\windows\\Installer\\$product\\tarvola.ico" <<<"$link" || fail "the shortcut lacks the program icon"

# Opened from its shortcut, the installed program shows its window.
wine start /unix "$shortcut" || fail "the shortcut could not be opened"
wait_for 300 eval '[ -n "$(window_named "$TARVOLA_MAIN_CAPTION")" ]' \
    || fail "the installed program showed no window within 30 s"
stop_wine

msiexec /x || fail "the silent uninstall failed"
left=$(leftovers)
[ -z "$left" ] || fail "left after uninstalling: $left"
echo "installer check passed"
