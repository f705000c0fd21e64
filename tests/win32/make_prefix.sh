#!/usr/bin/env bash
# Makes the private Wine prefix the Windows tests run in, once, with Wine's own fonts linked in
# (this Wine never looks where Debian installs them).
# Usage: make_prefix.sh WORK_DIR
set -euo pipefail
export WINEPREFIX=$1/wineprefix WINEDEBUG=-all
fonts=(/usr/share/wine/fonts/*)
if [ ! -e "${fonts[0]}" ]; then
    echo "FAIL: Wine's fonts are missing from /usr/share/wine/fonts: install the package fonts-wine"
    exit 1
fi
if [ ! -e "$WINEPREFIX/.complete" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$1"
    wineboot -i > /dev/null 2>&1
    wineserver -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    ln -sf "${fonts[@]}" "$WINEPREFIX/drive_c/windows/Fonts/"
    touch "$WINEPREFIX/.complete"
fi
echo "Wine prefix ready: $WINEPREFIX"
