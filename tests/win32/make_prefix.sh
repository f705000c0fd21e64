#!/usr/bin/env bash
# Makes the private Wine prefix the Windows tests run in, once, with Wine's own fonts linked in
# (this Wine never looks where Debian installs them).
# Usage: make_prefix.sh WORK_DIR
set -euo pipefail
export WINEPREFIX=$1/wineprefix WINEDEBUG=-all
if [ ! -e "$WINEPREFIX/.complete" ]; then
    rm -rf "$WINEPREFIX"
    mkdir -p "$1"
    wineboot -i > /dev/null 2>&1
    wineserver -w
    mkdir -p "$WINEPREFIX/drive_c/windows/Fonts"
    for font in /usr/share/wine/fonts/*; do ln -sf "$font" "$WINEPREFIX/drive_c/windows/Fonts/"; done
    touch "$WINEPREFIX/.complete"
fi
echo "Wine prefix ready: $WINEPREFIX"
