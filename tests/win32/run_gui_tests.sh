#!/usr/bin/env bash
# Runs the GUI driver against tarvola.exe under Wine, in Wine's virtual desktop on a private
# Xvfb display, with stand-in xdg-open and xdg-email that log the links Wine hands them. The
# driver sets the resolution (LogPixels) the program starts with: NNN DPI in a dpiNNN mode.
# Usage: run_gui_tests.sh comma|dot|dpi120|dpi144|dpi168|dpi192 GUI_DRIVER_EXE TARVOLA_EXE WORK_DIR X_CURSOR
set -euo pipefail
mode=$1
driver=$2
exe=$3
work=$(cd "$4" && pwd)
x_cursor=$5

fail() { echo "FAIL: $*"; exit 1; }
# Every tool the run needs, with the Debian package that brings it.
for need in wine:wine wineserver:wine winepath:wine Xvfb:xvfb xdotool:xdotool localedef:libc-bin; do
    command -v "${need%%:*}" > /dev/null || fail "${need%%:*} is missing: install the package ${need#*:}"
done
[ -x "$x_cursor" ] || fail "the cursor reader $x_cursor is missing: build the x_cursor target"
xdotool=$(command -v xdotool)

export WINEPREFIX=$work/wineprefix WINEDEBUG=-all
[ -d "$WINEPREFIX/drive_c" ] || { echo "FAIL: no Wine prefix at $WINEPREFIX"; exit 1; }
# A Wine server left by the test before (it lingers a few seconds) would take this run's first
# commands and then go: end it and wait until it has gone.
stop_wine() { wineserver -k 2>/dev/null || true; wineserver -w 2>/dev/null || true; }
stop_wine

# The comma-decimal locale the default texts are written for, or a dot-decimal one. Wine reads
# the Unix locale, which must exist: it is generated into the work folder.
case $mode in comma) lang=de_DE.UTF-8 ;; *) lang=en_US.UTF-8 ;; esac
if [ ! -e "$work/locales/$lang/LC_NUMERIC" ]; then
    mkdir -p "$work/locales"
    # localedef exits 1 for mere warnings; whether the locale was written is what counts.
    localedef -i "${lang%%.*}" -f UTF-8 "$work/locales/$lang" > "$work/locales/$lang.log" 2>&1 || true
    [ -e "$work/locales/$lang/LC_NUMERIC" ] || fail "could not generate the locale $lang with localedef" \
        "(its sources come with the package locales, in /usr/share/i18n): $(tail -n 3 "$work/locales/$lang.log")"
fi
# Only Wine's processes get the locale: this shell has no use for it.
wine_locale=(env LOCPATH="$work/locales" LANG="$lang" LC_ALL="$lang")

scratch=$(mktemp -d)
log=$scratch/links.log
touch "$log"
for handler in xdg-open xdg-email; do
    printf '#!/bin/sh\necho "%s $*" >> "%s"\n' "$handler" "$log" > "$scratch/$handler"
    chmod +x "$scratch/$handler"
done

# A display of our own: Xvfb picks a number no other server holds (abstract sockets included,
# which a display folder does not show) and says which.
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp -noreset 3> "$scratch/display" > /dev/null 2>&1 &
xvfb=$!
cleanup() { stop_wine; kill $xvfb 2>/dev/null || true; rm -rf "$scratch"; }
trap cleanup EXIT
for _ in $(seq 200); do [ -s "$scratch/display" ] && break; sleep 0.05; done
[ -s "$scratch/display" ] || fail "Xvfb gave no display within 10 s"
display=$(cat "$scratch/display")
export DISPLAY=:$display

# Wine's winebrowser hands a link to the first of its browsers (http:) or mailers (mailto:) that
# starts, by name on the PATH or by full path: its mailers begin with /usr/bin/open, which
# xdg-utils makes the real xdg-open, and that finds no mail program here. Each list is the one
# stand-in alone, by its full path, whatever the machine has installed.
printf 'REGEDIT4\n\n[HKEY_CURRENT_USER\\Software\\Wine\\WineBrowser]\n"Browsers"="\\"%s\\""\n"Mailers"="\\"%s\\""\n' \
    "$scratch/xdg-open" "$scratch/xdg-email" > "$scratch/handlers.reg"
"${wine_locale[@]}" wine reg import "$(winepath -w "$scratch/handlers.reg")" > /dev/null 2>&1 \
    || fail "could not point Wine's browser and mailer lists at the stand-ins"
"${wine_locale[@]}" wine explorer /desktop=TarvolaTest,1024x768 > /dev/null 2>&1 &
status=0
"${wine_locale[@]}" wine "$driver" "$(winepath -w "$exe")" "$mode" "$(winepath -w "$log")" \
    "$(cd "$(dirname "$x_cursor")" && pwd)/$(basename "$x_cursor")" "$xdotool" || status=$?
exit $status
